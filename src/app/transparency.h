// The window alpha (0 invisible, 255 opaque) for a transparency in percent, shared by both
// windows so they always agree.
#pragma once

#include <cstdint>

// The transparency of a first start, in percent.
inline constexpr int kDefaultTransparency = 30;
// The most a settings file may ask for: beyond it the window all but vanishes.
inline constexpr int kMostTransparency = 90;

// 255 minus the faded share, kept to its low byte as the platform's alpha is one byte; any
// percentage read from a settings file gives some alpha rather than overflowing.
std::uint8_t AlphaForTransparency(int percent);

// A transparency read from the settings file: 0..kMostTransparency as it is, anything else (a
// window nobody could see, or a negative value that wraps to some alpha) the default.
int TransparencyOrDefault(int percent);
