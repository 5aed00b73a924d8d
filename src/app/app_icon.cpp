#include "app/app_icon.h"

#include <algorithm>

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

// Laid out on the picture's own pixel grid so that the mark stays a "!" at 16 pixels: a disc
// of about a quarter of the picture, centred on a whole pixel, with its white ring inside the
// picture's edge; a one-pixel mark below 24 pixels (three above), a red row above and below it,
// and a gap of red between its stroke and its dot.
TBitmap SpacewellWarningIconPicture(int size)
{
    TBitmap image = SpacewellIconPicture(size);
    const double disc = 0.23 * size;
    const int ring = std::max(1, size / 16);
    const int reach = static_cast<int>(disc);
    const int centre = size - 1 - static_cast<int>(disc + ring);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int distance2 = (x - centre) * (x - centre) + (y - centre) * (y - centre);
            if (distance2 <= disc * disc)
                image.SetPixel(x, y, kWarningRed);
            else if (distance2 <= (disc + ring) * (disc + ring))
                image.SetPixel(x, y, clWhite);
        }
    const int width = size < 24 ? 1 : 3;
    const int gap = std::max(1, size / 16);
    const int top = centre - reach + 1;
    const int bottom = centre + reach;  // past the mark's last row
    const int left = centre - width / 2;
    TCanvas& canvas = image.Canvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::bsSolid};
    canvas.FillRect({left, top, left + width, bottom - width - gap});
    canvas.FillRect({left, bottom - width, left + width, bottom});
    return image;
}
