// %.15G already drops trailing zeros and a bare point; only the separator is swapped.
#include "meter/number_text.h"

#include <cstdio>

namespace sw {

std::string IntText(std::int64_t value) { return std::to_string(value); }

std::string RealText(double value, char decimalSeparator)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value == 0 ? 0.0 : value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = decimalSeparator;
    return text;
}

}  // namespace sw
