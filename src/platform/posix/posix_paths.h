// Where the program lives on Linux: the executable behind /proc/self/exe, and the user's
// configuration folder for files of its own.
#pragma once

#include "platform/paths.h"

namespace sw {

class PosixPaths : public IPaths {
public:
    std::string ExecutablePath() override;
    bool FileExists(const std::string& path) override;
    // spacewell in $XDG_CONFIG_HOME, else in ~/.config.
    std::string UserSettingsFolder() override;
    bool CanWriteFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
};

}  // namespace sw
