// In-memory profile files over the shared ini text rules.
#include "platform/fake/fake_profile.h"

#include "platform/ini_text.h"

namespace sw {

class FakeProfile : public IProfile {
public:
    FakeProfile(FakeProfileFiles& files, std::string fileName)
        : FFiles(files), FFileName(std::move(fileName))
    {
    }

    const std::string& FileName() const override { return FFileName; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override
    {
        auto value = FindIniValue(FFiles.Text(FFileName), section, key);
        return value ? value->substr(0, kProfileValueMax) : defaultValue;
    }

    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override
    {
        if (FFiles.IsUnwritable(FFileName))
            return false;
        ++FFiles.FWrites;
        FFiles.FFiles[FFileName] = SetIniValue(FFiles.Text(FFileName), section, key, value);
        return true;
    }

private:
    FakeProfileFiles& FFiles;
    std::string FFileName;
};

std::unique_ptr<IProfile> FakeProfileFiles::Open(const std::string& fileName)
{
    return std::make_unique<FakeProfile>(*this, fileName);
}

std::string FakeProfileFiles::Text(const std::string& fileName) const
{
    auto it = FFiles.find(fileName);
    return it == FFiles.end() ? std::string() : it->second;
}

void FakeProfileFiles::SetUnwritable(const std::string& fileName, bool unwritable)
{
    if (unwritable)
        FUnwritable.insert(fileName);
    else
        FUnwritable.erase(fileName);
}

}  // namespace sw
