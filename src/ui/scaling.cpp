#include "ui/scaling.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

int MulDivRound(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const std::int64_t result = negative ? -magnitude : magnitude;
    return result > INT_MAX || result < INT_MIN ? -1 : static_cast<int>(result);
}
