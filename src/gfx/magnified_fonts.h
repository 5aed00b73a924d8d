// Text at the large display scales. The bitmap faces stop at 20 pixels, so from 200 % on a font
// is drawn from the face its scale's whole factor asks for, each glyph pixel a block of whole
// pixels (2 × 2 at 200 %): the text is as tall as the scale asks, crisp, and keeps its 100 %
// look. Both the headless and the Win32 program draw through this, so they agree.
#pragma once

#include <memory>

#include "gfx/font.h"

// The whole factor the font's scale holds: 1 below 200 %, where the faces of the large-font file
// serve (at 175 % a doubled face would be taller than asked and crowd the layout).
int GlyphMagnification(const TFontSpec& font);
// The font that the magnified glyphs come from: height and scale divided by `factor`.
TFontSpec UnmagnifiedFont(TFontSpec font, int factor);

class MagnifiedFontEngine : public FontEngine {
public:
    // `plain` measures and draws below 200 %; `source` gives the glyphs that are magnified (the
    // bitmap-font files), or `plain` itself when null. Where a separate source cannot read its
    // files, `plain` draws at the full size instead.
    explicit MagnifiedFontEngine(std::unique_ptr<FontEngine> plain,
                                 std::unique_ptr<FontEngine> source = nullptr);

    TTextMetrics Metrics(const TFontSpec& font) override;
    TSize TextExtent(const TFontSpec& font, std::string_view text) override;
    void DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                  std::string_view text, TColor color) override;

private:
    // The engine and font that serve `font`, and the factor its glyphs are magnified by.
    struct Route {
        FontEngine* engine;
        TFontSpec font;
        int factor;
    };
    Route RouteFor(const TFontSpec& font);
    template <class Work> auto Run(const TFontSpec& font, Work work);

    std::unique_ptr<FontEngine> FPlain;
    std::unique_ptr<FontEngine> FSource;
    // No separate source was given: `plain` draws the magnified glyphs too.
    bool FMagnifyPlain;
};
