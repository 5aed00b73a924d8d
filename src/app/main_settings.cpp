// The settings file (position and options, read at creation and written at every close): beside
// the executable, or in the user's own folder when the program's folder cannot be written (an
// install under Program Files without rights); and the autostart value under the Run key of the
// local machine, or of the user when the machine's is refused.
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
// The user's own copy: this folder in the user's application data, and this file in it.
constexpr const char* kUserFolderName = "Spacewell";
constexpr const char* kUserSettingsName = "spacewell.ini";

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

// Joins with the separator the folder already uses (a backslash when it shows none).
std::string Join(const std::string& folder, const std::string& name)
{
    const std::size_t separator = LastSeparator(folder);
    return folder + (separator == std::string::npos ? '\\' : folder[separator]) + name;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? "" : path.substr(0, separator);
}

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

std::string TMainWindow::ExeSettingsFileName() const
{
    const std::string exe = FServices.paths->ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::size_t dot = exe.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? exe.substr(0, dot) : exe) + ".ini";
}

// A portable copy keeps its file beside it; only a folder that refuses the file sends it to
// the user's folder.
void TMainWindow::ChooseSettingsFile()
{
    FSettingsFile = ExeSettingsFileName();
    const std::string userData = FServices.paths->UserDataFolder();
    if (!userData.empty() && !FServices.paths->CanWriteFile(FSettingsFile))
        FSettingsFile = Join(Join(userData, kUserFolderName), kUserSettingsName);
}

bool TMainWindow::UserSettingsFileExists() const
{
    return FSettingsFile != ExeSettingsFileName() && FServices.paths->FileExists(FSettingsFile);
}

// The fixed name triggers the load as designed; the file named after the executable does too,
// or a program renamed from the fixed name would write settings it never reads back.
bool TMainWindow::SettingsFileExists() const
{
    const std::string exe = FServices.paths->ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::string folder = separator == std::string::npos ? "" : exe.substr(0, separator);
    const char slash = separator == std::string::npos ? '\\' : exe[separator];
    return UserSettingsFileExists() ||
           FServices.paths->FileExists(folder + slash + kFixedSettingsName) ||
           FServices.paths->FileExists(ExeSettingsFileName());
}

// The order matters: the first scan runs before the unit is known, the second after.
// Until the user's file exists, the one beside the executable is read in its place.
void TMainWindow::LoadSettings()
{
    const std::unique_ptr<sw::IProfile> file =
        FServices.profiles->Open(UserSettingsFileExists() ? FSettingsFile : ExeSettingsFileName());
    SetTop(sw::ReadProfileInteger(*file, kSettings, "Top", Top()));
    SetLeft(sw::ReadProfileInteger(*file, kSettings, "Left", Left()));
    SetModel(sw::ReadProfileInteger(*file, kOptions, "Model", FModel));
    RefreshMeters();
    SetTransparency(TransparencyOrDefault(
        sw::ReadProfileInteger(*file, kOptions, "Transparency", FTransparency)));
    ApplyTransparency();
    GigabytesItem->SetChecked(sw::ReadProfileBool(*file, kOptions, "GB", GigabytesItem->Checked()));
    UnitChosen(this);
    OnTopItem->SetChecked(sw::ReadProfileBool(*file, kOptions, "OnTop", OnTopItem->Checked()));
    OnTopChosen(this);
    StartMinimizedItem->SetChecked(
        sw::ReadProfileBool(*file, kOptions, "Minimized", StartMinimizedItem->Checked()));
    AutoStartItem->SetChecked(
        sw::ReadProfileBool(*file, kOptions, "AutoStart", AutoStartItem->Checked()));
}

// Stops at the first key that cannot be written, raising the ini error. The user's folder is
// made on the first save there; a folder that cannot be made shows as that write failing.
void TMainWindow::SaveSettings()
{
    if (FSettingsFile != ExeSettingsFileName())
        FServices.paths->CreateFolder(FolderOf(FSettingsFile));
    const std::unique_ptr<sw::IProfile> file = FServices.profiles->Open(FSettingsFile);
    sw::WriteProfileInteger(*file, kSettings, "Left", Left());
    sw::WriteProfileInteger(*file, kSettings, "Top", Top());
    sw::WriteProfileInteger(*file, kOptions, "Model", FModel);
    sw::WriteProfileInteger(*file, kOptions, "Transparency", FTransparency);
    sw::WriteProfileBool(*file, kOptions, "GB", GigabytesItem->Checked());
    sw::WriteProfileBool(*file, kOptions, "OnTop", OnTopItem->Checked());
    sw::WriteProfileBool(*file, kOptions, "Minimized", StartMinimizedItem->Checked());
    sw::WriteProfileBool(*file, kOptions, "AutoStart", AutoStartItem->Checked());
}

// The check mark moves only once the registry did what it says.
void TMainWindow::AutoStartChosen(TObject*)
{
    const bool enable = !AutoStartItem->Checked();
    WriteRunEntry(kRunValue, FServices.paths->ExecutablePath(), enable);
    AutoStartItem->SetChecked(!AutoStartItem->Checked());
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
