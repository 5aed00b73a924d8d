// The program's icon as a picture: the window's frame and body colours around three gauge bars in
// the drive kinds' colours. The window, the taskbar button and the tray show it.
#pragma once

#include "gfx/bitmap.h"

// `size` × `size` (32 by design; 16 to 32 in the tray as the scale asks), fully opaque.
TBitmap SpacewellIconPicture(int size = 32);
// The same with a red disc and a white exclamation mark in its lower right quarter: the tray
// shows it while a drive is nearly full.
TBitmap SpacewellWarningIconPicture(int size = 32);
