// The tick: 7 x 7 pixels, black on silver, written as rows so it can be read in the source.
#include "controls/check_box_resources.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> kCheckboxTickRows{
    "......X", ".....XX", "X...XXX", "XX.XXX.", "XXXXX..", ".XXX...", "..X....",
};

TBitmap CheckboxTick()
{
    TBitmap bitmap(7, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            bitmap.SetPixel(x, y, kCheckboxTickRows[y][x] == 'X' ? clBlack : clSilver);
    return bitmap;
}

}  // namespace

TBitmap LoadCheckBoxBitmap(std::string_view name)
{
    if (name == "CheckBoxTick")
        return CheckboxTick();
    return TBitmap();
}
