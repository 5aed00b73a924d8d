// Where the program lives on Linux: the executable behind /proc/self/exe, and the user's
// configuration folder for files of its own.
#pragma once

#include "platform/paths.h"

namespace sw {

class PosixPaths : public IPaths {
public:
    std::string ExecutablePath() override;
    bool FileExists(const std::string& path) override;
    // $XDG_CONFIG_HOME, else ~/.config; empty without either.
    static std::string ConfigHome();
    // spacewell in ConfigHome().
    std::string UserSettingsFolder() override;
    // False also for files in the folders packages install to.
    bool CanWriteFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
};

}  // namespace sw
