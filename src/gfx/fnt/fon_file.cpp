// Parsing of NE .fon containers and the FNT 2.0 / 3.0 fonts inside them. All fields are
// little-endian; every read is bounds-checked because the files come from outside.
#include "gfx/fnt/fon_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr unsigned RtFont = 0x8008;
constexpr int FntV2HeaderSize = 118;
constexpr int FntV3HeaderSize = 148;

[[noreturn]] void Malformed(const char* what)
{
    throw std::runtime_error(std::string("malformed font file: ") + what);
}

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : FData(data) { }

    unsigned U8(std::size_t at) const { return Byte(at); }
    unsigned U16(std::size_t at) const { return Byte(at) | (Byte(at + 1) << 8); }
    std::uint32_t U32(std::size_t at) const
    {
        return U16(at) | (static_cast<std::uint32_t>(U16(at + 2)) << 16);
    }
    std::string CString(std::size_t at) const
    {
        std::string s;
        while (at < FData.size() && FData[at] != 0)
            s += static_cast<char>(FData[at++]);
        return s;
    }

private:
    unsigned Byte(std::size_t at) const
    {
        if (at >= FData.size())
            Malformed("read past the end");
        return FData[at];
    }

    std::span<const std::uint8_t> FData;
};

void AddRuns(FntGlyph& glyph, int height)
{
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = glyph.bits.data() + static_cast<std::size_t>(y) * glyph.width;
        for (int x = 0; x < glyph.width;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < glyph.width && row[x])
                ++x;
            glyph.runs.push_back({y, left, x - left});
        }
    }
}

// Glyph bytes are column strips 8 pixels wide, each dfPixHeight bytes, MSB leftmost.
std::size_t GlyphBytes(int width, int height)
{
    return static_cast<std::size_t>((width + 7) / 8) * static_cast<std::size_t>(height);
}

FntGlyph ReadGlyph(const std::uint8_t* bytes, int width, int height)
{
    FntGlyph glyph;
    glyph.width = width;
    glyph.bits.resize(static_cast<std::size_t>(width) * height);
    for (int x = 0; x < width; ++x) {
        const std::uint8_t* strip = bytes + static_cast<std::size_t>(x / 8) * height;
        for (int y = 0; y < height; ++y)
            glyph.bits[static_cast<std::size_t>(y) * width + x] = (strip[y] >> (7 - x % 8)) & 1;
    }
    AddRuns(glyph, height);
    return glyph;
}

}  // namespace

std::size_t FntFace::Index(unsigned char code) const
{
    const int c = (code >= firstChar && code <= lastChar) ? code : defaultChar;
    return static_cast<std::size_t>(c - firstChar);
}

int FntFace::GlyphWidth(unsigned char code) const { return places.at(Index(code)).width; }

const FntGlyph& FntFace::Glyph(unsigned char code) const
{
    const std::size_t index = Index(code);
    const GlyphPlace& place = places.at(index);
    FDecoded.resize(places.size());
    if (!FDecoded[index])
        FDecoded[index] = ReadGlyph(data.data() + place.offset, place.width, pixHeight);
    return *FDecoded[index];
}

FntFace ParseFnt(std::span<const std::uint8_t> data)
{
    const Reader in(data);
    const unsigned version = in.U16(0);
    if (version != 0x200 && version != 0x300)
        Malformed("unsupported FNT version");
    if (in.U16(66) & 1)
        Malformed("vector fonts are not supported");

    FntFace face;
    face.points = static_cast<int>(in.U16(68));
    face.ascent = static_cast<int>(in.U16(74));
    face.internalLeading = static_cast<int>(in.U16(76));
    face.externalLeading = static_cast<int>(in.U16(78));
    face.italic = in.U8(80) != 0;
    face.weight = static_cast<int>(in.U16(83));
    face.charset = static_cast<int>(in.U8(85));
    face.pixHeight = static_cast<int>(in.U16(88));
    face.avgWidth = static_cast<int>(in.U16(91));
    face.maxWidth = static_cast<int>(in.U16(93));
    face.firstChar = static_cast<int>(in.U8(95));
    face.lastChar = static_cast<int>(in.U8(96));
    face.defaultChar = face.firstChar + static_cast<int>(in.U8(97));
    face.breakChar = face.firstChar + static_cast<int>(in.U8(98));
    face.faceName = in.CString(in.U32(105));
    if (face.lastChar < face.firstChar || face.defaultChar > face.lastChar)
        Malformed("bad character range");

    const bool v3 = version == 0x300;
    const std::size_t table = v3 ? FntV3HeaderSize : FntV2HeaderSize;
    const std::size_t entrySize = v3 ? 6 : 4;
    for (int c = face.firstChar; c <= face.lastChar; ++c) {
        const std::size_t entry = table + static_cast<std::size_t>(c - face.firstChar) * entrySize;
        const int width = static_cast<int>(in.U16(entry));
        const std::size_t offset = v3 ? in.U32(entry + 2) : in.U16(entry + 2);
        if (offset > data.size() || GlyphBytes(width, face.pixHeight) > data.size() - offset)
            Malformed("read past the end");
        face.places.push_back({width, offset});
    }
    face.data.assign(data.begin(), data.end());
    return face;
}

std::vector<FntFace> ParseFon(std::span<const std::uint8_t> data)
{
    const Reader in(data);
    if (in.U16(0) != 0x5A4D)
        Malformed("no MZ header");
    const std::size_t ne = in.U32(0x3C);
    if (in.U16(ne) != 0x454E)
        Malformed("no NE header");
    std::size_t pos = ne + in.U16(ne + 0x24);
    const unsigned alignShift = in.U16(pos);
    pos += 2;

    std::vector<FntFace> faces;
    // TYPEINFO records, each followed by its 12-byte NAMEINFO entries, until a zero type.
    while (const unsigned type = in.U16(pos)) {
        const unsigned count = in.U16(pos + 2);
        pos += 8;
        for (unsigned i = 0; i < count; ++i, pos += 12) {
            if (type != RtFont)
                continue;
            const std::size_t offset = static_cast<std::size_t>(in.U16(pos)) << alignShift;
            const std::size_t length = static_cast<std::size_t>(in.U16(pos + 2)) << alignShift;
            if (offset >= data.size())
                Malformed("font resource outside the file");
            faces.push_back(ParseFnt(data.subspan(offset, std::min(length, data.size() - offset))));
        }
    }
    if (faces.empty())
        Malformed("no fonts in the file");
    return faces;
}

std::vector<FntFace> LoadFonFile(const std::string& path)
{
    // Through stdio: a C++ file stream would bring the library's locales into memory.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         std::fclose);
    if (!file)
        throw std::runtime_error("font file " + path +
                                 " not found: install Debian's fonts-wine package "
                                 "(apt-get install fonts-wine) or set SPACEWELL_FONT_DIR");
    std::vector<std::uint8_t> data;
    std::uint8_t chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        data.insert(data.end(), chunk, chunk + got);
    return ParseFon(data);
}
