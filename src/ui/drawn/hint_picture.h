// The hint: its text in a small box of the hint colour with a one-pixel frame, as the
// platform's tooltip-style hint window shows it.
#pragma once

#include <string>

#include "gfx/bitmap.h"
#include "gfx/font.h"

TBitmap HintPicture(const std::string& text, TColor color, const TFontSpec& font);
