// The house colours (0x00BBGGRR) that both windows, their pictures and the program's icon share.
#pragma once

#include "gfx/color.h"

namespace palette {

// The title band, the frames' shadow, the headings' ground and the buttons' border.
inline constexpr TColor kDarkBlue = 0xB35900;
// The frames' highlight.
inline constexpr TColor kLightBlue = 0xFFA851;
// The windows' body and the letters on dark blue.
inline constexpr TColor kPaleBlue = 0xFFEEDD;
// A nearly full drive's bar: a ramp from a bright to a dark red, apart from every drive kind's
// (the network drives' runs from yellow to pure red).
inline constexpr TColor kWarningStart = 0x2020E0;
inline constexpr TColor kWarningEnd = 0x000080;

}  // namespace palette
