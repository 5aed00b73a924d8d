#include "ui/drawn/popup_look.h"

#include <algorithm>
#include <cstring>

#include "ui/scaling.h"

int PopupScaled(int designPixels, int dpi) { return MulDivRound(designPixels, dpi, kDesignDpi); }

TFontSpec PopupFont(int dpi, bool bold)
{
    TFontSpec font;
    font.height = PopupScaled(-11, dpi);
    font.pixelsPerInch = dpi;
    font.bold = bold;
    return font;
}

void PaintEdge(TCanvas& canvas, const TRect& r, const TEdgeColors& colors)
{
    const auto ring = [&](const TRect& q, TColor lit, TColor shaded) {
        canvas.Brush.color = lit;
        canvas.FillRect({q.left, q.top, q.right - 1, q.top + 1});
        canvas.FillRect({q.left, q.top, q.left + 1, q.bottom - 1});
        canvas.Brush.color = shaded;
        canvas.FillRect({q.left, q.bottom - 1, q.right, q.bottom});
        canvas.FillRect({q.right - 1, q.top, q.right, q.bottom});
    };
    ring(r, colors.outerLit, colors.outerShaded);
    ring(TRect(r).Inflate(-1, -1), colors.innerLit, colors.innerShaded);
}

TSize GlyphSize(std::span<const char* const> rows, int dpi)
{
    const int width = rows.empty() ? 0 : static_cast<int>(std::strlen(rows[0]));
    return {PopupScaled(width, dpi), PopupScaled(static_cast<int>(rows.size()), dpi)};
}

void PaintGlyph(TCanvas& canvas, std::span<const char* const> rows, TPoint at, int dpi,
                TColor color)
{
    canvas.Brush.color = color;
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; rows[static_cast<std::size_t>(y)][x] != '\0'; ++x)
            if (rows[static_cast<std::size_t>(y)][x] == '#')
                canvas.FillRect({at.x + PopupScaled(x, dpi), at.y + PopupScaled(y, dpi),
                                 at.x + PopupScaled(x + 1, dpi), at.y + PopupScaled(y + 1, dpi)});
}

TPoint Centred(const TRect& r, TSize size)
{
    return {r.left + (r.Width() - size.cx) / 2, r.top + (r.Height() - size.cy) / 2};
}

void PaintPicture(TCanvas& canvas, const TBitmap& picture, const TRect& dest)
{
    if (picture.Empty() || dest.IsEmpty())
        return;
    const TColor transparent = ColorToRGB(picture.EffectiveTransparentColor());
    for (int y = 0; y < dest.Height(); ++y)
        for (int x = 0; x < dest.Width(); ++x) {
            const TColor pixel = picture.Pixel(x * picture.Width() / dest.Width(),
                                               y * picture.Height() / dest.Height());
            if (pixel != transparent)
                canvas.SetPixel(dest.left + x, dest.top + y, pixel);
        }
}

int IndexAt(const std::vector<TRect>& places, TPoint point)
{
    for (std::size_t i = 0; i < places.size(); ++i)
        if (places[i].Contains(point))
            return static_cast<int>(i);
    return -1;
}

TPoint KeepOnScreen(const TRect& bounds, TSize screen)
{
    const int x = std::max(0, std::min(bounds.left, screen.cx - bounds.Width()));
    const int y = std::max(0, std::min(bounds.top, screen.cy - bounds.Height()));
    return {x, y};
}
