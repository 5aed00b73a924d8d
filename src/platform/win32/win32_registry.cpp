// Registry keys under HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER through advapi32.
#include <windows.h>

#include "platform/win32/win32_registry.h"

namespace sw {
namespace {

class Win32RegistryKey : public IRegistryKey {
public:
    explicit Win32RegistryKey(HKEY key) : FKey(key) { }
    ~Win32RegistryKey() override { Close(); }

    bool SetString(const std::string& name, const std::string& data) override
    {
        // The size counts the terminating zero, which is stored with the text.
        return FKey && RegSetValueExA(FKey, name.c_str(), 0, REG_SZ,
                                      reinterpret_cast<const BYTE*>(data.c_str()),
                                      static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override
    {
        return FKey && RegDeleteValueA(FKey, name.c_str()) == ERROR_SUCCESS;
    }

    bool Close() override
    {
        if (!FKey)
            return false;
        bool ok = RegCloseKey(FKey) == ERROR_SUCCESS;
        FKey = nullptr;
        return ok;
    }

private:
    HKEY FKey;
};

// The subkey may not start with a backslash; the path's leading one names the root.
std::unique_ptr<IRegistryKey> CreateKey(HKEY root, const std::string& path)
{
    std::string subKey = path.substr(std::min(path.find_first_not_of('\\'), path.size()));
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<Win32RegistryKey>(key);
}

class Win32Registry : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> CreateLocalMachineKey(const std::string& path) override
    {
        return CreateKey(HKEY_LOCAL_MACHINE, path);
    }
    std::unique_ptr<IRegistryKey> CreateCurrentUserKey(const std::string& path) override
    {
        return CreateKey(HKEY_CURRENT_USER, path);
    }
};

}  // namespace

std::shared_ptr<IRegistry> MakeWin32Registry() { return std::make_shared<Win32Registry>(); }

}  // namespace sw
