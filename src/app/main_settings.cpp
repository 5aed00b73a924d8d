// The settings file beside the executable (position and options, read at creation and written
// at every close) and the autostart value under the local machine's Run key.
#include "app/main_form.h"

#include <memory>

#include "app/transparency.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "ui/menus.h"

namespace {

constexpr const char* kSettings = "SETTINGS";
constexpr const char* kOptions = "OPTIONS";
constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Spacewell";
// The settings are read when a file of this name lies beside the executable.
constexpr const char* kFixedSettingsName = "OrvaneTully.ini";

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

}  // namespace

std::string TForm1::SettingsFileName() const
{
    const std::string exe = FServices.paths->ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::size_t dot = exe.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? exe.substr(0, dot) : exe) + ".ini";
}

// The fixed name triggers the load as designed; the file named after the executable does too,
// or a program renamed from the fixed name would write settings it never reads back.
bool TForm1::SettingsFileExists() const
{
    const std::string exe = FServices.paths->ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::string folder = separator == std::string::npos ? "" : exe.substr(0, separator);
    const char slash = separator == std::string::npos ? '\\' : exe[separator];
    return FServices.paths->FileExists(folder + slash + kFixedSettingsName) ||
           FServices.paths->FileExists(SettingsFileName());
}

// The order matters: the first scan runs before the unit is known, the second after.
void TForm1::LoadSettings()
{
    const std::unique_ptr<sw::IProfile> file = FServices.profiles->Open(SettingsFileName());
    SetTop(sw::ReadProfileInteger(*file, kSettings, "Top", Top()));
    SetLeft(sw::ReadProfileInteger(*file, kSettings, "Left", Left()));
    SetModel(sw::ReadProfileInteger(*file, kOptions, "Model", FModel));
    RefreshMeters();
    SetTransparency(TransparencyOrDefault(
        sw::ReadProfileInteger(*file, kOptions, "Transparency", FTransparency)));
    ApplyTransparency();
    GB1->SetChecked(sw::ReadProfileBool(*file, kOptions, "GB", GB1->Checked()));
    GB1Click(this);
    OnTop1->SetChecked(sw::ReadProfileBool(*file, kOptions, "OnTop", OnTop1->Checked()));
    OnTop1Click(this);
    StartMinimized1->SetChecked(
        sw::ReadProfileBool(*file, kOptions, "Minimized", StartMinimized1->Checked()));
    AutoStart1->SetChecked(
        sw::ReadProfileBool(*file, kOptions, "AutoStart", AutoStart1->Checked()));
}

// Stops at the first key that cannot be written, raising the ini error.
void TForm1::SaveSettings()
{
    const std::unique_ptr<sw::IProfile> file = FServices.profiles->Open(SettingsFileName());
    sw::WriteProfileInteger(*file, kSettings, "Left", Left());
    sw::WriteProfileInteger(*file, kSettings, "Top", Top());
    sw::WriteProfileInteger(*file, kOptions, "Model", FModel);
    sw::WriteProfileInteger(*file, kOptions, "Transparency", FTransparency);
    sw::WriteProfileBool(*file, kOptions, "GB", GB1->Checked());
    sw::WriteProfileBool(*file, kOptions, "OnTop", OnTop1->Checked());
    sw::WriteProfileBool(*file, kOptions, "Minimized", StartMinimized1->Checked());
    sw::WriteProfileBool(*file, kOptions, "AutoStart", AutoStart1->Checked());
}

// The check mark moves only once the registry did what it says.
void TForm1::AutoStart1Click(TObject*)
{
    const bool enable = !AutoStart1->Checked();
    WriteRunEntry(kRunValue, FServices.paths->ExecutablePath(), enable);
    AutoStart1->SetChecked(!AutoStart1->Checked());
}

// A key that cannot be opened is reported like a value that cannot be set: either way nothing
// starts the program at logon. Deleting a value that is not there is fine.
void TForm1::WriteRunEntry(const std::string& name, const std::string& path, bool enable)
{
    const std::unique_ptr<sw::IRegistryKey> key =
        FServices.registry->CreateLocalMachineKey(kRunKey);
    if (!key)
        throw sw::ERegistryException(name);
    if (enable)
        sw::SetRegistryString(*key, name, "\"" + path + "\"");
    else
        key->DeleteValue(name);
    key->Close();
}
