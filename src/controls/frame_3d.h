// The 3-D frame ring the gauge controls draw their bevels and sunken edges from.
#pragma once

#include "gfx/canvas.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

// Frames `rect` with `width` rings: top and left in `topColor`, bottom and right (with the
// top-right and bottom-left corners) in `bottomColor`; `rect` is left shrunk by `width`.
void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
