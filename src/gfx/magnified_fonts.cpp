// Whole-pixel glyph magnification over another font engine.
#include "gfx/magnified_fonts.h"

#include <exception>

#include "gfx/bitmap.h"

namespace {

constexpr int kDesignDpi = 96;

// `value` / `factor`, halves away from zero (the platform's MulDiv rounding).
int DivideRounded(int value, int factor)
{
    const int magnitude = ((value < 0 ? -value : value) + factor / 2) / factor;
    return value < 0 ? -magnitude : magnitude;
}

}  // namespace

int GlyphMagnification(const TFontSpec& font)
{
    const int factor = font.pixelsPerInch / kDesignDpi;
    return factor > 1 ? factor : 1;
}

TFontSpec UnmagnifiedFont(TFontSpec font, int factor)
{
    font.height = DivideRounded(font.height, factor);
    font.pixelsPerInch = DivideRounded(font.pixelsPerInch, factor);
    return font;
}

MagnifiedFontEngine::MagnifiedFontEngine(std::unique_ptr<FontEngine> plain,
                                         std::unique_ptr<FontEngine> source)
    : FPlain(std::move(plain)), FSource(std::move(source)), FMagnifyPlain(FSource == nullptr)
{
}

MagnifiedFontEngine::Route MagnifiedFontEngine::RouteFor(const TFontSpec& font)
{
    const int factor = GlyphMagnification(font);
    if (factor == 1 || (!FSource && !FMagnifyPlain))
        return {FPlain.get(), font, 1};
    return {FSource ? FSource.get() : FPlain.get(), UnmagnifiedFont(font, factor), factor};
}

template <class Work> auto MagnifiedFontEngine::Run(const TFontSpec& font, Work work)
{
    const Route route = RouteFor(font);
    if (route.engine == FPlain.get())
        return work(route);
    try {
        return work(route);
    } catch (const std::exception&) {
        // A system without the bitmap-font files: the platform's own face, at the full size.
        FSource.reset();
        return work(Route{FPlain.get(), font, 1});
    }
}

TTextMetrics MagnifiedFontEngine::Metrics(const TFontSpec& font)
{
    return Run(font, [](const Route& r) {
        TTextMetrics tm = r.engine->Metrics(r.font);
        for (int* figure : {&tm.height, &tm.ascent, &tm.descent, &tm.internalLeading,
                            &tm.externalLeading, &tm.aveCharWidth, &tm.maxCharWidth, &tm.overhang})
            *figure *= r.factor;
        return tm;
    });
}

TSize MagnifiedFontEngine::TextExtent(const TFontSpec& font, std::string_view text)
{
    return Run(font, [text](const Route& r) {
        const TSize size = r.engine->TextExtent(r.font, text);
        return TSize{size.cx * r.factor, size.cy * r.factor};
    });
}

void MagnifiedFontEngine::DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                                   std::string_view text, TColor color)
{
    Run(font, [&](const Route& r) {
        if (r.factor == 1) {
            r.engine->DrawText(target, clip, x, y, r.font, text, color);
            return;
        }
        // The text at its own size, white on black, then each white pixel as a block.
        const TSize size = r.engine->TextExtent(r.font, text);
        TBitmap glyphs(size.cx + r.engine->Metrics(r.font).maxCharWidth, size.cy);
        glyphs.Fill(glyphs.BoundsRect(), 0);
        r.engine->DrawText(glyphs, glyphs.BoundsRect(), 0, 0, r.font, text, clWhite);
        clip = clip.Intersect(target.BoundsRect());
        for (int row = 0; row < glyphs.Height(); ++row)
            for (int col = 0; col < glyphs.Width(); ++col) {
                if (glyphs.Pixel(col, row) != clWhite)
                    continue;
                const TRect block{x + col * r.factor, y + row * r.factor, x + (col + 1) * r.factor,
                                  y + (row + 1) * r.factor};
                target.Fill(block.Intersect(clip), color);
            }
    });
}
