// Where the program lives: the module file name, plain-file tests and the program's folder in the
// user's application data.
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
    // The program's folder in the user's roaming application data.
    std::string UserSettingsFolder() override
    {
        char buffer[MAX_PATH * 4];
        DWORD n = GetEnvironmentVariableA("APPDATA", buffer, sizeof buffer);
        return n > 0 && n < sizeof buffer ? std::string(buffer, n) + "\\Spacewell" : std::string();
    }
    // Opening for writing is the only sure test: attributes and permissions say nothing about
    // a folder under Program Files without rights, or a read-only medium.
    bool CanWriteFile(const std::string& path) override
    {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND)
            file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(file);
        return true;
    }
    bool CreateFolder(const std::string& path) override
    {
        const std::size_t separator = path.find_last_of("\\/");
        if (separator != std::string::npos && separator > 2)
            CreateFolder(path.substr(0, separator));
        CreateDirectoryA(path.c_str(), nullptr);
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
};

}  // namespace

std::shared_ptr<IPaths> MakeWin32Paths() { return std::make_shared<Win32Paths>(); }

}  // namespace sw
