// The shared list of pictures that controls pick from by index, and its stream format.
#pragma once

#include <istream>
#include <ostream>
#include <vector>

#include "controls/gauge_persistent.h"
#include "controls/shared_component.h"
#include "gfx/bitmap.h"

// An owned list of bitmaps.
class TGaugeBitmaps : public TGaugePersistent {
public:
    int Count() const { return static_cast<int>(FBitmaps.size()); }
    // The bitmap at `index`, or nullptr when out of range.
    const TBitmap* Bitmap(int index) const;
    // Stores a copy.
    void Add(const TBitmap& bitmap);
    // Frees all bitmaps with one notification.
    void Clear();

    // The stream: signature 0x00355462, a 32-bit signed count, then each bitmap as a BMP file,
    // all little-endian. Loading replaces the contents and notifies once; on failure (a wrong
    // signature: EInvalidGraphic "Invalid file format") the list is left empty.
    void LoadFromStream(std::istream& in);
    void SaveToStream(std::ostream& out) const;

private:
    std::vector<TBitmap> FBitmaps;
};

// A shared list of pictures that controls pick from by index.
class TBitmapList : public TSharedComponent {
public:
    explicit TBitmapList(TComponent* owner);

    TGaugeBitmaps& Bitmaps() { return FBitmaps; }
    // The picture at `index`, or nullptr when out of range.
    const TBitmap* GetBitmap(int index) const { return FBitmaps.Bitmap(index); }

    // Fires after the links have been told of a change of the list.
    TNotifyEvent OnChange;

private:
    TGaugeBitmaps FBitmaps;
};
