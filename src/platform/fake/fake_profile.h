// Profile files kept as texts in memory, with the same reading and editing rules as the real
// files; a file can be made unwritable.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/profile.h"

namespace sw {

class FakeProfileFiles : public IProfileFiles {
public:
    std::unique_ptr<IProfile> Open(const std::string& fileName) override;

    // Text of a file; empty when it does not exist.
    std::string Text(const std::string& fileName) const;
    bool Exists(const std::string& fileName) const { return FFiles.count(fileName) != 0; }
    void SetText(const std::string& fileName, const std::string& text) { FFiles[fileName] = text; }
    void SetUnwritable(const std::string& fileName, bool unwritable);
    bool IsUnwritable(const std::string& fileName) const
    {
        return FUnwritable.count(fileName) != 0;
    }
    int Writes() const { return FWrites; }

private:
    friend class FakeProfile;
    std::map<std::string, std::string> FFiles;
    std::set<std::string> FUnwritable;
    int FWrites = 0;
};

}  // namespace sw
