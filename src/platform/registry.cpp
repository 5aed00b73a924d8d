// The registry write that turns a refused value into the registry error.
#include "platform/registry.h"

namespace sw {

ERegistryException::ERegistryException(const std::string& valueName)
    : std::runtime_error("Failed to set data for '" + valueName + "'")
{
}

void SetRegistryString(IRegistryKey& key, const std::string& name, const std::string& data)
{
    if (!key.SetString(name, data))
        throw ERegistryException(name);
}

}  // namespace sw
