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

}  // namespace palette
