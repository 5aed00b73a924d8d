// The bitmap list: its contents, its stream and the notices to its links.
#include "controls/bitmap_list.h"

#include <cstdint>

#include "gfx/bitmap_stream.h"
#include "ui/errors.h"

const TBitmap* TGaugeBitmaps::Bitmap(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &FBitmaps[static_cast<std::size_t>(index)];
}

void TGaugeBitmaps::Add(const TBitmap& bitmap)
{
    FBitmaps.push_back(bitmap);
    NotifyChange();
}

void TGaugeBitmaps::Clear()
{
    BeginUpdate();
    FBitmaps.clear();
    EndUpdate();
}

namespace {

constexpr std::uint32_t kBitmapsSignature = 0x00355462;

void PutU32(std::ostream& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.put(static_cast<char>((value >> shift) & 0xFF));
}

// Any short read of the list's own header is the same failure as a wrong signature.
std::uint32_t GetU32(std::istream& in)
{
    unsigned char bytes[4];
    if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes))
        throw EInvalidGraphic("Invalid file format");
    return bytes[0] | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[3]} << 24);
}

std::vector<TBitmap> ReadBitmaps(std::istream& in)
{
    if (GetU32(in) != kBitmapsSignature)
        throw EInvalidGraphic("Invalid file format");
    const auto count = static_cast<std::int32_t>(GetU32(in));
    if (count < 0)
        throw EInvalidGraphic("Invalid file format");
    std::vector<TBitmap> bitmaps;
    for (std::int32_t i = 0; i < count; ++i)
        bitmaps.push_back(ReadBitmapStream(in));
    return bitmaps;
}

}  // namespace

void TGaugeBitmaps::LoadFromStream(std::istream& in)
{
    BeginUpdate();
    FBitmaps.clear();
    try {
        FBitmaps = ReadBitmaps(in);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TGaugeBitmaps::SaveToStream(std::ostream& out) const
{
    PutU32(out, kBitmapsSignature);
    PutU32(out, static_cast<std::uint32_t>(Count()));
    for (const TBitmap& bitmap : FBitmaps)
        WriteBitmapStream(out, bitmap);
}

TBitmapList::TBitmapList(TComponent* owner) : TSharedComponent(owner)
{
    FBitmaps.OnChange = [this](TObject*) {
        NotifyLinks();
        if (OnChange)
            OnChange(this);
    };
}
