// The small pictures the main window carries besides its icon: the two menu pictures of its
// image list and the glyph of the memory window's button. Drawn in code in the window's own
// blues, so no image files ship with the program, and at the screen's scale (96 = 100 %), so
// they stay sharp on every display.
#pragma once

#include "gfx/bitmap.h"

// 16 × 16 design pixels on a clFuchsia background (the image list's see-through colour): a
// red cross.
TBitmap ExitMenuPicture(int pixelsPerInch);
// 16 × 16 on a clFuchsia background: a small window with a blue title band.
TBitmap ShowMenuPicture(int pixelsPerInch);
// 9 × 11 design pixels on a white background (the button sees through its top-left pixel): a
// memory chip.
TBitmap MemoryGlyphPicture(int pixelsPerInch);
