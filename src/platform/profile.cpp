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

}  // namespace

EIniFileException::EIniFileException(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName)
{
}

std::optional<int> ParseProfileInteger(const std::string& text)
{
    std::string rest = text;
    bool negative = false;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        negative = rest[0] == '-';
        rest.erase(0, 1);
    }
    // Hexadecimal texts cover all 32 bits, so "$FFFFFFFF" reads as -1.
    std::optional<std::uint64_t> hex;
    if (!rest.empty() && rest[0] == '$') {
        hex = ParseDigits(rest.substr(1), 16, 0xFFFFFFFFu);
    } else if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = ParseDigits(rest.substr(2), 16, 0xFFFFFFFFu);
    } else {
        auto dec = ParseDigits(rest, 10, negative ? 2147483648u : 2147483647u);
        if (!dec)
            return std::nullopt;
        std::int64_t v = static_cast<std::int64_t>(*dec);
        return static_cast<int>(negative ? -v : v);
    }
    if (!hex)
        return std::nullopt;
    auto v = static_cast<std::int32_t>(static_cast<std::uint32_t>(*hex));
    return negative ? static_cast<int>(0u - static_cast<std::uint32_t>(v)) : v;
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
