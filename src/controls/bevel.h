// The bevel: nested frame rings drawn around a gauge, and the arithmetic of how much of the
// control they take.
#pragma once

#include "controls/gauge_persistent.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

enum class TBevelStyle { bsNone, bsLowered, bsRaised };
enum class TBevelOutlineStyle { osOuter, osInner, osNone };

// Nested frame rings drawn around a gauge, from the outside in: border, outline, 3-D ring,
// outline, space, then the same for the inner half.
class TBevel : public TGaugePersistent {
public:
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TBevelOutlineStyle OuterOutline() const { return FOuterOutline; }
    void SetOuterOutline(TBevelOutlineStyle value);
    TBevelStyle OuterStyle() const { return FOuterStyle; }
    void SetOuterStyle(TBevelStyle value);
    int OuterWidth() const { return FOuterWidth; }
    void SetOuterWidth(int value);
    TColor OuterShadow() const { return FOuterShadow; }
    void SetOuterShadow(TColor value);
    TColor OuterHighlight() const { return FOuterHighlight; }
    void SetOuterHighlight(TColor value);
    int OuterSpace() const { return FOuterSpace; }
    void SetOuterSpace(int value);
    TColor OuterColor() const { return FOuterColor; }
    void SetOuterColor(TColor value);
    TBevelOutlineStyle InnerOutline() const { return FInnerOutline; }
    void SetInnerOutline(TBevelOutlineStyle value);
    TBevelStyle InnerStyle() const { return FInnerStyle; }
    void SetInnerStyle(TBevelStyle value);
    int InnerWidth() const { return FInnerWidth; }
    void SetInnerWidth(int value);
    TColor InnerShadow() const { return FInnerShadow; }
    void SetInnerShadow(TColor value);
    TColor InnerHighlight() const { return FInnerHighlight; }
    void SetInnerHighlight(TColor value);
    int InnerSpace() const { return FInnerSpace; }
    void SetInnerSpace(int value);
    TColor InnerColor() const { return FInnerColor; }
    void SetInnerColor(TColor value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // Copies all seventeen properties with one notification at the end.
    void Assign(const TBevel& source);
    // Draws the rings on `rect` and leaves it shrunk to the unpainted interior.
    void DrawBevel(TCanvas& canvas, TRect& rect) const;
    // Shrinks `rect` by TotalWidth() on every side without drawing.
    void ShrinkToInterior(TRect& rect) const;
    // Pixels the rings take on each side; 0 when invisible.
    int TotalWidth() const;

private:
    int FBorderWidth = 0;
    TColor FBorderColor = clBtnFace;
    TBevelOutlineStyle FOuterOutline = TBevelOutlineStyle::osOuter;
    TBevelStyle FOuterStyle = TBevelStyle::bsRaised;
    int FOuterWidth = 1;
    TColor FOuterShadow = clBtnShadow;
    TColor FOuterHighlight = clBtnHighlight;
    int FOuterSpace = 0;
    TColor FOuterColor = clBtnFace;
    TBevelOutlineStyle FInnerOutline = TBevelOutlineStyle::osNone;
    TBevelStyle FInnerStyle = TBevelStyle::bsLowered;
    int FInnerWidth = 1;
    TColor FInnerShadow = clBtnShadow;
    TColor FInnerHighlight = clBtnHighlight;
    int FInnerSpace = 1;
    TColor FInnerColor = clBtnFace;
    bool FVisible = true;
};
