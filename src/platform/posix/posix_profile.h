// Ini files on POSIX with the Windows private-profile semantics (see platform/ini_text.h).
// Lines keep whatever ending the file already uses; a new file gets "\n".
#pragma once

#include "platform/profile.h"

namespace sw {

class PosixProfile : public IProfile {
public:
    explicit PosixProfile(std::string fileName) : FFileName(std::move(fileName)) { }

    const std::string& FileName() const override { return FFileName; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    // Removes the key; false when the file cannot be written.
    bool DeleteKey(const std::string& section, const std::string& key);

private:
    bool Store(const std::string& text);
    std::string FFileName;
};

class PosixProfileFiles : public IProfileFiles {
public:
    std::unique_ptr<IProfile> Open(const std::string& fileName) override
    {
        return std::make_unique<PosixProfile>(fileName);
    }
};

}  // namespace sw
