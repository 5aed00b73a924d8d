// Letters, digits and the named keys; the keypad doubles the main keys it stands for, as a
// user of the keypad expects R, 1 to 5 and the arrows to work there too.
#include "ui/x11/x11_keys.h"

#include <X11/keysym.h>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<KeySym, TKey>, 36> kNamed{{
    {XK_space, TKey::Space},       {XK_BackSpace, TKey::Back},
    {XK_Tab, TKey::Tab},           {XK_ISO_Left_Tab, TKey::Tab},
    {XK_Return, TKey::Return},     {XK_KP_Enter, TKey::Return},
    {XK_Shift_L, TKey::Shift},     {XK_Shift_R, TKey::Shift},
    {XK_Control_L, TKey::Control}, {XK_Control_R, TKey::Control},
    {XK_Alt_L, TKey::Alt},         {XK_Alt_R, TKey::Alt},
    {XK_Escape, TKey::Escape},     {XK_Prior, TKey::PageUp},
    {XK_KP_Prior, TKey::PageUp},   {XK_Next, TKey::PageDown},
    {XK_KP_Next, TKey::PageDown},  {XK_End, TKey::End},
    {XK_KP_End, TKey::End},        {XK_Home, TKey::Home},
    {XK_KP_Home, TKey::Home},      {XK_Left, TKey::Left},
    {XK_KP_Left, TKey::Left},      {XK_Up, TKey::Up},
    {XK_KP_Up, TKey::Up},          {XK_Right, TKey::Right},
    {XK_KP_Right, TKey::Right},    {XK_Down, TKey::Down},
    {XK_KP_Down, TKey::Down},      {XK_Delete, TKey::Delete},
    {XK_KP_Delete, TKey::Delete},  {XK_KP_Space, TKey::Space},
    {XK_KP_Tab, TKey::Tab},        {XK_ISO_Level3_Shift, TKey::Alt},
    {XK_Meta_L, TKey::Alt},        {XK_Meta_R, TKey::Alt},
}};

constexpr int kFunctionKeys = 12;

}  // namespace

TKey KeyOfKeySym(KeySym symbol)
{
    if (symbol >= XK_a && symbol <= XK_z)
        return static_cast<TKey>('A' + (symbol - XK_a));
    if (symbol >= XK_A && symbol <= XK_Z)
        return static_cast<TKey>('A' + (symbol - XK_A));
    if (symbol >= XK_0 && symbol <= XK_9)
        return static_cast<TKey>('0' + (symbol - XK_0));
    if (symbol >= XK_KP_0 && symbol <= XK_KP_9)
        return static_cast<TKey>('0' + (symbol - XK_KP_0));
    if (symbol >= XK_F1 && symbol < XK_F1 + kFunctionKeys)
        return static_cast<TKey>(static_cast<int>(TKey::F1) + (symbol - XK_F1));
    for (const auto& [named, key] : kNamed)
        if (named == symbol)
            return key;
    return TKey::None;
}

KeySym KeySymOf(TKey key)
{
    const int code = static_cast<int>(key);
    if (code >= 'A' && code <= 'Z')
        return XK_a + (code - 'A');
    if (code >= '0' && code <= '9')
        return XK_0 + (code - '0');
    if (key >= TKey::F1 && key <= TKey::F12)
        return XK_F1 + (code - static_cast<int>(TKey::F1));
    if (key == TKey::None)
        return NoSymbol;
    for (const auto& [named, namedKey] : kNamed)
        if (namedKey == key)
            return named;
    return NoSymbol;
}

TShiftState ShiftOfMask(unsigned mask)
{
    TShiftState shift = 0;
    if ((mask & ShiftMask) != 0)
        shift |= ssShift;
    if ((mask & ControlMask) != 0)
        shift |= ssCtrl;
    if ((mask & Mod1Mask) != 0)
        shift |= ssAlt;
    if ((mask & Button1Mask) != 0)
        shift |= ssLeft;
    if ((mask & Button2Mask) != 0)
        shift |= ssMiddle;
    if ((mask & Button3Mask) != 0)
        shift |= ssRight;
    return shift;
}
