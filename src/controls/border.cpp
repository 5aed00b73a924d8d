// The border frame: its four properties invalidate on change; painting draws one of the
// shapes in the style's colour pair on the control's own canvas.
#include "controls/border.h"

namespace {

// The dotted design-time outline of an otherwise invisible spacer.
constexpr TColor SpacerOutlineColor = 0xFFD8CE;

}  // namespace

TBorder::TBorder(TComponent* owner) : TGaugeGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBorder::SetShape(TBorderShape value) { Change(FShape, value); }
void TBorder::SetStyle(TBorderEdgeStyle value) { Change(FStyle, value); }
void TBorder::SetShadowColor(TColor value) { Change(FShadowColor, value); }
void TBorder::SetHighlightColor(TColor value) { Change(FHighlightColor, value); }

// Top/left from (L,B) up and across, bottom/right from (R,T) down and back: (L,B) keeps the
// top/left colour and (R,T) takes the bottom/right one.
void TBorder::DrawBevelRect(const TRect& r, TColor topLeft, TColor bottomRight)
{
    TCanvas& canvas = Canvas();
    canvas.Pen.color = topLeft;
    const TPoint upper[] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
    canvas.Polyline(upper);
    canvas.Pen.color = bottomRight;
    const TPoint lower[] = {{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    canvas.Polyline(lower);
}

void TBorder::DrawLine(TPoint from, TPoint to, TColor color)
{
    TCanvas& canvas = Canvas();
    canvas.Pen.color = color;
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
}

void TBorder::Paint()
{
    TCanvas& canvas = Canvas();
    const int w = Width();
    const int h = Height();
    if (FShape == TBorderShape::bsSpacer) {
        if (IsDesigning()) {
            canvas.Pen = TPen{SpacerOutlineColor, 1, TPenStyle::psDot, TPenMode::pmXor};
            canvas.Brush.style = TBrushStyle::bsClear;
            canvas.Rectangle(0, 0, w, h);
        }
        return;
    }
    canvas.Pen.width = 1;
    const bool raised = FStyle == TBorderEdgeStyle::bsRaised;
    const TColor first = raised ? FHighlightColor : FShadowColor;
    const TColor second = raised ? FShadowColor : FHighlightColor;
    switch (FShape) {
    case TBorderShape::bsBox:
        DrawBevelRect({0, 0, w - 1, h - 1}, first, second);
        break;
    case TBorderShape::bsFrame:
        DrawBevelRect({1, 1, w - 1, h - 1}, second, second);
        DrawBevelRect({0, 0, w - 2, h - 2}, first, first);
        break;
    case TBorderShape::bsTopLine:
        DrawLine({0, 0}, {w, 0}, first);
        DrawLine({0, 1}, {w, 1}, second);
        break;
    case TBorderShape::bsBottomLine:
        DrawLine({0, h - 2}, {w, h - 2}, first);
        DrawLine({0, h - 1}, {w, h - 1}, second);
        break;
    case TBorderShape::bsLeftLine:
        DrawLine({0, 0}, {0, h}, first);
        DrawLine({1, 0}, {1, h}, second);
        break;
    case TBorderShape::bsRightLine:
        DrawLine({w - 2, 0}, {w - 2, h}, first);
        DrawLine({w - 1, 0}, {w - 1, h}, second);
        break;
    case TBorderShape::bsSpacer:
        break;
    }
}
