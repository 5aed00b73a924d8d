// The pictures the XP controls carry inside the program, kept as pixel data so no resource
// file is needed: the check box's tick.
#pragma once

#include <string_view>

#include "gfx/bitmap.h"

// The bitmap resource of that name ("CheckBoxTick"); empty for an unknown name.
TBitmap LoadCheckBoxBitmap(std::string_view name);
