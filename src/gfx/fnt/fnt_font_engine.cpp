// Measuring and drawing with Windows bitmap fonts, following Wine's rules for face choice,
// synthetic bold, underline and strike-out so that pictures match the program under Wine.
#include "gfx/fnt/fnt_font_engine.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <stdexcept>

#include "gfx/bitmap.h"

namespace {

constexpr const char* DefaultFontDir = "/usr/share/wine/fonts";

struct FaceFile {
    const char* faceName;
    const char* fileName;
    // The file at the large scales; Wine switches only "MS Sans Serif" to it.
    const char* largeFileName;
};

// The Western (code page 1252) files of fonts-wine; the first entry is the fallback.
constexpr std::array<FaceFile, 5> FaceFiles{{
    {"MS Sans Serif", "sserife.fon", "sseriff.fon"},
    {"Small Fonts", "smalle.fon", "smalle.fon"},
    {"Courier", "coure.fon", "coure.fon"},
    {"System", "vgasys.fon", "vgasys.fon"},
    {"Fixedsys", "vgafix.fon", "vgafix.fon"},
}};

// Wine registers the large-font files above this many dots per inch (125 % and beyond).
constexpr int kLargeFontDpi = 108;

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Synthetic bold applies to faces that are not bold by themselves.
bool Emboldened(const TFontSpec& font, const FntFace& face)
{
    return font.bold && face.weight < 600;
}

// One glyph from `at`, clipped, a run at a time. Bold as Wine synthesises it: the glyph
// OR-ed with itself one pixel to the right, so each run grows by one pixel.
void DrawGlyph(TBitmap& target, const TRect& clip, TPoint at, const FntGlyph& glyph, bool bold,
               TColor color)
{
    for (const FntRun& run : glyph.runs) {
        const int y = at.y + run.row;
        const int left = std::max(at.x + run.left, clip.left);
        const int right = std::min(at.x + run.left + run.width + (bold ? 1 : 0), clip.right);
        if (y < clip.top || y >= clip.bottom || left >= right)
            continue;
        std::uint32_t* line = target.Bits() + static_cast<std::size_t>(y) * target.Width();
        std::fill(line + left, line + right, color);
    }
}

std::string ChooseFontDir(std::string given)
{
    if (!given.empty())
        return given;
    if (const char* env = std::getenv("SPACEWELL_FONT_DIR"); env && *env)
        return env;
#ifdef _WIN32
    // Cross-built tests under Wine: the prefix's own font folder holds the same files.
    if (const char* windows = std::getenv("WINDIR"); windows && *windows)
        return std::string(windows) + "\\Fonts";
#endif
    return DefaultFontDir;
}

}  // namespace

std::string FontFileFor(const std::string& faceName, int pixelsPerInch)
{
    const bool large = pixelsPerInch > kLargeFontDpi;
    for (const FaceFile& entry : FaceFiles)
        if (SameName(entry.faceName, faceName))
            return large ? entry.largeFileName : entry.fileName;
    return large ? FaceFiles.front().largeFileName : FaceFiles.front().fileName;
}

const FntFace& SelectFace(const std::vector<FntFace>& faces, int height)
{
    if (faces.empty())
        throw std::runtime_error("font file holds no faces");
    const auto smallest =
        std::min_element(faces.begin(), faces.end(), [](const FntFace& a, const FntFace& b) {
            return a.pixHeight < b.pixHeight;
        });
    const FntFace* best = nullptr;
    for (const FntFace& face : faces) {
        const int size = height < 0 ? face.EmHeight() : face.pixHeight;
        if (height != 0 && size <= std::abs(height) && (!best || face.pixHeight > best->pixHeight))
            best = &face;
    }
    return best ? *best : *smallest;
}

FntFontEngine::FntFontEngine(std::string fontDir) : FFontDir(ChooseFontDir(std::move(fontDir))) { }

const std::vector<FntFace>& FntFontEngine::Faces(const std::string& fileName)
{
    auto it = FFiles.find(fileName);
    if (it == FFiles.end())
        it = FFiles.emplace(fileName, LoadFonFile(FFontDir + "/" + fileName)).first;
    return it->second;
}

const FntFace& FntFontEngine::Face(const TFontSpec& font)
{
    if (FLastFace == nullptr || font.height != FLastHeight || font.name != FLastName ||
        font.pixelsPerInch != FLastDpi) {
        FLastFace = &SelectFace(Faces(FontFileFor(font.name, font.pixelsPerInch)), font.height);
        FLastName = font.name;
        FLastHeight = font.height;
        FLastDpi = font.pixelsPerInch;
    }
    return *FLastFace;
}

TTextMetrics FntFontEngine::Metrics(const TFontSpec& font)
{
    const FntFace& face = Face(font);
    const int extra = Emboldened(font, face) ? 1 : 0;
    TTextMetrics tm;
    tm.height = face.pixHeight;
    tm.ascent = face.ascent;
    tm.descent = face.pixHeight - face.ascent;
    tm.internalLeading = face.internalLeading;
    tm.externalLeading = face.externalLeading;
    tm.aveCharWidth = face.avgWidth + extra;
    tm.maxCharWidth = face.maxWidth + extra;
    tm.overhang = extra;
    return tm;
}

TSize FntFontEngine::TextExtent(const TFontSpec& font, std::string_view text)
{
    const FntFace& face = Face(font);
    const int extra = Emboldened(font, face) ? 1 : 0;
    int width = 0;
    for (char c : text)
        width += face.GlyphWidth(static_cast<unsigned char>(c)) + extra;
    return {width, face.pixHeight};
}

void FntFontEngine::DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                             std::string_view text, TColor color)
{
    const FntFace& face = Face(font);
    const bool bold = Emboldened(font, face);
    clip = clip.Intersect(target.BoundsRect());
    const auto plot = [&](int px, int py) {
        if (clip.Contains({px, py}))
            target.Bits()[static_cast<std::size_t>(py) * target.Width() + px] = color;
    };
    int penX = x;
    for (char c : text) {
        const FntGlyph& glyph = face.Glyph(static_cast<unsigned char>(c));
        DrawGlyph(target, clip, {penX, y}, glyph, bold, color);
        penX += glyph.width + (bold ? 1 : 0);
    }
    // Bitmap faces have no outline metrics, so Wine puts a one-pixel underline on the row
    // below the baseline and the strike-out half the ascent above it.
    const int thickness = face.ascent / 20 + 1;
    const auto bar = [&](int top) {
        for (int row = top; row < top + thickness; ++row)
            for (int px = x; px < penX; ++px)
                plot(px, row);
    };
    if (font.underline)
        bar(y + face.ascent - thickness / 2);
    if (font.strikeOut)
        bar(y + face.ascent - face.ascent / 2 - thickness / 2);
}
