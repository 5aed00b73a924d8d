// Rounding to the nearest integer with an exact half going to the even neighbour (2.5 -> 2,
// 3.5 -> 4), the processor's default mode, which the gauge and bar geometry and the gradient
// colours follow. The argument is long double so a value computed in extended precision is
// rounded without first being cut to double.
#pragma once

#include <cmath>
#include <cstdint>

inline int RoundHalfEven(long double value) { return static_cast<int>(std::nearbyint(value)); }
inline std::int64_t RoundHalfEven64(long double value) { return std::llrint(value); }
