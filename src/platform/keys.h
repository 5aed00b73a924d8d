// The toolkit's keys and shift states, in its own numbering, kept below the toolkit because the
// platform's services (a system-wide hotkey) name keys in them too. A backend translates its
// platform's numbers into these.
#pragma once

#include <cstdint>

// Bit set of keyboard modifiers and held mouse buttons.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 0x01;
constexpr TShiftState ssAlt = 0x02;
constexpr TShiftState ssCtrl = 0x04;
constexpr TShiftState ssLeft = 0x08;
constexpr TShiftState ssRight = 0x10;
constexpr TShiftState ssMiddle = 0x20;
constexpr TShiftState ssDouble = 0x40;

// Keys: a printable key is its upper-case character ('A', '7', ' '), the others are numbered
// from 0x100 on.
enum class TKey : std::uint16_t {
    None = 0,
    Space = ' ',
    Back = 0x100,
    Tab,
    Return,
    Shift,
    Control,
    Alt,
    Escape,
    PageUp,
    PageDown,
    End,
    Home,
    Left,
    Up,
    Right,
    Down,
    Delete,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};
