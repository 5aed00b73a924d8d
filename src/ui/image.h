// A picture control: draws its bitmap at the top-left, centred or stretched, leaving out the
// bitmap's transparent colour when Transparent.
#pragma once

#include "gfx/bitmap.h"
#include "ui/control.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    const TBitmap& Picture() const { return FPicture; }
    // Copies `picture`; with AutoSize the control takes its size.
    void SetPicture(const TBitmap& picture);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);

protected:
    void Paint() override;
    void AdjustSize() override;

private:
    TBitmap FPicture;
    bool FTransparent = false;
    bool FCenter = false;
    bool FStretch = false;
};
