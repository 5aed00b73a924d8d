// The picture control.
#include "ui/image.h"

#include "gfx/canvas.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetPicture(const TBitmap& picture)
{
    FPicture = picture;
    FPicture.Transparent = FTransparent;
    AdjustSize();
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    FPicture.Transparent = value;
    Invalidate();
}

void TImage::SetCenter(bool value)
{
    if (FCenter == value)
        return;
    FCenter = value;
    Invalidate();
}

void TImage::SetStretch(bool value)
{
    if (FStretch == value)
        return;
    FStretch = value;
    Invalidate();
}

void TImage::Paint()
{
    if (FPicture.Empty())
        return;
    TCanvas& canvas = Canvas();
    if (FStretch) {
        canvas.CopyRect(ClientRect(), FPicture, FPicture.BoundsRect());
        return;
    }
    int x = FCenter ? (Width() - FPicture.Width()) / 2 : 0;
    int y = FCenter ? (Height() - FPicture.Height()) / 2 : 0;
    canvas.Draw(x, y, FPicture);
}

void TImage::AdjustSize()
{
    if (AutoSize() && !FPicture.Empty())
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
}
