// Where the program lives, and the one file test the settings need.
#pragma once

#include <string>

namespace sw {

class IPaths {
public:
    virtual ~IPaths() = default;
    // The running executable's full path.
    virtual std::string ExecutablePath() = 0;
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace sw
