// A list of equally sized pictures (menu pictures, tray icons), each with its transparent colour.
#pragma once

#include <vector>

#include "gfx/bitmap.h"
#include "ui/component.h"
#include "ui/icon.h"

class TCanvas;

class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) { }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Changing the size clears the list.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Adds a copy cut or padded to Width x Height; returns its index. `transparent` clNone
    // keeps every pixel; clDefault takes the picture's bottom-left pixel.
    int Add(const TBitmap& image, TColor transparent = clNone);
    void Delete(int index);
    void Clear();

    // The picture with Transparent / TransparentColor set; an index out of range gives false.
    bool GetBitmap(int index, TBitmap& out) const;
    bool GetIcon(int index, TIcon& out) const;
    const TBitmap* Bitmap(int index) const;
    void Draw(TCanvas& canvas, int x, int y, int index) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    int FWidth = 16;
    int FHeight = 16;
    std::vector<TBitmap> FImages;
};
