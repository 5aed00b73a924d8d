// Puts the toolkit's bitmaps on X windows: forms, menus, the message box and the hint all reach
// the screen through here, so each window shows exactly the pixels the headless backend would.
#pragma once

#include <X11/Xlib.h>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

// Copies `dirty` (bitmap coordinates, clipped to the bitmap) of `image` to the same place in
// `target` with one XPutImage. The default visual must be TrueColor of depth 24 or 32; false
// when it is not or the rectangle is empty.
bool PutBitmap(Display* display, Drawable target, GC gc, const TBitmap& image, TRect dirty);
