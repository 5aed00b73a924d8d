#include "app/settings.h"

#include <memory>

#include "app/transparency.h"

namespace {

constexpr const char* kSettings = "SETTINGS";
constexpr const char* kOptions = "OPTIONS";
// The settings are read when a file of this name lies beside the executable.
constexpr const char* kFixedSettingsName = "OrvaneTully.ini";
// The user's own copy: this file in the user's folder for the program.
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

std::string ExeSettingsFileName(sw::IPaths& paths)
{
    const std::string exe = paths.ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::size_t dot = exe.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (separator == std::string::npos || dot > separator);
    return (hasExtension ? exe.substr(0, dot) : exe) + ".ini";
}

// The executable's folder, a separator as the path has it, and the fixed name.
std::string FixedSettingsFileName(sw::IPaths& paths)
{
    const std::string exe = paths.ExecutablePath();
    const std::size_t separator = LastSeparator(exe);
    const std::string folder = separator == std::string::npos ? "" : exe.substr(0, separator);
    const char slash = separator == std::string::npos ? '\\' : exe[separator];
    return folder + slash + kFixedSettingsName;
}

}  // namespace

// A portable copy keeps its file beside it; only a folder that refuses the file sends it to
// the user's folder.
std::string SettingsFileFor(sw::IPaths& paths)
{
    const std::string beside = ExeSettingsFileName(paths);
    const std::string userFolder = paths.UserSettingsFolder();
    if (!userFolder.empty() && !paths.CanWriteFile(beside))
        return Join(userFolder, kUserSettingsName);
    return beside;
}

// The fixed name triggers the load as designed; the file named after the executable does too,
// or a program renamed from the fixed name would write settings it never reads back. Until the
// user's file exists, the one beside the executable is read in its place.
std::string SettingsFileToRead(sw::IPaths& paths, const std::string& settingsFile)
{
    const std::string beside = ExeSettingsFileName(paths);
    if (settingsFile != beside && paths.FileExists(settingsFile))
        return settingsFile;
    if (paths.FileExists(FixedSettingsFileName(paths)) || paths.FileExists(beside))
        return beside;
    return "";
}

Settings ReadSettings(sw::IProfile& file, const Settings& current)
{
    Settings read;
    read.top = sw::ReadProfileInteger(file, kSettings, "Top", current.top);
    read.left = sw::ReadProfileInteger(file, kSettings, "Left", current.left);
    read.model = sw::ReadProfileInteger(file, kOptions, "Model", current.model);
    read.transparency = TransparencyOrDefault(
        sw::ReadProfileInteger(file, kOptions, "Transparency", current.transparency));
    read.gigabytes = sw::ReadProfileBool(file, kOptions, "GB", current.gigabytes);
    read.onTop = sw::ReadProfileBool(file, kOptions, "OnTop", current.onTop);
    read.startMinimized = sw::ReadProfileBool(file, kOptions, "Minimized", current.startMinimized);
    read.autoStart = sw::ReadProfileBool(file, kOptions, "AutoStart", current.autoStart);
    read.warnWhenLow = sw::ReadProfileBool(file, kOptions, "WarnWhenLow", current.warnWhenLow);
    read.lowSpacePercent = sw::LowSpacePercentOrDefault(
        sw::ReadProfileInteger(file, kOptions, "LowSpacePercent", current.lowSpacePercent));
    return read;
}

void WriteSettings(sw::IProfile& file, const Settings& settings)
{
    sw::WriteProfileInteger(file, kSettings, "Left", settings.left);
    sw::WriteProfileInteger(file, kSettings, "Top", settings.top);
    sw::WriteProfileInteger(file, kOptions, "Model", settings.model);
    sw::WriteProfileInteger(file, kOptions, "Transparency", settings.transparency);
    sw::WriteProfileBool(file, kOptions, "GB", settings.gigabytes);
    sw::WriteProfileBool(file, kOptions, "OnTop", settings.onTop);
    sw::WriteProfileBool(file, kOptions, "Minimized", settings.startMinimized);
    sw::WriteProfileBool(file, kOptions, "AutoStart", settings.autoStart);
    sw::WriteProfileBool(file, kOptions, "WarnWhenLow", settings.warnWhenLow);
}

void SaveSettingsFile(sw::IProfileFiles& profiles, sw::IPaths& paths,
                      const std::string& settingsFile, const Settings& settings)
{
    if (settingsFile != ExeSettingsFileName(paths))
        paths.CreateFolder(FolderOf(settingsFile));
    const std::unique_ptr<sw::IProfile> file = profiles.Open(settingsFile);
    WriteSettings(*file, settings);
}
