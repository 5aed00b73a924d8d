// An icon as plain pixels: an image plus the colour that stands for "see-through" (clNone
// for none). Forms, the application and the tray icon hand it to the platform as they need.
#pragma once

#include "gfx/bitmap.h"
#include "platform/icon_image.h"
#include "ui/types.h"

class TIcon {
public:
    TIcon() = default;
    TIcon(const TIcon& other) : FImage(other.FImage), FTransparentColor(other.FTransparentColor) { }
    TIcon& operator=(const TIcon& other)
    {
        Assign(other);
        return *this;
    }

    bool Empty() const { return FImage.Empty(); }
    int Width() const { return FImage.Width(); }
    int Height() const { return FImage.Height(); }
    const TBitmap& Image() const { return FImage; }
    TColor TransparentColor() const { return FTransparentColor; }
    // Copies the pixels and fires OnChange.
    void SetImage(const TBitmap& image, TColor transparentColor);
    void Assign(const TIcon& other) { SetImage(other.FImage, other.FTransparentColor); }
    void Clear() { SetImage(TBitmap(), clNone); }

    TNotifyEvent OnChange;

private:
    TBitmap FImage;
    TColor FTransparentColor = clNone;
};

// The picture as the platform makes icons of it: pixels and a mask set where a pixel has the
// `transparent` colour (clDefault: the bottom-left pixel's, clNone: no pixel is see-through).
sw::IconImage IconImageOf(const TBitmap& image, TColor transparent);
