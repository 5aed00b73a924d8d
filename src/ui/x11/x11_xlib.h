// Xlib's headers for this folder. X's `None` (a macro for 0) would rewrite the toolkit's own
// enumerators of that name (TKey::None and the like), so it is taken back here and this
// folder says kNone instead; include this after the toolkit's headers.
#pragma once

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#undef None
inline constexpr unsigned long kNone = 0;
