// Where the program lives on Linux: the executable behind /proc/self/exe.
#pragma once

#include "platform/paths.h"

namespace sw {

class PosixPaths : public IPaths {
public:
    std::string ExecutablePath() override;
    bool FileExists(const std::string& path) override;
};

}  // namespace sw
