// Where the program lives: the module file name, and a plain-file test.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32Paths : public IPaths {
public:
    std::string ExecutablePath() override
    {
        char buffer[MAX_PATH * 4];
        DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
        return std::string(buffer, n < sizeof buffer ? n : 0);
    }
    bool FileExists(const std::string& path) override
    {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
};

}  // namespace

std::shared_ptr<IPaths> MakeWin32Paths() { return std::make_shared<Win32Paths>(); }

}  // namespace sw
