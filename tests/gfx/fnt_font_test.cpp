// The bitmap-font engine against figures measured under Wine and against the file's bits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "gfx/bitmap.h"
#include "gfx/fnt/fnt_font_engine.h"

namespace {

TFontSpec SansSerif(int height, bool bold = false)
{
    TFontSpec font;
    font.height = height;
    font.bold = bold;
    return font;
}

struct WidthCase {
    const char* text;
    int regular;
    int bold;
};

TEST(FntFontEngine, WidthsMatchWineAtMinus11)
{
    FntFontEngine engine;
    const WidthCase cases[] = {
        {"Spacewell v.2", 67, 80},
        {"C:", 10, 12},
        {"[Used, Free] = 63 %, 14805 MB;", 151, 181},
        {"   NO DISC INSERTED !", 117, 138},
        {"MEMORY", 48, 54},
        {"Virtual MEMORY", 80, 94},
        {"x", 5, 6},
        {">>", 12, 14},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine.TextExtent(SansSerif(-11), c.text), (TSize{c.regular, 13})) << c.text;
        EXPECT_EQ(engine.TextExtent(SansSerif(-11, true), c.text), (TSize{c.bold, 13})) << c.text;
    }
    EXPECT_EQ(engine.TextExtent(SansSerif(-13, true), "Spacewell v.2").cx, 96);
}

TEST(FntFontEngine, MetricsOfTheMinus11Face)
{
    FntFontEngine engine;
    const TTextMetrics regular = engine.Metrics(SansSerif(-11));
    EXPECT_EQ(regular.height, 13);
    EXPECT_EQ(regular.ascent, 11);
    EXPECT_EQ(regular.internalLeading, 2);
    EXPECT_EQ(regular.overhang, 0);
    const TTextMetrics bold = engine.Metrics(SansSerif(-11, true));
    EXPECT_EQ(bold.height, 13);
    EXPECT_EQ(bold.overhang, 1);
    EXPECT_EQ(engine.TextHeight(SansSerif(-11, true)), 13);
}

TEST(FntFontEngine, FaceChoiceByHeight)
{
    FntFontEngine engine;
    const struct {
        int height;
        int pixHeight;
    } cases[] = {{-1, 13},  {-8, 13},  {-12, 13}, {-13, 16}, {-15, 16},
                 {-16, 20}, {-27, 20}, {-40, 20}, {0, 13},   {12, 13},
                 {13, 13},  {15, 13},  {16, 16},  {19, 16},  {20, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(engine.Face(SansSerif(c.height)).pixHeight, c.pixHeight) << c.height;
}

// Above 108 dpi Wine registers the large file of "MS Sans Serif" (16 and 20 pixels high) and
// keeps the others: the window font's scaled heights get faces from it.
TEST(FntFontEngine, LargeScalesTakeTheLargeSansSerifFile)
{
    FntFontEngine engine;
    const struct {
        int dpi;
        int height;
        int pixHeight;
    } cases[] = {{96, -11, 13},  {108, -12, 13}, {120, -14, 16}, {120, -16, 20},
                 {144, -17, 20}, {192, -22, 20}, {192, -26, 20}};
    for (const auto& c : cases) {
        TFontSpec font = SansSerif(c.height);
        font.pixelsPerInch = c.dpi;
        EXPECT_EQ(engine.Face(font).pixHeight, c.pixHeight) << c.dpi << " dpi, " << c.height;
    }
    EXPECT_EQ(FontFileFor("MS Sans Serif", 120), "sseriff.fon");
    EXPECT_EQ(FontFileFor("Small Fonts", 144), "smalle.fon");
}

TEST(FntFontEngine, UnknownNamesFallBackToSansSerif)
{
    EXPECT_EQ(FontFileFor("ms sans serif"), "sserife.fon");
    EXPECT_EQ(FontFileFor("Small Fonts"), "smalle.fon");
    EXPECT_EQ(FontFileFor("Tahoma"), "sserife.fon");
}

TEST(FntFontEngine, CharactersOutsideTheRangeUseTheDefaultCharacter)
{
    FntFontEngine engine;
    const FntFace& face = engine.Face(SansSerif(-11));
    EXPECT_EQ(face.firstChar, 32);
    EXPECT_EQ(face.lastChar, 255);
    EXPECT_EQ(&face.Glyph(7), &face.Glyph(static_cast<unsigned char>(face.defaultChar)));
    EXPECT_EQ(engine.TextExtent(SansSerif(-11), "\x07").cx,
              face.Glyph(static_cast<unsigned char>(face.defaultChar)).width);
}

// The drawn pixels are exactly the glyph's bits, and bold adds the copy one pixel right.
TEST(FntFontEngine, DrawnPixelsAreTheGlyphBits)
{
    FntFontEngine engine;
    const FntFace& face = engine.Face(SansSerif(-11));
    const FntGlyph& glyph = face.Glyph('M');
    for (bool bold : {false, true}) {
        TBitmap bitmap(20, 16);
        engine.DrawText(bitmap, bitmap.BoundsRect(), 3, 2, SansSerif(-11, bold), "M", clRed);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x) {
                const auto bit = [&](int gx) {
                    const int gy = y - 2;
                    return gx >= 0 && gx < glyph.width && gy >= 0 && gy < face.pixHeight &&
                           glyph.bits[static_cast<std::size_t>(gy) * glyph.width + gx];
                };
                const bool on = bit(x - 3) || (bold && bit(x - 4));
                EXPECT_EQ(bitmap.Pixel(x, y), on ? clRed : clWhite)
                    << x << "," << y << " bold " << bold;
            }
    }
}

// Reads 'I' of the file's first (13-pixel) font straight from the bytes, independently of
// the parser: NE resource table -> first RT_FONT -> FNT 3.0 char table -> strip bytes.
std::vector<std::uint8_t> RawColumnOfCapitalI()
{
    const char* dir = std::getenv("SPACEWELL_FONT_DIR");
    std::ifstream file(std::string(dir && *dir ? dir : "/usr/share/wine/fonts") + "/sserife.fon",
                       std::ios::binary);
    const std::vector<std::uint8_t> d((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
    const auto u16 = [&](std::size_t at) {
        return static_cast<std::size_t>(d.at(at) | (d.at(at + 1) << 8));
    };
    const std::size_t ne = u16(0x3C) | (u16(0x3E) << 16);
    std::size_t pos = ne + u16(ne + 0x24);
    const std::size_t shift = u16(pos);
    pos += 2;
    while (u16(pos) != 0x8008)
        pos += 8 + 12 * u16(pos + 2);
    const std::size_t font = u16(pos + 8) << shift;
    const std::size_t entry = font + 148 + ('I' - d.at(font + 95)) * 6;
    const std::size_t glyph = font + (u16(entry + 2) | (u16(entry + 4) << 16));
    return {d.begin() + static_cast<std::ptrdiff_t>(glyph),
            d.begin() + static_cast<std::ptrdiff_t>(glyph + 13)};
}

TEST(FntFontEngine, GlyphBitsEqualTheFileBytes)
{
    FntFontEngine engine;
    const FntGlyph& glyph = engine.Face(SansSerif(-11)).Glyph('I');
    ASSERT_LE(glyph.width, 8);
    const std::vector<std::uint8_t> raw = RawColumnOfCapitalI();
    int lit = 0;
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < glyph.width; ++x) {
            const int bit = (raw[static_cast<std::size_t>(y)] >> (7 - x)) & 1;
            lit += bit;
            EXPECT_EQ(glyph.bits[static_cast<std::size_t>(y) * glyph.width + x], bit)
                << x << "," << y;
        }
    // A capital I: one column from the cap line (row 2) down to the baseline row (10).
    EXPECT_EQ(lit, 9);
}

TEST(FntFontEngine, UnderlineSitsBelowTheBaseline)
{
    FntFontEngine engine;
    TFontSpec font = SansSerif(-11);
    font.underline = true;
    TBitmap bitmap(30, 13);
    engine.DrawText(bitmap, bitmap.BoundsRect(), 0, 0, font, "ab", clBlack);
    const int width = engine.TextExtent(font, "ab").cx;
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(bitmap.Pixel(x, 11), x < width ? clBlack : clWhite) << x;
}

TEST(FntFontEngine, DrawingStaysInsideTheClip)
{
    FntFontEngine engine;
    TBitmap bitmap(40, 13);
    engine.DrawText(bitmap, {5, 0, 12, 13}, 0, 0, SansSerif(-11), "MMMM", clBlack);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 40; ++x)
            if (x < 5 || x >= 12) {
                EXPECT_EQ(bitmap.Pixel(x, y), clWhite) << x << "," << y;
            }
}

TEST(FntFontEngine, MissingFileNamesThePackage)
{
    FntFontEngine engine("/nonexistent-font-dir");
    try {
        engine.Metrics(SansSerif(-11));
        FAIL() << "no error for a missing font file";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("fonts-wine"), std::string::npos) << e.what();
    }
}

TEST(FntFontEngine, MalformedDataIsRejected)
{
    const std::vector<std::uint8_t> junk{'M', 'Z', 0, 0};
    EXPECT_THROW(ParseFon(junk), std::runtime_error);
    const std::vector<std::uint8_t> notFnt(200, 0);
    EXPECT_THROW(ParseFnt(notFnt), std::runtime_error);
    // Glyphs are decoded when first drawn: one whose bits the resource cuts off must be
    // refused when parsed, not read past the end later.
    const char* dir = std::getenv("SPACEWELL_FONT_DIR");
    const FntFace face =
        LoadFonFile(std::string(dir && *dir ? dir : "/usr/share/wine/fonts") + "/sserife.fon")
            .front();
    const std::span<const std::uint8_t> cut(face.data.data(), face.places.back().offset + 1);
    EXPECT_THROW(ParseFnt(cut), std::runtime_error);
}

}  // namespace
