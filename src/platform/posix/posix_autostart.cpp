// Autostart entries in the POSIX ini file.
#include "platform/posix/posix_autostart.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/posix/posix_profile.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const char* SectionOf(AutostartScope scope)
{
    return scope == AutostartScope::Machine ? "Machine" : "User";
}

// A newline is a default no stored entry can hold, so it tells a missing entry apart.
constexpr const char* kMissing = "\n";

}  // namespace

bool PosixAutostart::IsOn(AutostartScope scope, const std::string& name)
{
    return PosixProfile(FStoreFile).ReadString(SectionOf(scope), name, kMissing) != kMissing;
}

bool PosixAutostart::TurnOn(AutostartScope scope, const std::string& name,
                            const std::string& program)
{
    return StoreFolderReady() &&
           PosixProfile(FStoreFile).WriteString(SectionOf(scope), name, program);
}

bool PosixAutostart::TurnOff(AutostartScope scope, const std::string& name)
{
    if (!StoreFolderReady())
        return false;
    if (IsOn(scope, name))
        PosixProfile(FStoreFile).DeleteKey(SectionOf(scope), name);
    return true;
}

bool PosixAutostart::StoreFolderReady() const
{
    fs::path folder = fs::path(FStoreFile).parent_path();
    std::error_code ec;
    fs::create_directories(folder, ec);
    return !ec && access(folder.c_str(), W_OK) == 0;
}

std::string PosixAutostart::DefaultStoreFile()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    fs::path base = config && *config ? fs::path(config) : fs::path(home ? home : ".") / ".config";
    return (base / "spacewell" / "autostart.ini").string();
}

}  // namespace sw
