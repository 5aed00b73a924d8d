// The keyboard's symbols as the toolkit's keys: the keys the program reacts to must arrive
// whatever the case, the keypad or the lock states, and the hotkey must grab the key it names.
#include <gtest/gtest.h>

#include "ui/x11/x11_keys.h"

#include <X11/keysym.h>

TEST(X11Keys, SymbolsBecomeTheToolkitsKeys)
{
    const struct {
        KeySym symbol;
        TKey key;
    } rows[] = {
        {XK_r, TKey{'R'}},
        {XK_R, TKey{'R'}},
        {XK_z, TKey{'Z'}},
        {XK_1, TKey{'1'}},
        {XK_KP_5, TKey{'5'}},
        {XK_F1, TKey::F1},
        {XK_F5, TKey::F5},
        {XK_F12, TKey::F12},
        {XK_Return, TKey::Return},
        {XK_KP_Enter, TKey::Return},
        {XK_ISO_Left_Tab, TKey::Tab},
        {XK_KP_Down, TKey::Down},
        {XK_Prior, TKey::PageUp},
        {XK_Escape, TKey::Escape},
        {XK_space, TKey::Space},
        {XK_F13, TKey::None},
        {XK_Num_Lock, TKey::None},
        {XK_adiaeresis, TKey::None},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeyOfKeySym(row.symbol), row.key) << "symbol 0x" << std::hex << row.symbol;
}

TEST(X11Keys, TheHotkeyGrabsTheSymbolItsKeyComesBackAs)
{
    EXPECT_EQ(KeySymOf(TKey{'D'}), static_cast<KeySym>(XK_d));
    for (TKey key : {TKey{'D'}, TKey{'0'}, TKey::F5, TKey::Return, TKey::Down, TKey::Space})
        EXPECT_EQ(KeyOfKeySym(KeySymOf(key)), key) << static_cast<int>(key);
    EXPECT_EQ(KeySymOf(TKey::None), static_cast<KeySym>(NoSymbol));
}

TEST(X11Keys, ModifierAndButtonMasksBecomeTheShiftState)
{
    EXPECT_EQ(ShiftOfMask(ShiftMask | ControlMask | Mod1Mask), ssShift | ssCtrl | ssAlt);
    EXPECT_EQ(ShiftOfMask(Button1Mask | Button2Mask | Button3Mask), ssLeft | ssMiddle | ssRight);
    EXPECT_EQ(ShiftOfMask(Button2Mask), ssMiddle) << "X's second button is the middle one";
    EXPECT_EQ(ShiftOfMask(LockMask | Mod2Mask), 0) << "CapsLock and NumLock are no shift";
}
