// An executable path set by the test, the files it says exist, and folders it can lock.
#pragma once

#include <set>
#include <string>

#include "platform/paths.h"

namespace sw {

class FakePaths : public IPaths {
public:
    std::string Executable = "C:\\Program Files\\Spacewell\\OrvaneTully.exe";
    std::string UserSettings = "C:\\Users\\user\\AppData\\Roaming\\Spacewell";
    std::set<std::string> ExistingFiles;
    // Folders in which no file can be written or created.
    std::set<std::string> LockedFolders;
    // Folders made by CreateFolder.
    std::set<std::string> CreatedFolders;

    std::string ExecutablePath() override { return Executable; }
    bool FileExists(const std::string& path) override { return ExistingFiles.count(path) != 0; }
    std::string UserSettingsFolder() override { return UserSettings; }
    bool CanWriteFile(const std::string& path) override
    {
        return LockedFolders.count(path.substr(0, path.find_last_of("\\/"))) == 0;
    }
    bool CreateFolder(const std::string& path) override
    {
        if (LockedFolders.count(path) != 0)
            return false;
        CreatedFolders.insert(path);
        return true;
    }
};

}  // namespace sw
