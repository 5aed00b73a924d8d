#include "platform/posix/posix_autostart.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/posix/desktop_entry.h"
#include "platform/posix/file_text.h"
#include "platform/posix/posix_paths.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string EntryText(const std::string& name, const std::string& program, bool hidden)
{
    const char* on = hidden ? "false" : "true";
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + ExecValueFor(program) +
           "\nIcon=spacewell\nTerminal=false\nX-GNOME-Autostart-enabled=" + on +
           "\nHidden=" + (hidden ? "true" : "false") + "\n";
}

// Written beside the entry and renamed over it, so a failed write never leaves half an entry.
bool WriteWhole(const fs::path& file, const std::string& text)
{
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const fs::path temporary = file.string() + ".new";
    if (!WriteFileText(temporary.string(), text)) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, file, ec);
    if (ec)
        fs::remove(temporary, ec);
    return !ec;
}

}  // namespace

PosixAutostart::PosixAutostart(std::string machineFolder, std::string userFolder,
                               std::string program)
    : FMachineFolder(std::move(machineFolder)), FUserFolder(std::move(userFolder)),
      FProgram(std::move(program))
{
}

std::string PosixAutostart::EntryFile(AutostartScope scope, const std::string& name) const
{
    const std::string& folder = scope == AutostartScope::Machine ? FMachineFolder : FUserFolder;
    return folder.empty() ? std::string() : folder + "/" + LowerCase(name) + ".desktop";
}

bool PosixAutostart::IsOn(AutostartScope scope, const std::string& name)
{
    const std::string file = EntryFile(scope, name);
    if (file.empty() || access(file.c_str(), R_OK) != 0)
        return false;
    auto keys = ReadDesktopEntry(FileText(file));
    if (keys["Hidden"] == "true" || keys["X-GNOME-Autostart-enabled"] == "false")
        return false;
    // A package's entry may name the program by its file name alone, found through PATH.
    const std::string started = ProgramOfExec(keys["Exec"]);
    return !started.empty() &&
           (started == FProgram || started == fs::path(FProgram).filename().string());
}

bool PosixAutostart::TurnOn(AutostartScope scope, const std::string& name,
                            const std::string& program)
{
    return scope == AutostartScope::User && WriteUserEntry(name, program, false);
}

bool PosixAutostart::TurnOff(AutostartScope scope, const std::string& name)
{
    if (scope == AutostartScope::Machine)
        return !IsOn(AutostartScope::Machine, name);
    if (IsOn(AutostartScope::Machine, name))
        return WriteUserEntry(name, FProgram, true);
    const std::string file = EntryFile(scope, name);
    std::error_code ec;
    fs::remove(file, ec);
    return !file.empty() && !ec;
}

bool PosixAutostart::WriteUserEntry(const std::string& name, const std::string& program,
                                    bool hidden)
{
    const std::string file = EntryFile(AutostartScope::User, name);
    return !file.empty() && WriteWhole(file, EntryText(name, program, hidden));
}

std::string PosixAutostart::MachineFolder() { return "/etc/xdg/autostart"; }

std::string PosixAutostart::UserFolder()
{
    const std::string config = PosixPaths::ConfigHome();
    return config.empty() ? std::string() : config + "/autostart";
}

}  // namespace sw
