// In-memory autostart entries with switchable refusals.
#include "platform/fake/fake_autostart.h"

#include <cctype>

namespace sw {

FakeAutostart::Id FakeAutostart::IdOf(AutostartScope scope, const std::string& name)
{
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return {scope, lower};
}

bool FakeAutostart::Refused(AutostartScope scope) const
{
    return DenyAccess || (scope == AutostartScope::Machine && DenyMachineAccess);
}

bool FakeAutostart::IsOn(AutostartScope scope, const std::string& name)
{
    return Entry(scope, name).has_value();
}

bool FakeAutostart::TurnOn(AutostartScope scope, const std::string& name,
                           const std::string& program)
{
    if (Refused(scope) || DenyWrites)
        return false;
    SetEntry(scope, name, program);
    return true;
}

bool FakeAutostart::TurnOff(AutostartScope scope, const std::string& name)
{
    if (Refused(scope))
        return false;
    FEntries.erase(IdOf(scope, name));
    return true;
}

std::optional<std::string> FakeAutostart::Entry(AutostartScope scope, const std::string& name) const
{
    auto it = FEntries.find(IdOf(scope, name));
    if (it == FEntries.end())
        return std::nullopt;
    return it->second;
}

void FakeAutostart::SetEntry(AutostartScope scope, const std::string& name,
                             const std::string& program)
{
    FEntries[IdOf(scope, name)] = program;
}

}  // namespace sw
