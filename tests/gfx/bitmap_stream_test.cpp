// BMP streams: exact bytes written, round trips of odd widths, 32-bit and top-down files read,
// and malformed or truncated input rejected.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/bitmap_stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A BMP file built by hand around `pixels`; `trailing` extra bytes counted in the file size.
Bytes MakeBmp(std::int32_t width, std::int32_t height, int bits, int compression,
              const Bytes& pixels, std::uint32_t trailing = 0)
{
    Bytes b{'B', 'M'};
    Put(b, static_cast<std::uint32_t>(54 + pixels.size() + trailing), 4);
    Put(b, 0, 4);
    Put(b, 54, 4);
    Put(b, 40, 4);
    Put(b, static_cast<std::uint32_t>(width), 4);
    Put(b, static_cast<std::uint32_t>(height), 4);
    Put(b, 1, 2);
    Put(b, static_cast<std::uint32_t>(bits), 2);
    Put(b, static_cast<std::uint32_t>(compression), 4);
    Put(b, static_cast<std::uint32_t>(pixels.size()), 4);
    // Resolution and colour-table counts, all zero.
    b.insert(b.end(), 16, 0);
    b.insert(b.end(), pixels.begin(), pixels.end());
    b.insert(b.end(), trailing, 0xEE);
    return b;
}

std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }

std::string Write(const TBitmap& bitmap)
{
    std::ostringstream out;
    WriteBitmapStream(out, bitmap);
    return out.str();
}

TBitmap Read(const std::string& bytes)
{
    std::istringstream in(bytes);
    return ReadBitmapStream(in);
}

TEST(BitmapStream, WritesA24BitBottomUpFileWithPaddedRows)
{
    TBitmap b(1, 2);
    b.SetPixel(0, 0, 0x123456);  // top
    b.SetPixel(0, 1, 0xABCDEF);  // bottom, written first
    EXPECT_EQ(Write(b), Text(MakeBmp(1, 2, 24, 0, {0xAB, 0xCD, 0xEF, 0, 0x12, 0x34, 0x56, 0})));
}

TEST(BitmapStream, RoundTripsEveryRowPadding)
{
    struct Case {
        int width, height;
        std::size_t fileSize;
    };
    for (const Case& c : {Case{1, 1, 58}, Case{2, 3, 54 + 8 * 3}, Case{3, 2, 54 + 12 * 2},
                          Case{4, 1, 54 + 12}, Case{5, 2, 54 + 16 * 2}, Case{0, 0, 54}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        TBitmap b(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                b.SetPixel(x, y, static_cast<TColor>(0x010203 * (x + 1) + 0x400000 * y));
        const std::string bytes = Write(b);
        EXPECT_EQ(bytes.size(), c.fileSize);
        const TBitmap back = Read(bytes);
        ASSERT_EQ(back.Width(), c.width);
        ASSERT_EQ(back.Height(), c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                EXPECT_EQ(back.Pixel(x, y), b.Pixel(x, y)) << x << "," << y;
    }
}

TEST(BitmapStream, Reads32BitFilesBottomUpAndTopDownIgnoringAlpha)
{
    // Two rows of two pixels, BGRA: first stored row red and green, second blue and white.
    const Bytes pixels{0,    0, 0xFF, 0x80, 0,    0xFF, 0,    0x80,
                       0xFF, 0, 0,    0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    const TBitmap bottomUp = Read(Text(MakeBmp(2, 2, 32, 0, pixels)));
    EXPECT_EQ(bottomUp.Pixel(0, 1), clRed);
    EXPECT_EQ(bottomUp.Pixel(1, 1), clLime);
    EXPECT_EQ(bottomUp.Pixel(0, 0), clBlue);
    EXPECT_EQ(bottomUp.Pixel(1, 0), clWhite);
    const TBitmap topDown = Read(Text(MakeBmp(2, -2, 32, 0, pixels)));
    EXPECT_EQ(topDown.Height(), 2);
    EXPECT_EQ(topDown.Pixel(0, 0), clRed);
    EXPECT_EQ(topDown.Pixel(1, 1), clWhite);
}

TEST(BitmapStream, LeavesTheStreamAtTheEndTheFileHeaderGives)
{
    std::istringstream in(Text(MakeBmp(1, 1, 24, 0, {1, 2, 3, 0}, 3)) + "next");
    EXPECT_EQ(ReadBitmapStream(in).Pixel(0, 0), 0x010203u);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "next");
}

TEST(BitmapStream, RejectsTruncatedAndUnsupportedFiles)
{
    const Bytes good = MakeBmp(3, 2, 24, 0, Bytes(24, 0x55));
    std::vector<std::string> bad;
    for (std::size_t cut : {0, 1, 13, 14, 30, 53, 54, 60, 77})
        bad.push_back(Text(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut))));
    Bytes wrongSignature = good;
    wrongSignature[0] = 'X';
    bad.push_back(Text(wrongSignature));
    bad.push_back(Text(MakeBmp(2, 2, 8, 0, Bytes(8, 0))));
    bad.push_back(Text(MakeBmp(2, 2, 24, 1, Bytes(16, 0))));
    bad.push_back(Text(MakeBmp(-2, 2, 24, 0, Bytes(16, 0))));
    bad.push_back(Text(MakeBmp(100000, 100000, 24, 0, {})));
    for (std::size_t i = 0; i < bad.size(); ++i)
        EXPECT_THROW(Read(bad[i]), EInvalidGraphic) << "case " << i;
}

}  // namespace
