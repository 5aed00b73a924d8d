// Text at the large display scales. The large-font file's faces are drawn for 125 and 150 %;
// beyond 150 % no face is drawn for the scale, so text is the 100 % glyphs magnified by the
// scale's ratio, each glyph pixel onto whole pixels (nearest neighbour: 1 or 2 pixels at 175 %,
// a 2 × 2 block at 200 %). Text is as tall as the scale asks, crisp, and keeps its 100 % look.
// Both the headless and the Win32 program draw through this, so they agree.
#pragma once

#include <memory>
#include <vector>

#include "gfx/font.h"

// Whether the font's scale is beyond the faces drawn for it (above 150 %).
bool MagnifiesGlyphs(const TFontSpec& font);
// The 100 % font that the magnified glyphs come from.
TFontSpec DesignFont(TFontSpec font);

class MagnifiedFontEngine : public FontEngine {
public:
    // `plain` measures and draws up to 150 %; `source` gives the glyphs that are magnified (the
    // bitmap-font files), or `plain` itself when null. Where a separate source cannot read its
    // files, `plain` draws at the full size instead.
    explicit MagnifiedFontEngine(std::unique_ptr<FontEngine> plain,
                                 std::unique_ptr<FontEngine> source = nullptr);

    TTextMetrics Metrics(const TFontSpec& font) override;
    TSize TextExtent(const TFontSpec& font, std::string_view text) override;
    void DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                  std::string_view text, TColor color) override;

private:
    // The engine and font that serve `font`, and the ratio its glyphs are magnified by.
    struct Route {
        FontEngine* engine;
        TFontSpec font;
        int num;
        int den;

        int Scaled(int value) const;
        // Where each source column of `text`'s picture starts, and where the last ends: every
        // glyph from its own magnified advance, so a letter looks the same wherever it stands.
        std::vector<int> ColumnEdges(std::string_view text, int width) const;
    };
    Route RouteFor(const TFontSpec& font);
    template <class Work> auto Run(const TFontSpec& font, Work work);

    std::unique_ptr<FontEngine> FPlain;
    std::unique_ptr<FontEngine> FSource;
    // No separate source was given: `plain` draws the magnified glyphs too.
    bool FMagnifyPlain;
};
