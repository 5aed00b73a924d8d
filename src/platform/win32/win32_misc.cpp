// The small Win32 services: executable path, locale and the shell's verbs.
#include <windows.h>
#include <shellapi.h>

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

class Win32Locale : public ILocale {
public:
    char DecimalSeparator() override
    {
        char buffer[8] = {};
        return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1
                   ? buffer[0]
                   : '.';
    }
};

class Win32Shell : public IShell {
public:
    bool ShellOpen(const std::string& verb, const std::string& target,
                   const std::string& params) override
    {
        // Results above 32 mean success.
        auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(nullptr, verb.c_str(), target.c_str(),
                          params.empty() ? nullptr : params.c_str(), nullptr, SW_SHOWNORMAL));
        return result > 32;
    }
};

}  // namespace

std::shared_ptr<IPaths> MakeWin32Paths() { return std::make_shared<Win32Paths>(); }
std::shared_ptr<ILocale> MakeWin32Locale() { return std::make_shared<Win32Locale>(); }
std::shared_ptr<IShell> MakeNativeShell() { return std::make_shared<Win32Shell>(); }

}  // namespace sw
