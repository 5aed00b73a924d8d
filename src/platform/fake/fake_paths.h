// An executable path set by the test, and the files it says exist.
#pragma once

#include <set>
#include <string>

#include "platform/paths.h"

namespace sw {

class FakePaths : public IPaths {
public:
    std::string Executable = "C:\\Program Files\\Spacewell\\OrvaneTully.exe";
    std::set<std::string> ExistingFiles;

    std::string ExecutablePath() override { return Executable; }
    bool FileExists(const std::string& path) override { return ExistingFiles.count(path) != 0; }
};

}  // namespace sw
