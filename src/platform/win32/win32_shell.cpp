// The shell's verbs through ShellExecute.
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32Shell : public IShell {
public:
    bool ShellOpen(WindowId parent, const std::string& verb, const std::string& target,
                   const std::string& params) override
    {
        // Results above 32 mean success.
        auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteA(reinterpret_cast<HWND>(parent), verb.c_str(), target.c_str(),
                          params.empty() ? nullptr : params.c_str(), nullptr, SW_SHOWNORMAL));
        return result > 32;
    }
};

}  // namespace

std::shared_ptr<IShell> MakeNativeShell() { return std::make_shared<Win32Shell>(); }

}  // namespace sw
