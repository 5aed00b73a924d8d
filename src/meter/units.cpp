// nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
#include "meter/units.h"

#include <cmath>

namespace sw {

double Round(double value) { return std::nearbyint(value); }

double Round3(double value) { return Round(value * 1000) / 1000; }

double MBToGB(double value) { return Round3(value / 1024); }

}  // namespace sw
