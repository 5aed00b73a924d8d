// The window alpha (0 invisible, 255 opaque) for a transparency in percent, shared by both
// windows so they always agree.
#pragma once

#include <cstdint>

// 255 minus the faded share, kept to its low byte as the platform's alpha is one byte; any
// percentage read from a settings file gives some alpha rather than overflowing.
std::uint8_t AlphaForTransparency(int percent);
