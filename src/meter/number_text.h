// Number texts of captions and tooltips: integers in plain decimal, reals in general format
// with at most 15 significant digits, no trailing zeros, no separator when whole, and the
// locale's decimal separator.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

std::string IntText(std::int64_t value);
std::string RealText(double value, char decimalSeparator);

}  // namespace sw
