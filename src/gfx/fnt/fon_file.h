// Reader for Windows bitmap font files: an NE executable (.fon) whose RT_FONT resources are
// FNT version 2 or 3 fonts. Gives each face's metrics and its glyphs as bit rows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A horizontal stretch of set pixels in one row of a glyph.
struct FntRun {
    int row = 0;
    int left = 0;
    int width = 0;
};

struct FntGlyph {
    int width = 0;
    // height rows of width bits, row-major, one byte per pixel (0 or 1).
    std::vector<std::uint8_t> bits;
    // The same pixels as runs, top row first: text is drawn a run at a time.
    std::vector<FntRun> runs;
};

struct FntFace {
    std::string faceName;
    int points = 0;
    int pixHeight = 0;
    int ascent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int weight = 400;
    bool italic = false;
    int charset = 0;
    int avgWidth = 0;
    int maxWidth = 0;
    int firstChar = 0;
    int lastChar = 0;
    // Absolute character codes, as GetTextMetrics reports them.
    int defaultChar = 0;
    int breakChar = 0;
    // Where each glyph lies in `data`, indexed by code - firstChar; every one checked to lie
    // inside when the face was parsed.
    struct GlyphPlace {
        int width = 0;
        std::size_t offset = 0;
    };
    std::vector<GlyphPlace> places;
    // The FNT resource itself.
    std::vector<std::uint8_t> data;

    int EmHeight() const { return pixHeight - internalLeading; }
    // The advance width of `code`, or of the default character when the font lacks it.
    int GlyphWidth(unsigned char code) const;
    // The glyph for `code`, or the default character's when the font lacks it. Decoded when
    // first asked for: the program draws a few dozen of a file's more than a thousand glyphs,
    // and decoding them all held up its start.
    const FntGlyph& Glyph(unsigned char code) const;

private:
    std::size_t Index(unsigned char code) const;
    mutable std::vector<std::optional<FntGlyph>> FDecoded;
};

// Parses one FNT resource (version 2 or 3). Throws std::runtime_error when malformed.
FntFace ParseFnt(std::span<const std::uint8_t> data);
// Every RT_FONT resource of an NE .fon image, in file order. Throws when malformed.
std::vector<FntFace> ParseFon(std::span<const std::uint8_t> data);
// Reads and parses a .fon file; a missing file throws an error naming the fonts-wine package.
std::vector<FntFace> LoadFonFile(const std::string& path);
