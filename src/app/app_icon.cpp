#include "app/app_icon.h"

#include "app/palette.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "ui/scaling.h"

namespace {

// The design's size; smaller pictures are drawn on their own pixel grid, not shrunk from it.
constexpr int kDesignSize = 32;
constexpr TColor kRing = 0xFAE5CF;
constexpr TColor kWarningRed = 0x0000E0;

// `from` at step 0 to `to` at step `steps`, channel by channel.
TColor Mix(TColor from, TColor to, int step, int steps)
{
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((from >> shift) & 0xFF);
        const int b = static_cast<int>((to >> shift) & 0xFF);
        result |= static_cast<TColor>(a + (b - a) * step / steps) << shift;
    }
    return result;
}

// A bar of six design rows from design x 3 to 28 at `size` pixels, ramped down its rows or
// along its columns.
void Bar(TBitmap& image, int size, int top, TColor from, TColor to, bool alongRows)
{
    const auto at = [size](int design) { return MulDivRound(design, size, kDesignSize); };
    const int left = at(3);
    const int width = at(29) - left;
    const int height = at(top + 6) - at(top);
    top = at(top);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(left + x, top + y,
                           alongRows ? Mix(from, to, y, height - 1) : Mix(from, to, x, width - 1));
}

}  // namespace

TBitmap SpacewellIconPicture(int size)
{
    TBitmap image(size, size);
    TCanvas& canvas = image.Canvas();
    canvas.Brush = TBrush{palette::kDarkBlue, TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, size, size});
    canvas.Brush = TBrush{kRing, TBrushStyle::bsSolid};
    canvas.FillRect({1, 1, size - 1, size - 1});
    canvas.Brush = TBrush{palette::kPaleBlue, TBrushStyle::bsSolid};
    canvas.FillRect({2, 2, size - 2, size - 2});
    Bar(image, size, 5, 0x008000, 0x00C000, true);
    Bar(image, size, 13, 0x0000FF, 0x00FFFF, false);
    Bar(image, size, 21, 0x800080, 0xFF00FF, false);
    return image;
}

TBitmap SpacewellWarningIconPicture(int size)
{
    TBitmap image = SpacewellIconPicture(size);
    // In 32-pixel design units: a disc of radius 7.5 around (23.5, 23.5), ringed in white so it
    // stands apart from the bars.
    const double unit = size / 32.0;
    const double centre = 23.5 * unit;
    const double disc = 7.5 * unit;
    const double ring = 8.5 * unit;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - centre;
            const double dy = y - centre;
            const double distance2 = dx * dx + dy * dy;
            if (distance2 <= disc * disc)
                image.SetPixel(x, y, kWarningRed);
            else if (distance2 <= ring * ring)
                image.SetPixel(x, y, clWhite);
        }
    const auto at = [size](int design) { return design * size / 32; };
    TCanvas& canvas = image.Canvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::bsSolid};
    canvas.FillRect({at(22), at(18), at(25), at(26)});
    canvas.FillRect({at(22), at(27), at(25), at(30)});
    return image;
}
