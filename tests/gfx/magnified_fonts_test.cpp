// Text at 200 % and beyond: the 100 % glyphs with every pixel a whole block, measured alike, and
// the platform's own face where the font files cannot be read.
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

// Rows of the factor and faces per scale: below 200 % the large-font file's own faces serve.
TEST(MagnifiedFonts, TheScaleDecidesTheFactorAndTheFaceTheGlyphsComeFrom)
{
    MagnifiedFontEngine engine(std::make_unique<FntFontEngine>());
    struct Row {
        int dpi, height, factor, textHeight;
    };
    for (const Row& row :
         {Row{96, -11, 1, 13}, Row{144, -17, 1, 20}, Row{168, -19, 1, 20}, Row{192, -22, 2, 26},
          Row{192, -26, 2, 32}, Row{240, -28, 2, 32}, Row{288, -33, 3, 39}}) {
        const TFontSpec font = SansSerif(row.height, row.dpi, false);
        EXPECT_EQ(GlyphMagnification(font), row.factor) << row.dpi;
        EXPECT_EQ(engine.TextHeight(font), row.textHeight) << row.dpi << " dpi, " << row.height;
    }
}

// At 200 % bold text is its 100 % picture with every pixel doubled, and twice as wide.
TEST(MagnifiedFonts, AtTwiceTheScaleEveryGlyphPixelIsATwoByTwoBlock)
{
    MagnifiedFontEngine engine(std::make_unique<FntFontEngine>());
    const TFontSpec design = SansSerif(-11, 96, true);
    const TFontSpec doubled = SansSerif(-22, 192, true);
    EXPECT_EQ(engine.TextWidth(doubled, "Spacewell v.2"), 2 * 80);
    EXPECT_EQ(engine.Metrics(doubled).ascent, 2 * 11);
    const TBitmap small = Drawn(engine, design, "Wg!");
    const TBitmap large = Drawn(engine, doubled, "Wg!");
    ASSERT_EQ(large.Width(), 2 * small.Width() - 4);
    for (int y = 0; y < large.Height() - 2; ++y)
        for (int x = 0; x < large.Width() - 2; ++x)
            ASSERT_EQ(large.Pixel(x + 2, y + 2), small.Pixel(x / 2 + 2, y / 2 + 2))
                << x << "," << y;
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
