// Where the program lives, where the user's own files go, and the file tests the settings need.
#pragma once

#include <string>

namespace sw {

class IPaths {
public:
    virtual ~IPaths() = default;
    // The running executable's full path.
    virtual std::string ExecutablePath() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // The current user's own folder for this program's settings, as the system's custom has it;
    // empty when unknown. It need not exist yet.
    virtual std::string UserSettingsFolder() = 0;
    // Whether the file can be written, or created when missing; leaves nothing behind.
    virtual bool CanWriteFile(const std::string& path) = 0;
    // Creates the folder (and its parents) unless it exists; false when it cannot be made.
    virtual bool CreateFolder(const std::string& path) = 0;
};

}  // namespace sw
