// The BMP layout by hand, byte by byte in little-endian order, so the files are the same on
// every platform and no platform header is needed.
#include "gfx/bitmap_stream.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
// Guards the allocation against a header that claims an absurd size.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

[[noreturn]] void Fail(const std::string& why)
{
    throw EInvalidGraphic("Bitmap image is not valid: " + why);
}

void PutU16(std::ostream& out, std::uint32_t value)
{
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::ostream& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void ReadExactly(std::istream& in, std::uint8_t* bytes, std::size_t count, const char* what)
{
    in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count));
    if (static_cast<std::size_t>(in.gcount()) != count)
        Fail(std::string("stream ends inside the ") + what);
}

void Skip(std::istream& in, std::uint64_t count, const char* what)
{
    std::array<std::uint8_t, 256> sink;
    while (count > 0) {
        const std::size_t step =
            count < sink.size() ? static_cast<std::size_t>(count) : sink.size();
        ReadExactly(in, sink.data(), step, what);
        count -= step;
    }
}

std::uint32_t U16At(const std::uint8_t* p) { return p[0] | (std::uint32_t{p[1]} << 8); }
std::uint32_t U32At(const std::uint8_t* p) { return U16At(p) | (U16At(p + 2) << 16); }
std::int32_t I32At(const std::uint8_t* p) { return static_cast<std::int32_t>(U32At(p)); }

std::uint32_t RowSize(std::uint32_t width, std::uint32_t bitsPerPixel)
{
    return (width * bitsPerPixel / 8 + 3) & ~std::uint32_t{3};
}

// What the two headers say about the pixels that follow.
struct BmpLayout {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool bottomUp = true;
    std::uint32_t bitsPerPixel = 0;
};

BmpLayout ReadHeaders(std::istream& in)
{
    std::uint8_t file[kFileHeaderSize];
    ReadExactly(in, file, sizeof file, "file header");
    if (file[0] != 'B' || file[1] != 'M')
        Fail("no BM signature");
    BmpLayout layout;
    layout.fileSize = U32At(file + 2);
    layout.pixelOffset = U32At(file + 10);

    std::uint8_t info[kInfoHeaderSize];
    ReadExactly(in, info, sizeof info, "info header");
    const std::uint32_t infoSize = U32At(info);
    const std::int32_t width = I32At(info + 4);
    const std::int32_t height = I32At(info + 8);
    layout.bitsPerPixel = U16At(info + 14);
    if (infoSize < kInfoHeaderSize)
        Fail("unsupported info header");
    if (U16At(info + 12) != 1)
        Fail("plane count is not 1");
    if (layout.bitsPerPixel != 24 && layout.bitsPerPixel != 32)
        Fail("only 24- and 32-bit pixels are supported");
    if (U32At(info + 16) != kUncompressed)
        Fail("compressed pixels are not supported");
    if (width < 0 || height == INT32_MIN)
        Fail("bad dimensions");
    layout.width = static_cast<std::uint32_t>(width);
    layout.bottomUp = height >= 0;
    layout.height = static_cast<std::uint32_t>(height < 0 ? -height : height);
    if (std::uint64_t{layout.width} * layout.height > kMaxPixels)
        Fail("image too large");

    const std::uint64_t headersEnd = std::uint64_t{kFileHeaderSize} + infoSize;
    if (layout.pixelOffset < headersEnd)
        Fail("pixel data overlaps the headers");
    // Newer, longer info headers and any colour table lie between the headers and the pixels.
    Skip(in, layout.pixelOffset - (kFileHeaderSize + kInfoHeaderSize), "headers");
    return layout;
}

}  // namespace

void WriteBitmapStream(std::ostream& out, const TBitmap& bitmap)
{
    const auto width = static_cast<std::uint32_t>(bitmap.Width());
    const auto height = static_cast<std::uint32_t>(bitmap.Height());
    const std::uint32_t rowSize = RowSize(width, 24);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    out.put('B');
    out.put('M');
    PutU32(out, offset + rowSize * height);
    PutU32(out, 0);
    PutU32(out, offset);

    PutU32(out, kInfoHeaderSize);
    PutU32(out, width);
    PutU32(out, height);
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, kUncompressed);
    PutU32(out, rowSize * height);
    for (int i = 0; i < 4; ++i)  // resolution and colour counts: none given
        PutU32(out, 0);

    std::vector<char> row(rowSize, 0);
    for (std::uint32_t y = height; y-- > 0;) {
        const std::uint32_t* pixel = bitmap.Bits() + std::size_t{y} * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            row[x * 3] = static_cast<char>((pixel[x] >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel[x] >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>(pixel[x] & 0xFF);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
}

TBitmap ReadBitmapStream(std::istream& in)
{
    const BmpLayout layout = ReadHeaders(in);
    const std::uint32_t bytesPerPixel = layout.bitsPerPixel / 8;
    const std::uint32_t rowSize = RowSize(layout.width, layout.bitsPerPixel);

    TBitmap bitmap(static_cast<int>(layout.width), static_cast<int>(layout.height));
    std::vector<std::uint8_t> row(rowSize);
    for (std::uint32_t i = 0; i < layout.height; ++i) {
        ReadExactly(in, row.data(), row.size(), "pixel data");
        const std::uint32_t y = layout.bottomUp ? layout.height - 1 - i : i;
        std::uint32_t* pixel = bitmap.Bits() + std::size_t{y} * layout.width;
        for (std::uint32_t x = 0; x < layout.width; ++x) {
            const std::uint8_t* bgr = row.data() + std::size_t{x} * bytesPerPixel;
            pixel[x] = bgr[2] | (std::uint32_t{bgr[1]} << 8) | (std::uint32_t{bgr[0]} << 16);
        }
    }
    // A file may carry bytes after its pixels; the next item of the stream starts after them.
    const std::uint64_t consumed =
        std::uint64_t{layout.pixelOffset} + std::uint64_t{rowSize} * layout.height;
    if (layout.fileSize > consumed)
        Skip(in, layout.fileSize - consumed, "file");
    return bitmap;
}
