// The gradient progress bar of the drive rows: a value between Minimum and Maximum shown as a
// colour ramp (continuous or in blocks) with an optional text, inside a one-pixel or 3-D
// frame. The bar keeps its whole picture in Buffer and rebuilds it only when a change alters
// the picture; painting is one copy of Buffer.
#pragma once

#include <string>

#include "controls/control_ext.h"
#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "ui/types.h"

enum class TBarTextOption { toCaption, toFormat, toNoText, toPercent };

// The bar uses only TFormBorderStyle::bsNone (flat frame in Color) and TFormBorderStyle::bsSingle
// (sunken 3-D frame).
using TBorderStyle = TFormBorderStyle;

class TGradientBar : public TExtGraphicControl {
public:
    explicit TGradientBar(TComponent* owner);

    int Minimum() const { return FMinimum; }
    void SetMinimum(int value);
    int Maximum() const { return FMaximum; }
    void SetMaximum(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value);
    bool Solid() const { return FSolid; }
    void SetSolid(bool value);
    bool GradientBlocks() const { return FGradientBlocks; }
    void SetGradientBlocks(bool value);
    TBarTextOption TextOption() const { return FTextOption; }
    void SetTextOption(TBarTextOption value);
    bool TextCentered() const { return FTextCentered; }
    void SetTextCentered(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);

    // Position as a whole percentage of the range, truncated; 0 for an empty range.
    int Percent() const;

    // The off-screen picture as last rebuilt.
    const TBitmap& Buffer() const { return FBuffer; }
    // The next paint finds the picture's size wrong and draws it again.
    void DropPictures() override { FBuffer.Release(); }
    // Filled pixels, counted from x = 1.
    int FillWidth() const { return FFillWidth; }

protected:
    void Loaded() override;
    void Paint() override;
    void ColorChanged() override;
    void FontChanged() override;
    void TextChanged() override;

    // Draws ramp or blocks, remainder, text and frame into the already sized Buffer; called
    // once per effective rebuild.
    virtual void DrawImage();

private:
    void RangeChanged(int oldPercent);
    void MarkDirtyAndRebuild();
    void ComputeFill();
    int ComputeBlocks(int rawFill);
    void Rebuild();
    void DrawRamp(TCanvas& canvas);
    void DrawBlocks(TCanvas& canvas);
    void DrawRemainder(TCanvas& canvas);
    void DrawCaption(TCanvas& canvas);
    void DrawFrame(TCanvas& canvas);
    std::string DisplayText() const;

    int FMinimum = 0;
    int FMaximum = 100;
    int FPosition = 0;
    int FStep = 10;
    TColor FStartColor = clWhite;
    TColor FEndColor = clBlack;
    bool FSolid = false;
    bool FGradientBlocks = false;
    TBarTextOption FTextOption = TBarTextOption::toNoText;
    bool FTextCentered = false;
    TBorderStyle FBorderStyle = TFormBorderStyle::bsNone;

    TBitmap FBuffer;
    int FFillWidth = 0;
    bool FDirty = true;
    // Plain RGB of the two ramp colours, resolved when set.
    TColor FStartRGB = 0xFFFFFF;
    TColor FEndRGB = 0;
    int FBlockPitch = 0;
    int FBlockCount = 0;
    bool FTailPartial = false;
    int FTailWidth = 0;
    // Set while Paint rebuilds, which must not ask for another paint.
    bool FPainting = false;
};
