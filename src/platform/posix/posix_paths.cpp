// The executable's path from /proc/self/exe, and a regular-file test.
#include "platform/posix/posix_paths.h"

#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace sw
