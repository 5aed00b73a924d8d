// The keyboard's symbols as the toolkit's keys, and back for the hotkey grab. Pure tables, so
// they are checked without a display.
#pragma once

#include "platform/keys.h"
#include "ui/x11/x11_xlib.h"

// The toolkit's key for a key symbol (either case of a letter, the keypad's digits and arrows
// as the main ones); TKey::None for symbols it has no name for.
TKey KeyOfKeySym(KeySym symbol);
// The symbol a hotkey grabs for `key`; NoSymbol for TKey::None and unknown keys.
KeySym KeySymOf(TKey key);
// The toolkit's shift state from an X event's modifier and button mask.
TShiftState ShiftOfMask(unsigned mask);
