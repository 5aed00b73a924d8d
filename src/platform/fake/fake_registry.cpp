// In-memory registry values with switchable refusals.
#include "platform/fake/fake_registry.h"

#include <algorithm>
#include <cctype>

namespace sw {

class FakeRegistryKey : public IRegistryKey {
public:
    FakeRegistryKey(FakeRegistry& registry, std::string path)
        : FRegistry(registry), FPath(std::move(path))
    {
        ++FRegistry.FOpenKeys;
    }
    ~FakeRegistryKey() override { Close(); }

    bool SetString(const std::string& name, const std::string& data) override
    {
        if (FClosed || FRegistry.DenyWrites)
            return false;
        FRegistry.SetValue(FPath, name, data);
        return true;
    }

    bool DeleteValue(const std::string& name) override
    {
        if (FClosed)
            return false;
        return FRegistry.FValues.erase(FakeRegistry::Id(FPath, name)) != 0;
    }

    bool Close() override
    {
        if (FClosed)
            return false;
        FClosed = true;
        --FRegistry.FOpenKeys;
        return true;
    }

private:
    FakeRegistry& FRegistry;
    std::string FPath;
    bool FClosed = false;
};

namespace {

// The current user's keys are kept under a root prefix no local-machine path starts with.
std::string UserPath(const std::string& path)
{
    return "HKEY_CURRENT_USER\\" + path.substr(std::min(path.find_first_not_of('\\'), path.size()));
}

}  // namespace

std::unique_ptr<IRegistryKey> FakeRegistry::CreateLocalMachineKey(const std::string& path)
{
    if (DenyAccess || DenyMachineAccess)
        return nullptr;
    return std::make_unique<FakeRegistryKey>(*this, path);
}

std::unique_ptr<IRegistryKey> FakeRegistry::CreateCurrentUserKey(const std::string& path)
{
    if (DenyAccess)
        return nullptr;
    return std::make_unique<FakeRegistryKey>(*this, UserPath(path));
}

std::string FakeRegistry::Id(const std::string& path, const std::string& name)
{
    std::string id = path;
    id.erase(0, id.find_first_not_of('\\'));
    id += '\n' + name;
    for (char& c : id)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return id;
}

std::optional<std::string> FakeRegistry::Value(const std::string& path,
                                               const std::string& name) const
{
    auto it = FValues.find(Id(path, name));
    if (it == FValues.end())
        return std::nullopt;
    return it->second;
}

void FakeRegistry::SetValue(const std::string& path, const std::string& name,
                            const std::string& data)
{
    FValues[Id(path, name)] = data;
}

std::optional<std::string> FakeRegistry::UserValue(const std::string& path,
                                                   const std::string& name) const
{
    return Value(UserPath(path), name);
}

void FakeRegistry::SetUserValue(const std::string& path, const std::string& name,
                                const std::string& data)
{
    SetValue(UserPath(path), name, data);
}

}  // namespace sw
