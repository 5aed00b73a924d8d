// Reads the whole file for every call and writes it back whole, as the Windows calls behave
// towards the caller: nothing is cached between calls.
#include "platform/posix/posix_profile.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/ini_text.h"

namespace sw {
namespace {

// The file's text; empty when it does not exist.
std::string Load(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

std::string PosixProfile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue)
{
    auto value = FindIniValue(Load(FFileName), section, key);
    return value ? value->substr(0, kProfileValueMax) : defaultValue;
}

bool PosixProfile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value)
{
    return Store(SetIniValue(Load(FFileName), section, key, value));
}

bool PosixProfile::DeleteKey(const std::string& section, const std::string& key)
{
    return Store(DeleteIniValue(Load(FFileName), section, key));
}

bool PosixProfile::Store(const std::string& text)
{
    std::FILE* f = std::fopen(FFileName.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace sw
