// Text beyond 150 %: the 100 % glyphs with every pixel onto whole pixels, measured alike, and the
// platform's own face where the font files cannot be read.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "gfx/bitmap.h"
#include "gfx/fnt/fnt_font_engine.h"
#include "gfx/magnified_fonts.h"

namespace {

TFontSpec SansSerif(int height, int dpi, bool bold)
{
    TFontSpec font;
    font.height = height;
    font.pixelsPerInch = dpi;
    font.bold = bold;
    return font;
}

TBitmap Drawn(FontEngine& engine, const TFontSpec& font, const char* text)
{
    const TSize size = engine.TextExtent(font, text);
    TBitmap image(size.cx + 4, size.cy + 4);
    image.Fill(image.BoundsRect(), clWhite);
    engine.DrawText(image, image.BoundsRect(), 2, 2, font, text, clBlack);
    return image;
}

// Rows of the text height per scale: up to 150 % the large-font file's own faces serve, beyond
// it the 100 % face's height times the scale, rounded as the form's scaling rounds.
TEST(MagnifiedFonts, TheScaleDecidesWhetherGlyphsAreMagnifiedAndHowTallTextIs)
{
    MagnifiedFontEngine engine(std::make_unique<FntFontEngine>());
    struct Row {
        int dpi, height;
        bool magnified;
        int textHeight;
    };
    for (const Row& row :
         {Row{96, -11, false, 13}, Row{144, -17, false, 20}, Row{168, -19, true, 23},
          Row{192, -22, true, 26}, Row{192, -26, true, 32}, Row{240, -28, true, 33},
          Row{288, -33, true, 39}}) {
        const TFontSpec font = SansSerif(row.height, row.dpi, false);
        EXPECT_EQ(MagnifiesGlyphs(font), row.magnified) << row.dpi;
        EXPECT_EQ(engine.TextHeight(font), row.textHeight) << row.dpi << " dpi, " << row.height;
    }
}

// The source pixel a target pixel shows: nearest neighbour, each source pixel onto the target
// pixels from its own start rounded (halves up) to the next one's.
int SourceOf(int target, int dpi)
{
    int source = 0;
    while (((source + 1) * dpi + 48) / 96 <= target)
        ++source;
    return source;
}

// Bold text beyond 150 %: its 100 % picture with every pixel onto whole pixels (2 × 2 at 200 %,
// 1 or 2 wide and tall at 175 %), each glyph advancing by its own magnified advance.
TEST(MagnifiedFonts, BeyondOneAndAHalfEveryGlyphPixelLandsOnWholePixels)
{
    MagnifiedFontEngine engine(std::make_unique<FntFontEngine>());
    struct Row {
        int dpi, height, width, ascent;
        const char* glyphs;
    };
    for (const Row& row : {Row{192, -22, 2 * 80, 2 * 11, "Wg!"}, Row{168, -19, 138, 19, "W"}}) {
        const TFontSpec design = SansSerif(-11, 96, true);
        const TFontSpec large = SansSerif(row.height, row.dpi, true);
        EXPECT_EQ(engine.TextWidth(large, "Spacewell v.2"), row.width) << row.dpi;
        EXPECT_EQ(engine.Metrics(large).ascent, row.ascent) << row.dpi;
        const TBitmap small = Drawn(engine, design, row.glyphs);
        const TBitmap magnified = Drawn(engine, large, row.glyphs);
        ASSERT_EQ(magnified.Width() - 4, ((small.Width() - 4) * row.dpi + 48) / 96);
        for (int y = 0; y < magnified.Height() - 2; ++y)
            for (int x = 0; x < magnified.Width() - 2; ++x)
                ASSERT_EQ(magnified.Pixel(x + 2, y + 2),
                          small.Pixel(SourceOf(x, row.dpi) + 2, SourceOf(y, row.dpi) + 2))
                    << row.dpi << " dpi: " << x << "," << y;
    }
}

// A source that cannot read its files: the plain engine draws at the full size instead.
TEST(MagnifiedFonts, WithoutTheFontFilesThePlainEngineDrawsTheFullSize)
{
    MagnifiedFontEngine engine(std::make_unique<FntFontEngine>(),
                               std::make_unique<FntFontEngine>("/nonexistent"));
    const TFontSpec font = SansSerif(-22, 192, false);
    EXPECT_EQ(engine.TextHeight(font), 20) << "the large file's largest face, unmagnified";
    EXPECT_EQ(Drawn(engine, font, "M").Height(), 24);
}

}  // namespace
