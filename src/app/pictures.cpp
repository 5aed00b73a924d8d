#include "app/pictures.h"

#include "app/palette.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

namespace {

TBitmap Filled(int width, int height, TColor background)
{
    TBitmap image(width, height);
    image.Canvas().Brush = TBrush{background, TBrushStyle::bsSolid};
    image.Canvas().FillRect({0, 0, width, height});
    return image;
}

void Fill(TBitmap& image, TRect r, TColor color)
{
    image.Canvas().Brush = TBrush{color, TBrushStyle::bsSolid};
    image.Canvas().FillRect(r);
}

}  // namespace

TBitmap ExitMenuPicture()
{
    TBitmap image = Filled(16, 16, clFuchsia);
    // Two strokes, each three pixels wide, from corner to corner.
    for (int i = 2; i < 14; ++i)
        for (int d = -1; d <= 1; ++d) {
            if (i + d < 2 || i + d > 13)
                continue;
            image.SetPixel(i + d, i, 0x0000C0);
            image.SetPixel(15 - i - d, i, 0x0000C0);
        }
    return image;
}

TBitmap ShowMenuPicture()
{
    TBitmap image = Filled(16, 16, clFuchsia);
    Fill(image, {1, 2, 15, 14}, palette::kDarkBlue);
    Fill(image, {2, 6, 14, 13}, palette::kPaleBlue);
    Fill(image, {3, 8, 12, 10}, clGreen);
    return image;
}

TBitmap MemoryGlyphPicture()
{
    TBitmap image = Filled(9, 11, clWhite);
    Fill(image, {2, 0, 7, 11}, palette::kDarkBlue);
    for (int y = 1; y < 11; y += 2) {
        image.SetPixel(0, y, palette::kDarkBlue);
        image.SetPixel(1, y, palette::kDarkBlue);
        image.SetPixel(7, y, palette::kDarkBlue);
        image.SetPixel(8, y, palette::kDarkBlue);
    }
    Fill(image, {3, 1, 6, 3}, palette::kPaleBlue);
    return image;
}
