// The main window's side of its settings (settings.h holds the value and its file): read at
// creation and applied in the order the scans and the window style need, written at every close;
// and the autostart value under the Run key of the local machine, or of the user when the
// machine's is refused.
#include "app/main_form.h"

#include <memory>

#include "app/settings.h"
#include "platform/registry.h"
#include "ui/menus.h"

namespace {

constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Spacewell";

// Writes (enable) or deletes the value under one root's Run key; false when the key could not
// be opened or the value not set. The deletion's own result does not matter.
bool ChangeRunValue(std::unique_ptr<sw::IRegistryKey> key, const std::string& name,
                    const std::string& data, bool enable)
{
    if (!key)
        return false;
    const bool done = !enable || key->SetString(name, data);
    if (!enable)
        key->DeleteValue(name);
    key->Close();
    return done;
}

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

// The check mark moves only once the registry did what it says.
void TMainWindow::AutoStartChosen(TObject*)
{
    const bool enable = !FSettings.autoStart;
    WriteRunEntry(kRunValue, FServices.paths->ExecutablePath(), enable);
    SetAutoStart(enable);
}
// The machine's key first; where it is refused (a user without rights, as under UAC) the
// user's own Run key starts the program at that user's logon. A deletion clears both, silently
// where the value is absent. Only when neither key takes the change is it reported.
void TMainWindow::WriteRunEntry(const std::string& name, const std::string& path, bool enable)
{
    sw::IRegistry& registry = *FServices.registry;
    const std::string data = "\"" + path + "\"";
    bool done = ChangeRunValue(registry.CreateLocalMachineKey(kRunKey), name, data, enable);
    if (!done || !enable)
        done = ChangeRunValue(registry.CreateCurrentUserKey(kRunKey), name, data, enable) || done;
    if (!done)
        throw sw::ERegistryException(name);
}
