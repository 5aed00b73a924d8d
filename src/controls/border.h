// TBorder: a windowless two-colour etched frame, box or edge line; the area inside shows
// whatever its parent painted.
#pragma once

#include "controls/gauge_control.h"

enum class TBorderShape {
    bsBox,
    bsFrame,
    bsTopLine,
    bsBottomLine,
    bsLeftLine,
    bsRightLine,
    bsSpacer
};
enum class TBorderEdgeStyle { bsLowered, bsRaised };

class TBorder : public TGaugeGraphicControl {
public:
    explicit TBorder(TComponent* owner);

    TBorderShape Shape() const { return FShape; }
    void SetShape(TBorderShape value);
    // Raised: highlight first (top/left), lowered: shadow first.
    TBorderEdgeStyle Style() const { return FStyle; }
    void SetStyle(TBorderEdgeStyle value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor value);

protected:
    void Paint() override;
    // The border's repaint waits for the message queue.
    void RequestRepaint() override { Invalidate(); }

private:
    void DrawBevelRect(const TRect& r, TColor topLeft, TColor bottomRight);
    void DrawLine(TPoint from, TPoint to, TColor color);

    TBorderShape FShape = TBorderShape::bsFrame;
    TBorderEdgeStyle FStyle = TBorderEdgeStyle::bsRaised;
    TColor FShadowColor = clGreen;
    TColor FHighlightColor = clLime;
};
