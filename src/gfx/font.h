// Font descriptions and the engine seam that measures and draws text. The default engine
// reads Windows bitmap font files (gfx/fnt/); the Win32 program installs the platform's own
// text drawing instead (gfx/win32/), so both draw the same glyphs.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "gfx/color.h"
#include "gfx/geometry.h"

class TBitmap;

constexpr int DEFAULT_CHARSET_ID = 1;

struct TFontSpec {
    std::string name = "MS Sans Serif";
    // Negative: em height in pixels (character height without internal leading);
    // positive: cell height; zero: the engine's default size.
    int height = -11;
    TColor color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = DEFAULT_CHARSET_ID;
    // The screen scale the height is meant for (96 = 100 %): a bitmap-font system keeps one
    // set of faces per scale, so the same height may give another face at another scale.
    int pixelsPerInch = 96;

    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// The GetTextMetrics figures that layout code needs, in pixels.
struct TTextMetrics {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int overhang = 0;

    friend bool operator==(const TTextMetrics&, const TTextMetrics&) = default;
};

class FontEngine {
public:
    virtual ~FontEngine() = default;

    virtual TTextMetrics Metrics(const TFontSpec& font) = 0;
    // The advance of the whole string (GetTextExtentPoint32), cy = the cell height.
    virtual TSize TextExtent(const TFontSpec& font, std::string_view text) = 0;
    // Sets pixels of `target` to `color` where glyph bits are on, the glyph cell's top-left at
    // (x, y), only inside `clip` (bitmap coordinates); underline and strike-out included.
    virtual void DrawText(TBitmap& target, TRect clip, int x, int y, const TFontSpec& font,
                          std::string_view text, TColor color) = 0;

    int TextHeight(const TFontSpec& font) { return Metrics(font).height; }
    int TextWidth(const TFontSpec& font, std::string_view text)
    {
        return TextExtent(font, text).cx;
    }
};

// The engine in use; the bitmap-font engine is created on first use when none was installed.
FontEngine& Fonts();
void SetFontEngine(std::unique_ptr<FontEngine> engine);
