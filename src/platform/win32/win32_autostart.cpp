// Autostart as the "Run" key's values: a value named as the entry, holding the program's path in
// quotes (a path may hold spaces), under HKEY_LOCAL_MACHINE for the machine and HKEY_CURRENT_USER
// for the user.
#include <windows.h>

#include "platform/win32/win32_factories.h"
#include "platform/win32/win32_registry.h"

namespace sw {
namespace {

constexpr const char* kRunKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class Win32Autostart : public IAutostart {
public:
    bool IsOn(AutostartScope scope, const std::string& name) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(RootOf(scope), kRunKey + 1, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return false;
        const bool found = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr,
                                            nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }

    bool TurnOn(AutostartScope scope, const std::string& name, const std::string& program) override
    {
        std::unique_ptr<IRegistryKey> key = Open(scope);
        const bool done = key && key->SetString(name, "\"" + program + "\"");
        if (key)
            key->Close();
        return done;
    }

    // The deletion's own result does not matter: an absent value is what was asked for.
    bool TurnOff(AutostartScope scope, const std::string& name) override
    {
        std::unique_ptr<IRegistryKey> key = Open(scope);
        if (!key)
            return false;
        key->DeleteValue(name);
        key->Close();
        return true;
    }

private:
    static HKEY RootOf(AutostartScope scope)
    {
        return scope == AutostartScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    }

    std::unique_ptr<IRegistryKey> Open(AutostartScope scope)
    {
        return scope == AutostartScope::Machine ? FRegistry->CreateLocalMachineKey(kRunKey)
                                                : FRegistry->CreateCurrentUserKey(kRunKey);
    }

    std::shared_ptr<IRegistry> FRegistry = MakeWin32Registry();
};

}  // namespace

std::shared_ptr<IAutostart> MakeWin32Autostart() { return std::make_shared<Win32Autostart>(); }

}  // namespace sw
