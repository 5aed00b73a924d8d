// Autostart on Linux as the desktops' autostart entries: "<name>.desktop" (the name in lower case)
// in the user's autostart folder, $XDG_CONFIG_HOME/autostart (~/.config/autostart when unset), and
// in the machine's, /etc/xdg/autostart. The machine's folder belongs to its administrator and the
// packages: it is read, never written, so turning on for the machine is refused, as a protected
// key is on Windows, and the program falls back to the user's entry.
#pragma once

#include "platform/autostart.h"

namespace sw {

class PosixAutostart : public IAutostart {
public:
    // `program` is the running executable's full path: an entry counts as on only when it
    // starts that program.
    PosixAutostart(std::string machineFolder, std::string userFolder, std::string program);

    // Whether an entry is there, not hidden, and starts this program.
    bool IsOn(AutostartScope scope, const std::string& name) override;
    bool TurnOn(AutostartScope scope, const std::string& name, const std::string& program) override;
    // For the user: removes the entry, or where the machine's entry starts this program, hides
    // it with a user's entry of the same name, the desktops' way to switch one off.
    bool TurnOff(AutostartScope scope, const std::string& name) override;

    // The folders of this machine and its current user.
    static std::string MachineFolder();
    static std::string UserFolder();

private:
    std::string EntryFile(AutostartScope scope, const std::string& name) const;
    bool WriteUserEntry(const std::string& name, const std::string& program, bool hidden);

    std::string FMachineFolder;
    std::string FUserFolder;
    std::string FProgram;
};

}  // namespace sw
