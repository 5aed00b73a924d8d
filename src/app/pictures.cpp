#include "app/pictures.h"

#include <cstdlib>

#include "app/palette.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "ui/scaling.h"

namespace {

// The pictures are drawn at the screen's scale, not stretched from their 96-dpi design, so
// that every edge stays sharp: each design rectangle lands on whole scaled pixels.
class ScaledPicture {
public:
    ScaledPicture(int width, int height, TColor background, int pixelsPerInch)
        : FDpi(pixelsPerInch), FImage(Scaled(width), Scaled(height))
    {
        Fill({0, 0, width, height}, background);
    }

    int Scaled(int design) const { return MulDivRound(design, FDpi, kDesignDpi); }

    // `r` in design pixels.
    void Fill(TRect r, TColor color)
    {
        FImage.Canvas().Brush = TBrush{color, TBrushStyle::bsSolid};
        FImage.Canvas().FillRect(
            {Scaled(r.left), Scaled(r.top), Scaled(r.right), Scaled(r.bottom)});
    }

    // The design pixel row or column that the scaled one's centre falls in.
    int Design(int pixel) const { return (2 * pixel + 1) * kDesignDpi / (2 * FDpi); }

    TBitmap& Image() { return FImage; }

private:
    int FDpi;
    TBitmap FImage;
};

}  // namespace

TBitmap ExitMenuPicture(int pixelsPerInch)
{
    ScaledPicture picture(16, 16, clFuchsia, pixelsPerInch);
    TBitmap& image = picture.Image();
    // Two strokes, each three pixels wide, from corner to corner within 2..13.
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const int u = picture.Design(x);
            const int v = picture.Design(y);
            if (u < 2 || u > 13 || v < 2 || v > 13)
                continue;
            if (std::abs(u - v) <= 1 || std::abs(15 - u - v) <= 1)
                image.SetPixel(x, y, 0x0000C0);
        }
    return image;
}

TBitmap ShowMenuPicture(int pixelsPerInch)
{
    ScaledPicture picture(16, 16, clFuchsia, pixelsPerInch);
    picture.Fill({1, 2, 15, 14}, palette::kDarkBlue);
    picture.Fill({2, 6, 14, 13}, palette::kPaleBlue);
    picture.Fill({3, 8, 12, 10}, clGreen);
    return picture.Image();
}

TBitmap MemoryGlyphPicture(int pixelsPerInch)
{
    ScaledPicture picture(9, 11, clWhite, pixelsPerInch);
    picture.Fill({2, 0, 7, 11}, palette::kDarkBlue);
    // The chip's legs, on every other row on both sides.
    for (int y = 1; y < 11; y += 2) {
        picture.Fill({0, y, 2, y + 1}, palette::kDarkBlue);
        picture.Fill({7, y, 9, y + 1}, palette::kDarkBlue);
    }
    picture.Fill({3, 1, 6, 3}, palette::kPaleBlue);
    return picture.Image();
}
