// System-colour resolution: a replaceable lookup, by default the classic Windows scheme.
#include "gfx/color.h"

#include <utility>

namespace {

// The "Windows Standard" scheme, indexed by COLOR_* value.
constexpr TSystemColorTable ClassicColors = {
    0xC0C0C0,  // COLOR_SCROLLBAR
    0x808000,  // COLOR_BACKGROUND
    0x800000,  // COLOR_ACTIVECAPTION
    0x808080,  // COLOR_INACTIVECAPTION
    0xC0C0C0,  // COLOR_MENU
    0xFFFFFF,  // COLOR_WINDOW
    0x000000,  // COLOR_WINDOWFRAME
    0x000000,  // COLOR_MENUTEXT
    0x000000,  // COLOR_WINDOWTEXT
    0xFFFFFF,  // COLOR_CAPTIONTEXT
    0xC0C0C0,  // COLOR_ACTIVEBORDER
    0xC0C0C0,  // COLOR_INACTIVEBORDER
    0x808080,  // COLOR_APPWORKSPACE
    0x800000,  // COLOR_HIGHLIGHT
    0xFFFFFF,  // COLOR_HIGHLIGHTTEXT
    0xC0C0C0,  // COLOR_BTNFACE
    0x808080,  // COLOR_BTNSHADOW
    0x808080,  // COLOR_GRAYTEXT
    0x000000,  // COLOR_BTNTEXT
    0xC0C0C0,  // COLOR_INACTIVECAPTIONTEXT
    0xFFFFFF,  // COLOR_BTNHIGHLIGHT
    0x000000,  // COLOR_3DDKSHADOW
    0xC0C0C0,  // COLOR_3DLIGHT
    0x000000,  // COLOR_INFOTEXT
    0xE1FFFF,  // COLOR_INFOBK
    0x000000,  // (unused)
    0x800000,  // COLOR_HOTLIGHT
    0xD08410,  // COLOR_GRADIENTACTIVECAPTION
    0xB5B5B5,  // COLOR_GRADIENTINACTIVECAPTION
    0x800000,  // COLOR_MENUHILIGHT
    0xC0C0C0,  // COLOR_MENUBAR
    0x000000,  // (unused)
};

std::function<TColor(int)>& Lookup()
{
    static std::function<TColor(int)> lookup;
    return lookup;
}

}  // namespace

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color & 0xFFFFFF;
    const int index = static_cast<int>(color & 0xFF);
    if (const auto& lookup = Lookup())
        return lookup(index) & 0xFFFFFF;
    return index < SystemColorCount ? ClassicColors[index] : clBlack;
}

void SetSystemColorTable(std::function<TColor(int index)> lookup) { Lookup() = std::move(lookup); }

void SetSystemColorTable(const TSystemColorTable& table)
{
    Lookup() = [table](int index) { return index < SystemColorCount ? table[index] : clBlack; };
}

const TSystemColorTable& DefaultSystemColors() { return ClassicColors; }
