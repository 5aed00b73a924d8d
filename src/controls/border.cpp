// The border frame: its four properties invalidate on change; painting draws one of the
// shapes in the style's colour pair on the control's own canvas.
#include "controls/border.h"

namespace {

// The dotted design-time outline of an otherwise invisible spacer.
constexpr TColor SpacerOutlineColor = 0xFFD8CE;

}  // namespace

TVrBorder::TVrBorder(TComponent* owner) : TVrGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

template <class T> void TVrBorder::Change(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TVrBorder::SetShape(TVrBorderShape value) { Change(FShape, value); }
void TVrBorder::SetStyle(TVrBorderStyle value) { Change(FStyle, value); }
void TVrBorder::SetShadowColor(TColor value) { Change(FShadowColor, value); }
void TVrBorder::SetHighlightColor(TColor value) { Change(FHighlightColor, value); }

// Top/left from (L,B) up and across, bottom/right from (R,T) down and back: (L,B) keeps the
// top/left colour and (R,T) takes the bottom/right one.
void TVrBorder::DrawBevelRect(const TRect& r, TColor topLeft, TColor bottomRight)
{
    TCanvas& canvas = Canvas();
    canvas.Pen.color = topLeft;
    const TPoint upper[] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
    canvas.Polyline(upper);
    canvas.Pen.color = bottomRight;
    const TPoint lower[] = {{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    canvas.Polyline(lower);
}

void TVrBorder::DrawLine(TPoint from, TPoint to, TColor color)
{
    TCanvas& canvas = Canvas();
    canvas.Pen.color = color;
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
}

void TVrBorder::Paint()
{
    TCanvas& canvas = Canvas();
    const int w = Width();
    const int h = Height();
    if (FShape == TVrBorderShape::bsSpacer) {
        if (IsDesigning()) {
            canvas.Pen = TPen{SpacerOutlineColor, 1, psDot, pmXor};
            canvas.Brush.style = bsClear;
            canvas.Rectangle(0, 0, w, h);
        }
        return;
    }
    canvas.Pen.width = 1;
    const bool raised = FStyle == TVrBorderStyle::bsRaised;
    const TColor first = raised ? FHighlightColor : FShadowColor;
    const TColor second = raised ? FShadowColor : FHighlightColor;
    switch (FShape) {
    case TVrBorderShape::bsBox:
        DrawBevelRect({0, 0, w - 1, h - 1}, first, second);
        break;
    case TVrBorderShape::bsFrame:
        DrawBevelRect({1, 1, w - 1, h - 1}, second, second);
        DrawBevelRect({0, 0, w - 2, h - 2}, first, first);
        break;
    case TVrBorderShape::bsTopLine:
        DrawLine({0, 0}, {w, 0}, first);
        DrawLine({0, 1}, {w, 1}, second);
        break;
    case TVrBorderShape::bsBottomLine:
        DrawLine({0, h - 2}, {w, h - 2}, first);
        DrawLine({0, h - 1}, {w, h - 1}, second);
        break;
    case TVrBorderShape::bsLeftLine:
        DrawLine({0, 0}, {0, h}, first);
        DrawLine({1, 0}, {1, h}, second);
        break;
    case TVrBorderShape::bsRightLine:
        DrawLine({w - 2, 0}, {w - 2, h}, first);
        DrawLine({w - 1, 0}, {w - 1, h}, second);
        break;
    case TVrBorderShape::bsSpacer:
        break;
    }
}
