// The label's hover tracking, text drawing with shadow and frame, and its click.
#include "controls/link_label.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "ui/accel.h"
#include "ui/application.h"
#include "ui/caption_text.h"
#include "ui/form.h"
#include "ui/scaling.h"
#include "ui/wincontrol.h"
#include "ui/property_change.h"

namespace {

constexpr TTrackFontOptions kDefaultTrackFontOptions = TrackFontOption(hoFollowFont) |
                                                       TrackFontOption(hoPreserveColor) |
                                                       TrackFontOption(hoPreserveStyle);

TRect ShadowRect(TRect rect, TShadowPosition position, int size)
{
    switch (position) {
    case TShadowPosition::spLeftTop:
        return rect.Offset(-size, -size);
    case TShadowPosition::spLeftBottom:
        return rect.Offset(-size, size);
    case TShadowPosition::spRightBottom:
        return rect.Offset(size, size);
    case TShadowPosition::spRightTop:
        return rect.Offset(size, -size);
    }
    return rect;
}

TRect Union(const TRect& a, const TRect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

TCustomLinkLabel::TCustomLinkLabel(TComponent* owner)
    : TExtGraphicControl(owner), FHotTrackFontOptions(kDefaultTrackFontOptions)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetAutoSize(true);
    SetBounds(Left(), Top(), 65, 17);
}

void TCustomLinkLabel::Loaded()
{
    TExtGraphicControl::Loaded();
    AdjustSize();
}

void TCustomLinkLabel::Notification(TComponent* component, TOperation operation)
{
    TExtGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomLinkLabel::Changed(bool extentChanged)
{
    if (extentChanged)
        AdjustSize();
    Invalidate();
}

void TCustomLinkLabel::SetHotTrackFont(const TFontSpec& font)
{
    if (font == FHotTrackFont)
        return;
    FHotTrackFont = font;
    if (FHot)
        Invalidate();
}

void TCustomLinkLabel::ChangeScale(int m, int d)
{
    TExtGraphicControl::ChangeScale(m, d);
    SetHotTrackFont(ScaledFont(FHotTrackFont, m, d));
    SetMargin(MulDivRound(FMargin, m, d));
}

void TCustomLinkLabel::SetHotTrackFontOptions(TTrackFontOptions options)
{
    if (options == FHotTrackFontOptions)
        return;
    FHotTrackFontOptions = options;
    FollowFont();
}

// Copies the attributes of Font that the options do not preserve into the hot font.
void TCustomLinkLabel::FollowFont()
{
    const auto keeps = [this](TTrackFontOption option) {
        return (FHotTrackFontOptions & TrackFontOption(option)) != 0;
    };
    if (!keeps(hoFollowFont))
        return;
    TFontSpec hot = FHotTrackFont;
    const TFontSpec& font = Font();
    if (!keeps(hoPreserveCharSet))
        hot.charset = font.charset;
    if (!keeps(hoPreserveColor))
        hot.color = font.color;
    if (!keeps(hoPreserveHeight))
        hot.height = font.height;
    if (!keeps(hoPreserveName))
        hot.name = font.name;
    if (!keeps(hoPreserveStyle)) {
        hot.bold = font.bold;
        hot.italic = font.italic;
        hot.underline = font.underline;
        hot.strikeOut = font.strikeOut;
    }
    SetHotTrackFont(hot);
}

void TCustomLinkLabel::SetTransparent(bool value)
{
    if (value == Transparent())
        return;
    SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TCustomLinkLabel::SetAlignment(TAlignment value)
{
    ChangeProperty(FAlignment, value, [this] { Changed(false); });
}

void TCustomLinkLabel::SetLayout(TTextLayout value)
{
    ChangeProperty(FLayout, value, [this] { Changed(false); });
}

void TCustomLinkLabel::SetWordWrap(bool value)
{
    ChangeProperty(FWordWrap, value, [this] { Changed(true); });
}

void TCustomLinkLabel::SetTextEllipsis(TTextEllipsis value)
{
    ChangeProperty(FTextEllipsis, value, [this] { Changed(false); });
}

void TCustomLinkLabel::SetShowAccelChar(bool value)
{
    ChangeProperty(FShowAccelChar, value, [this] { Changed(true); });
}

void TCustomLinkLabel::SetShadowColor(TColor value)
{
    ChangeProperty(FShadowColor, value, [this] { Changed(false); });
}

void TCustomLinkLabel::SetShadowSize(std::uint8_t value)
{
    ChangeProperty(FShadowSize, value, [this] { Changed(true); });
}

void TCustomLinkLabel::SetShadowPos(TShadowPosition value)
{
    ChangeProperty(FShadowPos, value, [this] { Changed(false); });
}

void TCustomLinkLabel::SetMargin(int value)
{
    value = std::max(value, 0);
    if (value == FMargin)
        return;
    FMargin = value;
    Changed(true);
}

void TCustomLinkLabel::SetFrameColor(TColor value)
{
    ChangeProperty(FFrameColor, value, [this] { Changed(false); });
}

// The corner cut must leave straight sides: at least 0, less than half the height.
void TCustomLinkLabel::SetRoundedFrame(int value)
{
    if (value == FRoundedFrame || value < 0 || value >= Height() / 2)
        return;
    FRoundedFrame = value;
    Changed(false);
}

void TCustomLinkLabel::SetFocusControl(TWinControl* control)
{
    if (control == FFocusControl)
        return;
    if (FFocusControl)
        RemoveFreeNotification(FFocusControl);
    FFocusControl = control;
    if (control)
        FreeNotification(control);
}

void TCustomLinkLabel::SetShowFocus(bool value)
{
    ChangeProperty(FShowFocus, value, [this] { Changed(false); });
}

void TCustomLinkLabel::Click()
{
    TExtGraphicControl::Click();
    if (!FAutoOpenURL || FURL.empty())
        return;
    if (!FShell)
        FShell = sw::MakeNativeShell();
    FShell->ShellOpen(0, "open", FURL, "");
}

void TCustomLinkLabel::MouseEnter()
{
    TExtGraphicControl::MouseEnter();
    EngageHotFont();
}

// The hot font takes over only for an enabled label while the application is in the foreground.
void TCustomLinkLabel::EngageHotFont()
{
    if (!FHot && PointerInside() && Enabled() && Application().Active() && FHotTrack) {
        FHot = true;
        FontChanged();
    }
}

// The hot font goes before the leave is announced, so the repaint that follows uses Font.
void TCustomLinkLabel::MouseLeave()
{
    if (FHot) {
        FHot = false;
        FontChanged();
    }
    TExtGraphicControl::MouseLeave();
}

void TCustomLinkLabel::FontChanged()
{
    TExtGraphicControl::FontChanged();
    FollowFont();
}

// Hovered: enabled, under the cursor (a disabled label counts), and the application active.
void TCustomLinkLabel::CheckHover()
{
    TForm* form = ParentForm();
    if (form == nullptr)
        return;
    bool hovered = Enabled() && Showing() && Application().Active();
    if (hovered) {
        // Hovered only when no other control lies over this one at the pointer.
        const TPoint cursor = Screen().CursorPos();
        hovered = form->ControlAtPos(form->ScreenToClient(cursor), true, true) == this;
    }
    if (hovered == PointerInside()) {
        // Already inside, e.g. entered while disabled: the hot font may apply now.
        if (hovered)
            EngageHotFont();
        return;
    }
    // Through the form, so that its own tracking sends the leave when the pointer goes.
    form->SetHoverControl(hovered ? this : nullptr);
}

void TCustomLinkLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtGraphicControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbRight)
        CheckHover();
}

void TCustomLinkLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtGraphicControl::MouseUp(button, shift, x, y);
    CheckHover();
}

void TCustomLinkLabel::EnabledChanged()
{
    TExtGraphicControl::EnabledChanged();
    CheckHover();
}

void TCustomLinkLabel::VisibleChanged()
{
    TExtGraphicControl::VisibleChanged();
    if (Visible())
        CheckHover();
}

bool TCustomLinkLabel::DialogChar(char key)
{
    if (!FShowAccelChar || !FFocusControl || !IsAccel(key, Caption()) || !FFocusControl->CanFocus())
        return false;
    FFocusControl->SetFocus();
    return true;
}

void TCustomLinkLabel::FocusChanged(TWinControl* focused)
{
    TExtGraphicControl::FocusChanged(focused);
    const bool targetFocused = FFocusControl != nullptr && focused == FFocusControl;
    if (targetFocused == FTargetFocused)
        return;
    FTargetFocused = targetFocused;
    if (FShowFocus)
        Invalidate();
}

unsigned TCustomLinkLabel::TextFormat() const { return CaptionFormat(FAlignment, FWordWrap); }

int TCustomLinkLabel::DoDrawText(TRect& rect, unsigned flags)
{
    const bool measuring = (flags & DT_CALCRECT) != 0;
    const std::string text = CaptionForDrawText(Caption(), FShowAccelChar, flags);
    if (FTextEllipsis == TTextEllipsis::teWordEllipsis)
        flags |= DT_WORD_ELLIPSIS;
    else if (FTextEllipsis == TTextEllipsis::tePathEllipsis)
        flags |= DT_PATH_ELLIPSIS;
    else if (FTextEllipsis == TTextEllipsis::teEndEllipsis)
        flags |= DT_END_ELLIPSIS;

    TCanvas& canvas = Canvas();
    canvas.Font = FHot ? FHotTrackFont : Font();
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    int shadowSize = FShadowSize;
    TShadowPosition shadowPos = FShadowPos;
    TColor shadowColor = FShadowColor;
    if (!Enabled()) {
        if (shadowSize == 0) {
            shadowSize = 1;
            shadowPos = TShadowPosition::spRightBottom;
        }
        canvas.Font.color = clGrayText;
        shadowColor = clBtnHighlight;
    }
    const TColor textColor = canvas.Font.color;
    TRect shadow = ShadowRect(rect, shadowPos, shadowSize);
    canvas.Font.color = shadowColor;
    canvas.DrawText(shadow, text, flags);
    canvas.Font.color = textColor;
    const int height = canvas.DrawText(rect, text, flags);
    if (measuring)
        rect = Union(rect, shadow);
    return height + shadowSize;
}

void TCustomLinkLabel::DrawRoundedFrame(TCanvas& canvas)
{
    const int r = FRoundedFrame;
    const int right = Width() - 1;
    const int bottom = Height() - 1;
    if (!Transparent()) {
        // The octagon's inside, row by row, up to its border.
        canvas.Brush = {Color(), TBrushStyle::bsSolid};
        for (int y = 1; y < bottom; ++y) {
            const int cut = std::max({r - y, r - (bottom - y), 0});
            canvas.FillRect({cut + 1, y, right - cut, y + 1});
        }
    }
    const TPoint outline[] = {{r, 0},
                              {right - r, 0},
                              {right, r},
                              {right, bottom - r},
                              {right - r, bottom},
                              {r, bottom},
                              {0, bottom - r},
                              {0, r},
                              {r, 0}};
    canvas.Pen = {FFrameColor};
    canvas.Polyline(outline);
    // The closing line leaves out its end pixel, which is the first corner.
    canvas.SetPixel(r, 0, FFrameColor);
}

void TCustomLinkLabel::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    canvas.Brush = {Color(), TBrushStyle::bsSolid};
    if (!Transparent() && (FRoundedFrame == 0 || FFrameColor == clNone))
        canvas.FillRect(client);
    if (FFrameColor != clNone) {
        if (FRoundedFrame == 0) {
            canvas.Brush = {FFrameColor, TBrushStyle::bsSolid};
            canvas.FrameRect(client);
        } else {
            DrawRoundedFrame(canvas);
        }
    }
    TRect rect = client;
    rect.Inflate(-FMargin, -FMargin);
    rect.Inflate(-1, 0);
    const unsigned format = TextFormat();
    if (FLayout != TTextLayout::tlTop) {
        TRect measured = rect;
        DoDrawText(measured, format | DT_CALCRECT);
        rect.Offset(0, LayoutOffset(FLayout, Height(), measured.bottom));
    }
    rect.left = FMargin;
    rect.right -= FMargin;
    DoDrawText(rect, format);
    if (FShowFocus && FFocusControl && FFocusControl->Focused()) {
        rect.Inflate(1, 0);
        canvas.DrawFocusRect(rect);
    }
}

// Fits the bounds to the text plus the margins and a pixel each side; right-aligned text
// keeps its right edge.
void TCustomLinkLabel::AdjustSize()
{
    if (!AutoSize() || Loading())
        return;
    TRect rect{0, 0, std::max(Width() - 2 * FMargin - 2, 0), 0};
    DoDrawText(rect, (TextFormat() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    const int width = rect.Width() + 2 * FMargin + 2;
    const int height = rect.Height() + 2 * FMargin;
    const int left = FAlignment == TAlignment::taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}
