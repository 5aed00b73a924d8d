// Image lists: equally sized pictures with their transparent colours.
#include "ui/imagelist.h"

#include "gfx/canvas.h"

void TImageList::SetWidth(int width)
{
    if (FWidth == width)
        return;
    FWidth = width;
    Clear();
}

void TImageList::SetHeight(int height)
{
    if (FHeight == height)
        return;
    FHeight = height;
    Clear();
}

int TImageList::Add(const TBitmap& image, TColor transparent)
{
    TBitmap copy(FWidth, FHeight);
    copy.Canvas().CopyRect(
        {0, 0, std::min(FWidth, image.Width()), std::min(FHeight, image.Height())}, image,
        {0, 0, std::min(FWidth, image.Width()), std::min(FHeight, image.Height())});
    copy.Transparent = transparent != clNone;
    copy.TransparentColor = transparent == clNone ? clDefault : transparent;
    if (transparent == clDefault)
        copy.TransparentColor = image.EffectiveTransparentColor();
    FImages.push_back(std::move(copy));
    Changed();
    return Count() - 1;
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    FImages.erase(FImages.begin() + index);
    Changed();
}

void TImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Changed();
}

const TBitmap* TImageList::Bitmap(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &FImages[static_cast<std::size_t>(index)];
}

bool TImageList::GetBitmap(int index, TBitmap& out) const
{
    const TBitmap* image = Bitmap(index);
    if (image == nullptr)
        return false;
    out = *image;
    return true;
}

bool TImageList::GetIcon(int index, TIcon& out) const
{
    const TBitmap* image = Bitmap(index);
    if (image == nullptr)
        return false;
    out.SetImage(*image, image->Transparent ? image->EffectiveTransparentColor() : clNone);
    return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const
{
    if (const TBitmap* image = Bitmap(index))
        canvas.Draw(x, y, *image);
}

void TImageList::Changed()
{
    if (OnChange)
        OnChange(this);
}
