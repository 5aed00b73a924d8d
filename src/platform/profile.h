// Initialization ("ini") files with the Windows private-profile semantics: sections in square
// brackets, key=value lines, names matched without regard to case, values read up to 2047
// characters, writes that create the file and section when missing and replace a key's value in
// place. The integer and Boolean reading rules of the settings live here too.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace sw {

// Longest value a read returns: the reader's buffer holds 2048 characters with the zero.
inline constexpr std::size_t kProfileValueMax = 2047;

// Raised when a value cannot be written; the message names the file.
struct EIniFileException : std::runtime_error {
    explicit EIniFileException(const std::string& fileName);
};

class IProfile {
public:
    virtual ~IProfile() = default;
    virtual const std::string& FileName() const = 0;
    // The key's value, or defaultValue when the file, section or key is missing.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) = 0;
    // False when the file cannot be written.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

// Opens profile files by full path; nothing is read or written until asked.
class IProfileFiles {
public:
    virtual ~IProfileFiles() = default;
    virtual std::unique_ptr<IProfile> Open(const std::string& fileName) = 0;
};

// Decimal, or hexadecimal after "$" or "0x"/"0X"; empty when not a valid 32-bit integer.
std::optional<int> ParseProfileInteger(const std::string& text);

int ReadProfileInteger(IProfile& profile, const std::string& section, const std::string& key,
                       int defaultValue);
// Booleans are integers: any value other than 0 is true.
bool ReadProfileBool(IProfile& profile, const std::string& section, const std::string& key,
                     bool defaultValue);

// The writes below raise EIniFileException when the file cannot be written.
void WriteProfileString(IProfile& profile, const std::string& section, const std::string& key,
                        const std::string& value);
void WriteProfileInteger(IProfile& profile, const std::string& section, const std::string& key,
                         int value);
void WriteProfileBool(IProfile& profile, const std::string& section, const std::string& key,
                      bool value);

}  // namespace sw
