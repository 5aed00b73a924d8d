// Labels: caption painting with alignment and layout, auto-size and accelerators.
#include "ui/label.h"

#include "gfx/canvas.h"
#include "ui/accel.h"
#include "ui/caption_text.h"
#include "ui/wincontrol.h"
#include "ui/property_change.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

void TCustomLabel::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    ChangeProperty(FAlignment, value, [this] { Invalidate(); });
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    ChangeProperty(FLayout, value, [this] { Invalidate(); });
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (FWordWrap == value)
        return;
    FWordWrap = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (FShowAccelChar == value)
        return;
    FShowAccelChar = value;
    AdjustSize();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (FFocusControl == control)
        return;
    RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    FreeNotification(control);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

unsigned TCustomLabel::DrawTextFlags() const { return CaptionFormat(FAlignment, FWordWrap); }

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags)
{
    const std::string text = CaptionForDrawText(Caption(), FShowAccelChar, flags);
    TCanvas& canvas = Canvas();
    canvas.Font = Font();
    if (Enabled() || (flags & DT_CALCRECT) != 0) {
        canvas.DrawText(rect, text, flags);
        return;
    }
    canvas.DrawEmbossedText(rect, text, flags);
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush = TBrush{Color(), TBrushStyle::bsSolid};
        canvas.FillRect(ClientRect());
    }
    canvas.Brush.style = TBrushStyle::bsClear;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    TRect rect = ClientRect();
    unsigned flags = DrawTextFlags();
    if (FLayout != TTextLayout::tlTop) {
        TRect calc = rect;
        DoDrawText(calc, flags | DT_CALCRECT);
        rect.Offset(0, LayoutOffset(FLayout, Height(), calc.bottom));
    }
    DoDrawText(rect, flags);
}

void TCustomLabel::AdjustSize()
{
    if (!AutoSize() || Loading())
        return;
    TRect rect = ClientRect();
    DoDrawText(rect, (DrawTextFlags() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    int left = Left();
    if (FAlignment == TAlignment::taRightJustify)
        left += Width() - rect.right;
    SetBounds(left, Top(), rect.right, rect.bottom);
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustSize();
}

bool TCustomLabel::DialogChar(char key)
{
    if (!FShowAccelChar || FFocusControl == nullptr || !IsAccel(key, Caption()) ||
        !FFocusControl->CanFocus())
        return false;
    FFocusControl->SetFocus();
    return true;
}
