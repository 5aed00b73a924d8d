// Icon pixels and their change notification.
#include "ui/icon.h"

void TIcon::SetImage(const TBitmap& image, TColor transparentColor)
{
    FImage = image;
    FTransparentColor = transparentColor;
    if (OnChange)
        OnChange(nullptr);
}
