// The registry on POSIX: a small ini file, by default $XDG_CONFIG_HOME/spacewell/registry.ini
// (~/.config/spacewell/registry.ini when XDG_CONFIG_HOME is unset). Each key path, without its
// leading backslash, is a section (a current user's key with "HKEY_CURRENT_USER\" before it); each
// value a key=data line. Names match without regard to case, as the registry's do. Opening a key
// creates the folder and fails when it cannot.
#pragma once

#include "platform/registry.h"

namespace sw {

class PosixRegistry : public IRegistry {
public:
    explicit PosixRegistry(std::string storeFile) : FStoreFile(std::move(storeFile)) { }

    std::unique_ptr<IRegistryKey> CreateLocalMachineKey(const std::string& path) override;
    std::unique_ptr<IRegistryKey> CreateCurrentUserKey(const std::string& path) override;

    // The store file for the current user's configuration folder.
    static std::string DefaultStoreFile();

private:
    std::unique_ptr<IRegistryKey> CreateKey(const std::string& section);
    std::string FStoreFile;
};

}  // namespace sw
