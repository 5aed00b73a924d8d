// The program's rule over the autostart scopes.
#include "platform/autostart.h"

namespace sw {

EAutostartError::EAutostartError(const std::string& name)
    : std::runtime_error("Failed to set data for '" + name + "'")
{
}

void SetAutostart(IAutostart& autostart, const std::string& name, const std::string& program,
                  bool on)
{
    bool done = false;
    if (on) {
        done = autostart.TurnOn(AutostartScope::Machine, name, program) ||
               autostart.TurnOn(AutostartScope::User, name, program);
    } else {
        const bool machine = autostart.TurnOff(AutostartScope::Machine, name);
        done = autostart.TurnOff(AutostartScope::User, name) || machine;
    }
    if (!done)
        throw EAutostartError(name);
}

}  // namespace sw
