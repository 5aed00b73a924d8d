// The control gallery: every owner-drawn control of the program in its states on one page,
// posed on headless forms, for a person to look at.
#pragma once

#include "gfx/bitmap.h"

// Needs the headless backend installed (UseHeadlessBackend).
TBitmap BuildGallery();
