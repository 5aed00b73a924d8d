// The toolkit's arithmetic errors, raised where a value leaves the range it must stay in.
#pragma once

#include <stdexcept>

struct ERangeError : std::range_error {
    ERangeError() : std::range_error("Range check error") { }
};

struct EIntOverflow : std::overflow_error {
    EIntOverflow() : std::overflow_error("Arithmetic overflow") { }
};
