// Profile files through the system's private-profile calls, read into a 2048-character buffer.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32Profile : public IProfile {
public:
    explicit Win32Profile(std::string fileName) : FFileName(std::move(fileName)) { }

    const std::string& FileName() const override { return FFileName; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) override
    {
        char buffer[kProfileValueMax + 1];
        DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                           buffer, sizeof buffer, FFileName.c_str());
        return std::string(buffer, n);
    }

    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override
    {
        return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                          FFileName.c_str()) != 0;
    }

private:
    std::string FFileName;
};

class Win32ProfileFiles : public IProfileFiles {
public:
    std::unique_ptr<IProfile> Open(const std::string& fileName) override
    {
        return std::make_unique<Win32Profile>(fileName);
    }
};

}  // namespace

std::shared_ptr<IProfileFiles> MakeWin32ProfileFiles()
{
    return std::make_shared<Win32ProfileFiles>();
}

}  // namespace sw
