// Percentages in the extended precision the family's arithmetic has always used.
#include "controls/percent.h"

#include <cmath>
#include <limits>

#include "ui/errors.h"

int CheckedInt(long double value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EIntOverflow();
    return static_cast<int>(value);
}

int PercentOf(int percent, int whole)
{
    // 0.01L is a little below 0.01, so exact percentages of round numbers can come out one low.
    constexpr long double onePercent = 0.01L;
    const long double share = percent * onePercent;
    const long double result = std::trunc(whole * share);
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        throw ERangeError();
    return static_cast<int>(result);
}

int PercentOfValue(int value, int whole)
{
    if (whole == 0)
        return 0;
    return CheckedInt(std::trunc(value * 100.0L / whole));
}
