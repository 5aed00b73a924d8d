// The executable's path from /proc/self/exe, plain-file tests and the configuration folder.
#include "platform/posix/posix_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace sw {

std::string PosixPaths::ExecutablePath()
{
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}

bool PosixPaths::FileExists(const std::string& path)
{
    struct stat st { };
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PosixPaths::ConfigHome()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config != '\0')
        return config;
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? std::string(home) + "/.config" : std::string();
}

std::string PosixPaths::UserSettingsFolder()
{
    const std::string config = ConfigHome();
    return config.empty() ? config : config + "/spacewell";
}

// access() also answers for a read-only mount, where even root cannot write. The folders the
// package manager owns are never written, so an installed program run as root keeps its
// settings in root's own folder and not in /usr/bin.
bool PosixPaths::CanWriteFile(const std::string& path)
{
    for (const char* system : {"/usr/", "/bin/", "/sbin/", "/lib/", "/opt/", "/etc/"})
        if (path.starts_with(system))
            return false;
    if (access(path.c_str(), F_OK) == 0)
        return access(path.c_str(), W_OK) == 0;
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

bool PosixPaths::CreateFolder(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

}  // namespace sw
