// A platform window, named by the value of its native handle (0 = none), so that nothing outside
// the Windows backend sees a window type.
#pragma once

#include <cstdint>

namespace sw {

using WindowId = std::uintptr_t;

}  // namespace sw
