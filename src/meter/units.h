// Rounding and the megabyte-to-gigabyte conversion every displayed figure goes through.
// Rounding is to the nearest integer with an exact half going to the even neighbour.
#pragma once

namespace sw {

// R(x): 2.5 -> 2, 3.5 -> 4.
double Round(double value);
// Round(value * 1000) / 1000.
double Round3(double value);
// Round3(value / 1024).
double MBToGB(double value);

}  // namespace sw
