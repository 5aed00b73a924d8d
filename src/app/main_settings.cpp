// The main window's side of its settings (settings.h holds the value and its file): read at
// creation and applied in the order the scans and the window style need, written at every close;
// and the autostart entry, for the machine or, when the machine's is refused, for the user.
#include "app/main_form.h"

#include <memory>

#include "app/settings.h"
#include "platform/autostart.h"
#include "ui/menus.h"

namespace {

constexpr const char* kAutostartName = "Spacewell";

}  // namespace

// The order matters: the first scan runs before the unit is known, the second after.
void TMainWindow::LoadSettings(const std::string& fileName)
{
    const std::unique_ptr<sw::IProfile> file = FServices.profiles->Open(fileName);
    const Settings read = ReadSettings(*file, CurrentSettings());
    // Before the first scan, which may already find a drive low.
    FSettings.lowSpacePercent = read.lowSpacePercent;
    SetWarnWhenLow(read.warnWhenLow);
    SetTop(read.top);
    SetLeft(read.left);
    SetModel(read.model);
    RefreshMeters();
    SetTransparency(read.transparency);
    ApplyTransparency();
    ChooseUnit(read.gigabytes);
    ChooseOnTop(read.onTop);
    SetStartMinimized(read.startMinimized);
    SetAutoStart(read.autoStart);
}

// Stops at the first key that cannot be written, raising the ini error.
void TMainWindow::SaveSettings()
{
    SaveSettingsFile(*FServices.profiles, *FServices.paths, FSettingsFile, CurrentSettings());
}

Settings TMainWindow::CurrentSettings() const
{
    Settings current = FSettings;
    current.left = Left();
    current.top = Top();
    return current;
}

void TMainWindow::SetStartMinimized(bool value)
{
    FSettings.startMinimized = value;
    StartMinimizedItem->SetChecked(value);
}

void TMainWindow::SetAutoStart(bool value)
{
    FSettings.autoStart = value;
    AutoStartItem->SetChecked(value);
}

// The check mark moves only once the system did what it says; only when neither the machine
// nor the user takes the change is it reported.
void TMainWindow::AutoStartChosen(TObject*)
{
    const bool enable = !FSettings.autoStart;
    sw::SetAutostart(*FServices.autostart, kAutostartName, FServices.paths->ExecutablePath(),
                     enable);
    SetAutoStart(enable);
}
