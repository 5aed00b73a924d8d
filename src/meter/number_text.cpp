// Fifteen significant digits in the general format, as printf's %.15G writes them (trailing
// zeros and a bare point dropped), but through to_chars: the memory window formats its figures
// twice a second, and printf's floating-point path was most of that. Only the separator is
// swapped.
#include "meter/number_text.h"

#include <cctype>
#include <charconv>

namespace sw {

std::string IntText(std::int64_t value) { return std::to_string(value); }

std::string RealText(double value, char decimalSeparator)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0 : value,
                                      std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char& c : text)
        c = c == '.' ? decimalSeparator
                     : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace sw
