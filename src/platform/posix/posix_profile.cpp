// Reads the whole file for every call and writes it back whole, as the Windows calls behave
// towards the caller: nothing is cached between calls.
#include "platform/posix/posix_profile.h"

#include "platform/ini_text.h"
#include "platform/posix/file_text.h"

namespace sw {

std::string PosixProfile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue)
{
    auto value = FindIniValue(FileText(FFileName), section, key);
    return value ? value->substr(0, kProfileValueMax) : defaultValue;
}

bool PosixProfile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value)
{
    return Store(SetIniValue(FileText(FFileName), section, key, value));
}

bool PosixProfile::DeleteKey(const std::string& section, const std::string& key)
{
    return Store(DeleteIniValue(FileText(FFileName), section, key));
}

bool PosixProfile::Store(const std::string& text) { return WriteFileText(FFileName, text); }

}  // namespace sw
