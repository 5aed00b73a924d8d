// File-backed registry values over the POSIX ini file.
#include "platform/posix/posix_registry.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/posix/posix_profile.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

class PosixRegistryKey : public IRegistryKey {
public:
    PosixRegistryKey(const std::string& storeFile, std::string section)
        : FStore(storeFile), FSection(std::move(section))
    {
    }

    bool SetString(const std::string& name, const std::string& data) override
    {
        return !FClosed && FStore.WriteString(FSection, name, data);
    }
    bool DeleteValue(const std::string& name) override
    {
        // A newline is a default no stored value can hold, so it tells a missing value apart.
        if (FClosed || FStore.ReadString(FSection, name, "\n") == "\n")
            return false;
        return FStore.DeleteKey(FSection, name);
    }
    bool Close() override
    {
        bool wasOpen = !FClosed;
        FClosed = true;
        return wasOpen;
    }

private:
    PosixProfile FStore;
    std::string FSection;
    bool FClosed = false;
};

}  // namespace

namespace {

std::string WithoutLeadingBackslash(const std::string& path)
{
    return path.substr(std::min(path.find_first_not_of('\\'), path.size()));
}

}  // namespace

std::unique_ptr<IRegistryKey> PosixRegistry::CreateLocalMachineKey(const std::string& path)
{
    return CreateKey(WithoutLeadingBackslash(path));
}

std::unique_ptr<IRegistryKey> PosixRegistry::CreateCurrentUserKey(const std::string& path)
{
    return CreateKey("HKEY_CURRENT_USER\\" + WithoutLeadingBackslash(path));
}

std::unique_ptr<IRegistryKey> PosixRegistry::CreateKey(const std::string& section)
{
    fs::path folder = fs::path(FStoreFile).parent_path();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || access(folder.c_str(), W_OK) != 0)
        return nullptr;
    return std::make_unique<PosixRegistryKey>(FStoreFile, section);
}

std::string PosixRegistry::DefaultStoreFile()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    fs::path base = config && *config ? fs::path(config) : fs::path(home ? home : ".") / ".config";
    return (base / "spacewell" / "registry.ini").string();
}

}  // namespace sw
