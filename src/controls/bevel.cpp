// The bevel's setters and its rings, drawn from the outside in.
#include "controls/bevel.h"

#include <algorithm>

#include "controls/frame_3d.h"
#include "controls/percent.h"

void TBevel::SetBorderWidth(int value) { Change(FBorderWidth, std::max(value, 0)); }
void TBevel::SetBorderColor(TColor value) { Change(FBorderColor, value); }
void TBevel::SetOuterOutline(TBevelOutlineStyle value) { Change(FOuterOutline, value); }
void TBevel::SetOuterStyle(TBevelStyle value) { Change(FOuterStyle, value); }
void TBevel::SetOuterWidth(int value) { Change(FOuterWidth, std::max(value, 1)); }
void TBevel::SetOuterShadow(TColor value) { Change(FOuterShadow, value); }
void TBevel::SetOuterHighlight(TColor value) { Change(FOuterHighlight, value); }
void TBevel::SetOuterSpace(int value) { Change(FOuterSpace, std::max(value, 0)); }
void TBevel::SetOuterColor(TColor value) { Change(FOuterColor, value); }
void TBevel::SetInnerOutline(TBevelOutlineStyle value) { Change(FInnerOutline, value); }
void TBevel::SetInnerStyle(TBevelStyle value) { Change(FInnerStyle, value); }
void TBevel::SetInnerWidth(int value) { Change(FInnerWidth, std::max(value, 1)); }
void TBevel::SetInnerShadow(TColor value) { Change(FInnerShadow, value); }
void TBevel::SetInnerHighlight(TColor value) { Change(FInnerHighlight, value); }
void TBevel::SetInnerSpace(int value) { Change(FInnerSpace, std::max(value, 0)); }
void TBevel::SetInnerColor(TColor value) { Change(FInnerColor, value); }
void TBevel::SetVisible(bool value) { Change(FVisible, value); }

void TBevel::Assign(const TBevel& source)
{
    BeginUpdate();
    SetBorderWidth(source.FBorderWidth);
    SetBorderColor(source.FBorderColor);
    SetOuterOutline(source.FOuterOutline);
    SetOuterStyle(source.FOuterStyle);
    SetOuterWidth(source.FOuterWidth);
    SetOuterShadow(source.FOuterShadow);
    SetOuterHighlight(source.FOuterHighlight);
    SetOuterSpace(source.FOuterSpace);
    SetOuterColor(source.FOuterColor);
    SetInnerOutline(source.FInnerOutline);
    SetInnerStyle(source.FInnerStyle);
    SetInnerWidth(source.FInnerWidth);
    SetInnerShadow(source.FInnerShadow);
    SetInnerHighlight(source.FInnerHighlight);
    SetInnerSpace(source.FInnerSpace);
    SetInnerColor(source.FInnerColor);
    SetVisible(source.FVisible);
    EndUpdate();
}

namespace {

void DrawFlatRing(TCanvas& canvas, TRect& rect, TColor color, int width)
{
    DrawFrame3D(canvas, rect, color, color, width);
}

void DrawOutline(TCanvas& canvas, TRect& rect) { DrawFlatRing(canvas, rect, clBlack, 1); }

void DrawStyledRing(TCanvas& canvas, TRect& rect, TBevelStyle style, TColor highlight,
                    TColor shadow, int width)
{
    if (style == TBevelStyle::bsRaised)
        DrawFrame3D(canvas, rect, highlight, shadow, width);
    else if (style == TBevelStyle::bsLowered)
        DrawFrame3D(canvas, rect, shadow, highlight, width);
}

}  // namespace

void TBevel::DrawBevel(TCanvas& canvas, TRect& rect) const
{
    if (!FVisible)
        return;
    DrawFlatRing(canvas, rect, FBorderColor, FBorderWidth);
    if (FOuterOutline == TBevelOutlineStyle::osOuter)
        DrawOutline(canvas, rect);
    DrawStyledRing(canvas, rect, FOuterStyle, FOuterHighlight, FOuterShadow, FOuterWidth);
    if (FOuterOutline == TBevelOutlineStyle::osInner)
        DrawOutline(canvas, rect);
    DrawFlatRing(canvas, rect, FOuterColor, FOuterSpace);
    if (FInnerOutline == TBevelOutlineStyle::osOuter)
        DrawOutline(canvas, rect);
    DrawStyledRing(canvas, rect, FInnerStyle, FInnerHighlight, FInnerShadow, FInnerWidth);
    if (FInnerOutline == TBevelOutlineStyle::osInner)
        DrawOutline(canvas, rect);
    DrawFlatRing(canvas, rect, FInnerColor, FInnerSpace);
}

int TBevel::TotalWidth() const
{
    if (!FVisible)
        return 0;
    long long total = static_cast<long long>(FBorderWidth) + FInnerSpace + FOuterSpace;
    if (FInnerOutline != TBevelOutlineStyle::osNone)
        ++total;
    if (FOuterOutline != TBevelOutlineStyle::osNone)
        ++total;
    if (FInnerStyle != TBevelStyle::bsNone)
        total += FInnerWidth;
    if (FOuterStyle != TBevelStyle::bsNone)
        total += FOuterWidth;
    return CheckedInt(total);
}

void TBevel::ShrinkToInterior(TRect& rect) const
{
    const long long total = TotalWidth();
    rect = TRect{CheckedInt(rect.left + total), CheckedInt(rect.top + total),
                 CheckedInt(rect.right - total), CheckedInt(rect.bottom - total)};
}
