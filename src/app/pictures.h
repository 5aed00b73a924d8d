// The small pictures the main window carries besides its icon: the two menu pictures of its
// image list and the glyph of the memory window's button. Drawn in code in the window's own
// blues, so no image files ship with the program.
#pragma once

#include "gfx/bitmap.h"

// 16 × 16 on a clFuchsia background (the image list's see-through colour): a red cross.
TBitmap ExitMenuPicture();
// 16 × 16 on a clFuchsia background: a small window with a blue title band.
TBitmap ShowMenuPicture();
// 9 × 11 on a white background (the button sees through its top-left pixel): a memory chip.
TBitmap MemoryGlyphPicture();
