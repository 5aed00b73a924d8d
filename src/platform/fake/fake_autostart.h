// Autostart entries kept in memory per scope, which can refuse a scope or every write; entry
// names match without regard to case, as the system's do.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/autostart.h"

namespace sw {

class FakeAutostart : public IAutostart {
public:
    bool IsOn(AutostartScope scope, const std::string& name) override;
    bool TurnOn(AutostartScope scope, const std::string& name, const std::string& program) override;
    bool TurnOff(AutostartScope scope, const std::string& name) override;

    bool DenyAccess = false;  // every scope refused
    bool DenyMachineAccess = false;  // the machine's scope refused, as under UAC
    bool DenyWrites = false;  // entries can be removed but not written

    // The program an entry starts, if there is one.
    std::optional<std::string> Entry(AutostartScope scope, const std::string& name) const;
    void SetEntry(AutostartScope scope, const std::string& name, const std::string& program);

private:
    using Id = std::pair<AutostartScope, std::string>;
    static Id IdOf(AutostartScope scope, const std::string& name);
    bool Refused(AutostartScope scope) const;
    std::map<Id, std::string> FEntries;
};

}  // namespace sw
