// Glyph magnification by whole pixels over another font engine.
#include "gfx/magnified_fonts.h"

#include <cstdint>
#include <exception>

#include "gfx/bitmap.h"

namespace {

constexpr int kDesignDpi = 96;
// The large-font file's faces are drawn for this scale at most.
constexpr int kLargestFaceDpi = 144;

// value × num / den, halves away from zero (the platform's MulDiv rounding, which the form's
// scaling follows too).
int MulDivHalfAway(int value, int num, int den)
{
    const std::int64_t product = std::int64_t{value} * num;
    const std::int64_t magnitude = ((product < 0 ? -product : product) + den / 2) / den;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

}  // namespace

bool MagnifiesGlyphs(const TFontSpec& font) { return font.pixelsPerInch > kLargestFaceDpi; }

TFontSpec DesignFont(TFontSpec font)
{
    font.height = MulDivHalfAway(font.height, kDesignDpi, font.pixelsPerInch);
    font.pixelsPerInch = kDesignDpi;
    return font;
}

int MagnifiedFontEngine::Route::Scaled(int value) const { return MulDivHalfAway(value, num, den); }

std::vector<int> MagnifiedFontEngine::Route::ColumnEdges(std::string_view text, int width) const
{
    std::vector<int> edges(static_cast<std::size_t>(width) + 1);
    int source = 0;
    int target = 0;
    int column = 0;
    const auto placeUpTo = [&](int end) {
        for (; column <= width && column < end; ++column)
            edges[static_cast<std::size_t>(column)] = target + Scaled(column - source);
    };
    for (const char& c : text) {
        const int advance = engine->TextExtent(font, std::string_view(&c, 1)).cx;
        placeUpTo(source + advance);
        source += advance;
        target += Scaled(advance);
    }
    placeUpTo(width + 1);
    return edges;
}

MagnifiedFontEngine::MagnifiedFontEngine(std::unique_ptr<FontEngine> plain,
                                         std::unique_ptr<FontEngine> source)
    : FPlain(std::move(plain)), FSource(std::move(source)), FMagnifyPlain(FSource == nullptr)
{
}

MagnifiedFontEngine::Route MagnifiedFontEngine::RouteFor(const TFontSpec& font)
{
    if (!MagnifiesGlyphs(font) || (!FSource && !FMagnifyPlain))
        return {FPlain.get(), font, 1, 1};
    return {FSource ? FSource.get() : FPlain.get(), DesignFont(font), font.pixelsPerInch,
            kDesignDpi};
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
        return work(Route{FPlain.get(), font, 1, 1});
    }
}

TTextMetrics MagnifiedFontEngine::Metrics(const TFontSpec& font)
{
    return Run(font, [](const Route& r) {
        TTextMetrics tm = r.engine->Metrics(r.font);
        for (int* figure : {&tm.height, &tm.ascent, &tm.internalLeading, &tm.externalLeading,
                            &tm.aveCharWidth, &tm.maxCharWidth, &tm.overhang})
            *figure = r.Scaled(*figure);
        // The rows below the baseline are what is left of the cell.
        tm.descent = tm.height - tm.ascent;
        return tm;
    });
}

TSize MagnifiedFontEngine::TextExtent(const TFontSpec& font, std::string_view text)
{
    return Run(font, [text](const Route& r) {
        const TSize size = r.engine->TextExtent(r.font, text);
        if (r.num == r.den)
            return size;
        int width = 0;
        for (const char& c : text)
            width += r.Scaled(r.engine->TextExtent(r.font, std::string_view(&c, 1)).cx);
        return TSize{width, r.Scaled(size.cy)};
    });
}

void MagnifiedFontEngine::DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                                   std::string_view text, TColor color)
{
    Run(font, [&](const Route& r) {
        if (r.num == r.den) {
            r.engine->DrawText(target, clip, x, y, r.font, text, color);
            return;
        }
        // The text at its own size, white on black, then each white pixel onto whole pixels.
        const TSize size = r.engine->TextExtent(r.font, text);
        TBitmap glyphs(size.cx + r.engine->Metrics(r.font).maxCharWidth, size.cy);
        glyphs.Fill(glyphs.BoundsRect(), 0);
        r.engine->DrawText(glyphs, glyphs.BoundsRect(), 0, 0, r.font, text, clWhite);
        const std::vector<int> columns = r.ColumnEdges(text, glyphs.Width());
        clip = clip.Intersect(target.BoundsRect());
        for (int row = 0; row < glyphs.Height(); ++row)
            for (int col = 0; col < glyphs.Width(); ++col) {
                if (glyphs.Pixel(col, row) != clWhite)
                    continue;
                const auto c = static_cast<std::size_t>(col);
                const TRect block{x + columns[c], y + r.Scaled(row), x + columns[c + 1],
                                  y + r.Scaled(row + 1)};
                target.Fill(block.Intersect(clip), color);
            }
    });
}
