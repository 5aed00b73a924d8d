// The registry operations the autostart entry needs: open-or-create a key under the local
// machine root, or under the current user's, with full access, set a string value (stored with its
// terminating zero), delete a value, close. Every result goes back to the caller.
#pragma once

#include <memory>
#include <string>

namespace sw {

class IRegistryKey {
public:
    // Closes the key when Close was not called.
    virtual ~IRegistryKey() = default;
    virtual bool SetString(const std::string& name, const std::string& data) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
    virtual bool Close() = 0;
};

class IRegistry {
public:
    virtual ~IRegistry() = default;
    // path like "\SOFTWARE\Microsoft\Windows\CurrentVersion\Run"; null when it cannot be opened.
    virtual std::unique_ptr<IRegistryKey> CreateLocalMachineKey(const std::string& path) = 0;
    // The same under the current user's root, which a user without rights may still write.
    virtual std::unique_ptr<IRegistryKey> CreateCurrentUserKey(const std::string& path) = 0;
};

std::shared_ptr<IRegistry> MakeWin32Registry();

}  // namespace sw
