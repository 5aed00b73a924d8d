// The reading rules for integer and Boolean settings, and the writes that raise the ini error.
#include "platform/profile.h"

#include <cctype>
#include <cstdint>

namespace sw {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Digits of the given base, up to limit; empty on anything else or overflow.
std::optional<std::uint64_t> ParseDigits(const std::string& digits, int base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        int d = HexDigit(c);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

// An optional sign and decimal digits within the 32-bit range.
std::optional<int> ParseDecimal(const std::string& text)
{
    const bool signed_ = !text.empty() && (text[0] == '-' || text[0] == '+');
    const bool negative = signed_ && text[0] == '-';
    auto digits =
        ParseDigits(text.substr(signed_ ? 1 : 0), 10, negative ? 2147483648u : 2147483647u);
    if (!digits)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*digits);
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

EIniFileException::EIniFileException(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName)
{
}

std::optional<int> ParseProfileInteger(const std::string& text)
{
    // Hexadecimal only where the text starts with its prefix: "-$10" and "+0x10" are no numbers.
    // Hexadecimal texts cover all 32 bits, so "$FFFFFFFF" reads as -1.
    std::optional<std::uint64_t> hex;
    if (!text.empty() && text[0] == '$')
        hex = ParseDigits(text.substr(1), 16, 0xFFFFFFFFu);
    else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        hex = ParseDigits(text.substr(2), 16, 0xFFFFFFFFu);
    else
        return ParseDecimal(text);
    if (!hex)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*hex));
}

int ReadProfileInteger(IProfile& profile, const std::string& section, const std::string& key,
                       int defaultValue)
{
    return ParseProfileInteger(profile.ReadString(section, key, "")).value_or(defaultValue);
}

bool ReadProfileBool(IProfile& profile, const std::string& section, const std::string& key,
                     bool defaultValue)
{
    return ReadProfileInteger(profile, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteProfileString(IProfile& profile, const std::string& section, const std::string& key,
                        const std::string& value)
{
    if (!profile.WriteString(section, key, value))
        throw EIniFileException(profile.FileName());
}

void WriteProfileInteger(IProfile& profile, const std::string& section, const std::string& key,
                         int value)
{
    WriteProfileString(profile, section, key, std::to_string(value));
}

void WriteProfileBool(IProfile& profile, const std::string& section, const std::string& key,
                      bool value)
{
    WriteProfileString(profile, section, key, value ? "1" : "0");
}

}  // namespace sw
