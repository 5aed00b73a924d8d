// Labels: caption painting with alignment and layout, auto-size and accelerators.
#include "ui/label.h"

#include <cctype>

#include "gfx/canvas.h"
#include "ui/wincontrol.h"

namespace {

// The character after a single "&" ("&&" is a literal ampersand), 0 when none.
char AccelChar(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

}  // namespace

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
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (FLayout == value)
        return;
    FLayout = value;
    Invalidate();
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
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

unsigned TCustomLabel::DrawTextFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap)
        flags |= DT_WORDBREAK;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags)
{
    std::string text = Caption();
    // An empty caption still measures one line high.
    if ((flags & DT_CALCRECT) != 0 && (text.empty() || (FShowAccelChar && text == "&")))
        text += ' ';
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    TCanvas& canvas = Canvas();
    canvas.Font = Font();
    if (Enabled() || (flags & DT_CALCRECT) != 0) {
        canvas.DrawText(rect, text, flags);
        return;
    }
    // Disabled text: an embossed highlight one pixel down-right, then the shadow.
    TRect shifted = rect;
    shifted.Offset(1, 1);
    canvas.Font.color = clBtnHighlight;
    canvas.DrawText(shifted, text, flags);
    canvas.Font.color = clBtnShadow;
    canvas.DrawText(rect, text, flags);
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = Canvas();
    if (!FTransparent) {
        canvas.Brush = TBrush{Color(), bsSolid};
        canvas.FillRect(ClientRect());
    }
    canvas.Brush.style = bsClear;
    canvas.SetBkMode(bkTransparent);
    TRect rect = ClientRect();
    unsigned flags = DrawTextFlags();
    if (FLayout != tlTop) {
        TRect calc = rect;
        DoDrawText(calc, flags | DT_CALCRECT);
        int dy = FLayout == tlBottom ? Height() - calc.bottom : (Height() - calc.bottom) / 2;
        rect.Offset(0, dy);
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
    if (FAlignment == taRightJustify)
        left += Width() - rect.right;
    SetBounds(left, Top(), rect.right, rect.bottom);
}

bool TCustomLabel::CMDialogChar(char key)
{
    char accel = AccelChar(Caption());
    if (!FShowAccelChar || FFocusControl == nullptr || accel == 0 ||
        std::toupper(static_cast<unsigned char>(accel)) != std::toupper(static_cast<unsigned char>(key)) ||
        !FFocusControl->CanFocus())
        return false;
    FFocusControl->SetFocus();
    return true;
}
