// The screen composed into a bitmap: shown windows bottom to top, blended when asked.
#include "ui/headless/headless_backend.h"

#include "gfx/canvas.h"

namespace {

TColor Blend(TColor over, TColor under, int alpha)
{
    auto mix = [&](int a, int b) { return (a * alpha + b * (255 - alpha)) / 255; };
    return RGB(mix(GetRValue(over), GetRValue(under)), mix(GetGValue(over), GetGValue(under)),
               mix(GetBValue(over), GetBValue(under)));
}

}  // namespace

TBitmap HeadlessBackend::Screenshot(TColor background, bool blend) const
{
    TBitmap shot(FScreenSize.cx, FScreenSize.cy);
    TCanvas& canvas = shot.Canvas();
    canvas.Brush = TBrush{background, TBrushStyle::bsSolid};
    canvas.FillRect(shot.BoundsRect());
    for (WindowId id : ZOrder()) {
        const THeadlessWindow& w = *Window(id);
        if (!IsShown(id))
            continue;
        int alpha = blend && w.params.layered ? w.params.alpha : 255;
        for (int y = 0; y < w.image.Height(); ++y)
            for (int x = 0; x < w.image.Width(); ++x) {
                int sx = w.params.bounds.left + x;
                int sy = w.params.bounds.top + y;
                TColor under = shot.Pixel(sx, sy);
                if (under != clNone)
                    shot.SetPixel(sx, sy, Blend(w.image.Pixel(x, y), under, alpha));
            }
    }
    return shot;
}
