#include "app/app_icon.h"

#include "app/palette.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

namespace {

constexpr int kSize = 32;
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

// A bar of six rows from x 3 to 28, ramped down its rows or along its columns.
void Bar(TBitmap& image, int top, TColor from, TColor to, bool alongRows)
{
    constexpr int left = 3;
    constexpr int width = 26;
    constexpr int height = 6;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(left + x, top + y,
                           alongRows ? Mix(from, to, y, height - 1) : Mix(from, to, x, width - 1));
}

}  // namespace

TBitmap SpacewellIconPicture()
{
    TBitmap image(kSize, kSize);
    TCanvas& canvas = image.Canvas();
    canvas.Brush = TBrush{palette::kDarkBlue, TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, kSize, kSize});
    canvas.Brush = TBrush{kRing, TBrushStyle::bsSolid};
    canvas.FillRect({1, 1, kSize - 1, kSize - 1});
    canvas.Brush = TBrush{palette::kPaleBlue, TBrushStyle::bsSolid};
    canvas.FillRect({2, 2, kSize - 2, kSize - 2});
    Bar(image, 5, 0x008000, 0x00C000, true);
    Bar(image, 13, 0x0000FF, 0x00FFFF, false);
    Bar(image, 21, 0x800080, 0xFF00FF, false);
    return image;
}

TBitmap SpacewellWarningIconPicture()
{
    TBitmap image = SpacewellIconPicture();
    // A disc of radius 7.5 around (23.5, 23.5), ringed in white so it stands apart from the bars.
    for (int y = 15; y < kSize; ++y)
        for (int x = 15; x < kSize; ++x) {
            const double dx = x - 23.5;
            const double dy = y - 23.5;
            const double distance2 = dx * dx + dy * dy;
            if (distance2 <= 7.5 * 7.5)
                image.SetPixel(x, y, kWarningRed);
            else if (distance2 <= 8.5 * 8.5)
                image.SetPixel(x, y, clWhite);
        }
    TCanvas& canvas = image.Canvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::bsSolid};
    canvas.FillRect({22, 18, 25, 26});
    canvas.FillRect({22, 27, 25, 30});
    return image;
}
