// A registry of string values under local-machine and current-user key paths, which can refuse
// to open keys or to set values; key paths and value names match without regard to case.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace sw {

class FakeRegistry : public IRegistry {
public:
    std::unique_ptr<IRegistryKey> CreateLocalMachineKey(const std::string& path) override;
    std::unique_ptr<IRegistryKey> CreateCurrentUserKey(const std::string& path) override;

    bool DenyAccess = false;  // opening any key fails
    bool DenyMachineAccess = false;  // opening a local-machine key fails, as under UAC
    bool DenyWrites = false;  // keys open, but values cannot be set

    // Local-machine values, and the current user's.
    std::optional<std::string> Value(const std::string& path, const std::string& name) const;
    std::optional<std::string> UserValue(const std::string& path, const std::string& name) const;
    void SetValue(const std::string& path, const std::string& name, const std::string& data);
    void SetUserValue(const std::string& path, const std::string& name, const std::string& data);
    int OpenKeys() const { return FOpenKeys; }

private:
    friend class FakeRegistryKey;
    static std::string Id(const std::string& path, const std::string& name);
    std::map<std::string, std::string> FValues;
    int FOpenKeys = 0;
};

}  // namespace sw
