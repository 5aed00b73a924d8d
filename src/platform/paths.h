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
    // The current user's folder for application data (roaming); empty when unknown.
    virtual std::string UserDataFolder() = 0;
    // Whether the file can be written, or created when missing; leaves nothing behind.
    virtual bool CanWriteFile(const std::string& path) = 0;
    // Creates the folder (and its parents) unless it exists; false when it cannot be made.
    virtual bool CreateFolder(const std::string& path) = 0;
};

}  // namespace sw
