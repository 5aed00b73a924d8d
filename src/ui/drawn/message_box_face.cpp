#include "ui/drawn/message_box_face.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "ui/drawn/message_box_icon.h"
#include "ui/drawn/popup_look.h"

namespace {

constexpr unsigned kTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT;

TFontSpec BoxFont(int dpi)
{
    TFontSpec font = PopupFont(dpi);
    font.color = clWindowText;
    return font;
}

TSize TextSize(const std::string& text, int dpi)
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font = BoxFont(dpi);
    TRect r{0, 0, PopupScaled(400, dpi), 0};
    canvas.DrawText(r, text, kTextFormat | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

void PaintButton(TCanvas& canvas, const TRect& r, const char* caption, bool focused, bool pressed,
                 int dpi)
{
    TRect face = r;
    if (focused) {
        canvas.Brush.color = cl3DDkShadow;
        canvas.FrameRect(face);
        face.Inflate(-1, -1);
    }
    PaintEdge(canvas, face, pressed ? kSunkenButtonEdge : kRaisedButtonEdge);
    TRect text = r;
    if (pressed)
        text.Offset(1, 1);
    canvas.Font = BoxFont(dpi);
    canvas.Font.color = clBtnText;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.DrawText(text, caption, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    if (focused)
        canvas.DrawFocusRect(TRect(r).Inflate(-4, -4));
}

}  // namespace

std::vector<TMsgBoxResult> MsgBoxButtonResults(TMsgBoxButtons buttons)
{
    switch (buttons) {
    case TMsgBoxButtons::OkCancel:
        return {TMsgBoxResult::Ok, TMsgBoxResult::Cancel};
    case TMsgBoxButtons::YesNo:
        return {TMsgBoxResult::Yes, TMsgBoxResult::No};
    case TMsgBoxButtons::Ok:
        break;
    }
    return {TMsgBoxResult::Ok};
}

const char* MsgBoxButtonCaption(TMsgBoxResult button)
{
    switch (button) {
    case TMsgBoxResult::Cancel:
        return "Cancel";
    case TMsgBoxResult::Yes:
        return "&Yes";
    case TMsgBoxResult::No:
        return "&No";
    case TMsgBoxResult::Ok:
        break;
    }
    return "OK";
}

TMsgBoxFace LayoutMessageBox(const std::string& text, TMsgBoxButtons buttons, TMsgBoxIcon icon,
                             int dpi)
{
    TMsgBoxFace face;
    face.dpi = dpi;
    const int margin = PopupScaled(12, dpi);
    int left = margin;
    if (icon != TMsgBoxIcon::None) {
        const int side = PopupScaled(32, dpi);
        face.icon = {margin, margin, margin + side, margin + side};
        left = face.icon.right + margin;
    }
    const TSize textSize = TextSize(text, dpi);
    // A short text sits level with the middle of the icon.
    const int top = std::max(margin, face.icon.top + (face.icon.Height() - textSize.cy) / 2);
    face.text = {left, top, left + textSize.cx, top + textSize.cy};

    const std::size_t count = MsgBoxButtonResults(buttons).size();
    const int width = PopupScaled(75, dpi), height = PopupScaled(23, dpi);
    const int gap = PopupScaled(6, dpi);
    const int rowWidth = static_cast<int>(count) * width + static_cast<int>(count - 1) * gap;
    face.size.cx = std::max(face.text.right + margin, rowWidth + 2 * margin);
    const int buttonTop = std::max(face.text.bottom, face.icon.bottom) + margin;
    int x = (face.size.cx - rowWidth) / 2;
    for (std::size_t i = 0; i < count; ++i, x += width + gap)
        face.buttons.push_back({x, buttonTop, x + width, buttonTop + height});
    face.size.cy = buttonTop + height + margin;
    return face;
}

TBitmap PaintMessageBox(const TMsgBoxFace& face, const std::string& text, TMsgBoxButtons buttons,
                        TMsgBoxIcon icon, int focused, int pressed)
{
    TBitmap image(face.size.cx, face.size.cy);
    TCanvas& canvas = image.Canvas();
    canvas.Brush.color = clBtnFace;
    canvas.FillRect(image.BoundsRect());
    PaintMsgBoxIcon(canvas, icon, face.icon);
    canvas.Font = BoxFont(face.dpi);
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    TRect textRect = face.text;
    canvas.DrawText(textRect, text, kTextFormat);
    const std::vector<TMsgBoxResult> results = MsgBoxButtonResults(buttons);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const int index = static_cast<int>(i);
        PaintButton(canvas, face.buttons[i], MsgBoxButtonCaption(results[i]), index == focused,
                    index == pressed, face.dpi);
    }
    return image;
}

int MsgBoxButtonAt(const TMsgBoxFace& face, TPoint point) { return IndexAt(face.buttons, point); }
