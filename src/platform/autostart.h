// Starting the program at logon: an entry, named by the program, for every user of the machine
// or for the current user only. Every result goes back to the caller; the program's own rule of
// which to try, and in what order, is SetAutostart.
#pragma once

#include <stdexcept>
#include <string>

namespace sw {

// For whom an entry starts the program.
enum class AutostartScope { Machine, User };

// Raised by SetAutostart when no scope takes the change; the message names the entry.
struct EAutostartError : std::runtime_error {
    explicit EAutostartError(const std::string& name);
};

class IAutostart {
public:
    virtual ~IAutostart() = default;
    // Whether the entry `name` starts a program for `scope`.
    virtual bool IsOn(AutostartScope scope, const std::string& name) = 0;
    // Writes the entry that starts `program` (its full path); false when refused.
    virtual bool TurnOn(AutostartScope scope, const std::string& name,
                        const std::string& program) = 0;
    // Removes the entry where there is one; false only when the scope's store is refused.
    virtual bool TurnOff(AutostartScope scope, const std::string& name) = 0;
};

// On: for the machine, or where that is refused (a user without rights) for the user. Off: for
// both, so no entry is left behind. Raises EAutostartError when neither scope takes it.
void SetAutostart(IAutostart& autostart, const std::string& name, const std::string& program,
                  bool on);

}  // namespace sw
