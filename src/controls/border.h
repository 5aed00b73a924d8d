// TVrBorder: a windowless two-colour etched frame, box or edge line; the area inside shows
// whatever its parent painted.
#pragma once

#include "controls/gauge_base.h"

enum class TVrBorderShape {
    bsBox,
    bsFrame,
    bsTopLine,
    bsBottomLine,
    bsLeftLine,
    bsRightLine,
    bsSpacer
};
enum class TVrBorderStyle { bsLowered, bsRaised };

class TVrBorder : public TVrGraphicControl {
public:
    explicit TVrBorder(TComponent* owner);

    TVrBorderShape Shape() const { return FShape; }
    void SetShape(TVrBorderShape value);
    // Raised: highlight first (top/left), lowered: shadow first.
    TVrBorderStyle Style() const { return FStyle; }
    void SetStyle(TVrBorderStyle value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);

protected:
    void Paint() override;

private:
    template <class T> void Change(T& field, T value);
    void DrawBevelRect(const TRect& r, TColor topLeft, TColor bottomRight);
    void DrawLine(TPoint from, TPoint to, TColor color);

    TVrBorderShape FShape = TVrBorderShape::bsFrame;
    TVrBorderStyle FStyle = TVrBorderStyle::bsRaised;
    TColor FShadowColor = clGreen;
    TColor FHighlightColor = clLime;
};
