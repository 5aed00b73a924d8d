// The check box's state, its painting around the box, and the box with its faces and tick.
#include "controls/check_box.h"

#include "controls/check_box_resources.h"
#include "gfx/canvas.h"
#include "ui/property_change.h"

namespace {

constexpr TColor kBoundLineXP = 0x733800;
constexpr TColor kBoundLineOffice = 0xF7FBFF;
constexpr TColor kBoxFrame = 0x845118;
constexpr TColor kBoxFrameOfficeHover = 0x663300;
constexpr TColor kOfficeHoverFill = 0xD6BEB5;
constexpr TColor kOfficePressedFill = 0xCC9999;
constexpr TColor kTickXP = 0x21A621;
constexpr int kFaceSize = TCustomCheckControl::MarkBoxSize - 2;

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2)
{
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

TCustomCheckControl::TCustomCheckControl(TComponent* owner) : TXPStyleControl(owner)
{
    SetControlStyle(ControlStyle() & ~csDoubleClicks);
    SetTabStop(true);
    SetBounds(Left(), Top(), 161, 17);
}

void TCustomCheckControl::SetChecked(bool value)
{
    ChangeProperty(FChecked, value, [this] { Invalidate(); });
}

void TCustomCheckControl::SetSpacing(std::uint8_t value)
{
    ChangeProperty(FSpacing, value, [this] { Invalidate(); });
}

void TCustomCheckControl::SetBoundLines(TBoundLines value)
{
    ChangeProperty(FBoundLines, value, [this] { Invalidate(); });
}

void TCustomCheckControl::Click()
{
    SetChecked(!FChecked);
    TXPStyleControl::Click();
}

void TCustomCheckControl::DrawBuffer(TCanvas& canvas)
{
    const TRect client = ClientRect();
    canvas.Brush = {Color(), TBrushStyle::bsSolid};
    canvas.FillRect(client);
    if (FBoundLines != 0)
        DrawBoundLines(canvas, client);
    if (InVisualState(TXPStateItem::HasFocus))
        canvas.DrawFocusRect(client);
    PaintCheckMark(canvas, client);
    DrawCaption(canvas, client);
}

void TCustomCheckControl::DrawBoundLines(TCanvas& canvas, const TRect& r)
{
    canvas.Pen = {EffectiveTheme() == TXPTheme::WindowsXP ? kBoundLineXP : kBoundLineOffice};
    if (FBoundLines & BoundLineBit(blLeft))
        Line(canvas, r.left, r.top, r.left, r.bottom - 1);
    if (FBoundLines & BoundLineBit(blTop))
        Line(canvas, r.left, r.top, r.right, r.top);
    if (FBoundLines & BoundLineBit(blRight))
        Line(canvas, r.right - 1, r.top, r.right - 1, r.bottom - 1);
    if (FBoundLines & BoundLineBit(blBottom))
        Line(canvas, r.left, r.bottom - 1, r.right, r.bottom - 1);
}

// Vertically centred beside the box; a disabled caption is embossed: highlight one pixel
// down and right, shadow colour on top.
void TCustomCheckControl::DrawCaption(TCanvas& canvas, const TRect& client)
{
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.Font = Font();
    TRect rect = client;
    rect.left += MarkBoxSize + FSpacing + 4;
    const unsigned flags = DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS;
    const std::string& caption = Caption();
    TRect measured = rect;
    const bool padded = caption.empty() || caption == "&";
    canvas.DrawText(measured, padded ? caption + " " : caption, flags | DT_CALCRECT);
    rect.Offset(0, (client.Height() - measured.bottom) / 2);
    if (Enabled()) {
        canvas.DrawText(rect, caption, flags);
        return;
    }
    canvas.DrawEmbossedText(rect, caption, flags);
}

TCheckBox::TCheckBox(TComponent* owner) : TCustomCheckControl(owner) { BuildFaces(); }

void TCheckBox::Resize()
{
    TCustomCheckControl::Resize();
    BuildFaces();
    Invalidate();
}

void TCheckBox::BuildFaces()
{
    for (TBitmap* face : {&FFaceNormal, &FFacePressed, &FFaceHover})
        face->SetSize(kFaceSize, kFaceSize);
    CreateGradientRect(FFaceNormal, clWhite, 0xE7EBEF, false);
    CreateGradientRect(FFacePressed, 0xC6CFD6, 0xEBF3F7, true);
    CreateGradientRect(FFaceHover, 0xCEF3FF, 0x0096E7, true);
}

void TCheckBox::PaintCheckMark(TCanvas& canvas, const TRect& client)
{
    const int x0 = client.left + 2;
    const int y0 = (client.Height() - MarkBoxSize) / 2;
    const bool over = InVisualState(TXPStateItem::PointerOver);
    const bool pressed = InVisualState(TXPStateItem::ButtonPressed);
    const bool office = EffectiveTheme() == TXPTheme::OfficeXP;
    canvas.Pen = {office && over ? kBoxFrameOfficeHover : kBoxFrame};
    canvas.Brush = {Color(), TBrushStyle::bsSolid};
    canvas.Rectangle(x0, y0, x0 + MarkBoxSize, y0 + MarkBoxSize);
    if (!office) {
        if (over && pressed) {
            canvas.Draw(x0 + 1, y0 + 1, FFacePressed);
        } else {
            // Over the hover face, the normal face leaves a one-pixel ring of it showing.
            if (over)
                canvas.Draw(x0 + 1, y0 + 1, FFaceHover);
            const int inset = over ? 2 : 1;
            const int size = MarkBoxSize - 2 * inset;
            canvas.CopyRect(Bounds(x0 + inset, y0 + inset, size, size), FFaceNormal,
                            {0, 0, size, size});
        }
    } else if (over) {
        canvas.Brush.color = pressed ? kOfficePressedFill : kOfficeHoverFill;
        canvas.FillRect(Bounds(x0 + 1, y0 + 1, kFaceSize, kFaceSize));
    }
    if (!Checked())
        return;
    TBitmap tick = LoadCheckBoxBitmap("CheckBoxTick");
    const bool recolour = !office || (pressed && over);
    const TColor tickColor = office ? clWhite : kTickXP;
    for (int y = 0; recolour && y < tick.Height(); ++y)
        for (int x = 0; x < tick.Width(); ++x)
            if (tick.Pixel(x, y) == clBlack)
                tick.SetPixel(x, y, tickColor);
    tick.Transparent = true;
    tick.TransparentColor = clSilver;
    canvas.Draw(client.left + MarkBoxSize / 2 - 1, y0 + 3, tick);
}
