// Autostart on POSIX until the desktop's own autostart entries take over: a small ini file, by
// default $XDG_CONFIG_HOME/spacewell/autostart.ini (~/.config/spacewell/autostart.ini when
// XDG_CONFIG_HOME is unset), with a section per scope and a name=program line per entry. Names
// match without regard to case, as the profile's keys do. A change creates the folder and fails
// when it cannot.
#pragma once

#include "platform/autostart.h"

namespace sw {

class PosixAutostart : public IAutostart {
public:
    explicit PosixAutostart(std::string storeFile) : FStoreFile(std::move(storeFile)) { }

    bool IsOn(AutostartScope scope, const std::string& name) override;
    bool TurnOn(AutostartScope scope, const std::string& name, const std::string& program) override;
    bool TurnOff(AutostartScope scope, const std::string& name) override;

    // The store file in the current user's configuration folder.
    static std::string DefaultStoreFile();

private:
    bool StoreFolderReady() const;
    std::string FStoreFile;
};

}  // namespace sw
