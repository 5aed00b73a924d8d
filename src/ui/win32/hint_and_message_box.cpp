// The message box, and the hint window: a small pop-up painted with the text of a hint.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

namespace {

// The hint's margins, given in 96-dpi pixels, at the scale its font is meant for.
int AtFontScale(int designPixels, const TFontSpec& font)
{
    return MulDiv(designPixels, font.pixelsPerInch, 96);
}

COLORREF ToColorRef(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return RGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

HFONT MakeFont(const TFontSpec& font)
{
    return CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                       font.underline, font.strikeOut, static_cast<BYTE>(font.charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
}

}  // namespace

TMsgBoxResult Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption,
                                           TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    PutAppWindowOnScreen();
    return MessageBoxResult(MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                                        MessageBoxStyle(buttons, icon)));
}

void Win32Backend::ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                                  const TFontSpec& font)
{
    FHintText = text;
    FHintColor = color;
    FHintFont = font;
    HWND hwnd = H(HintWindow());
    // Also its title, where accessibility tools read a pop-up's text.
    SetWindowTextA(hwnd, text.c_str());
    HDC dc = GetDC(hwnd);
    HFONT f = MakeFont(font);
    HGDIOBJ old = SelectObject(dc, f);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(f);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, HWND_TOPMOST, screen.x, screen.y, r.right + AtFontScale(8, font),
                 r.bottom + AtFontScale(4, font), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Backend::PaintHint()
{
    HWND hwnd = H(HintWindow());
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = CreateSolidBrush(ToColorRef(FHintColor));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    HFONT f = MakeFont(FHintFont);
    HGDIOBJ old = SelectObject(dc, f);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(FHintFont.color));
    r.left += AtFontScale(2, FHintFont);
    r.top += AtFontScale(1, FHintFont);
    DrawTextA(dc, FHintText.c_str(), static_cast<int>(FHintText.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(f);
    EndPaint(hwnd, &ps);
}

void Win32Backend::HideHintWindow()
{
    if (FHintWindow != 0 && IsWindowVisible(H(FHintWindow)))
        ShowWindow(H(FHintWindow), SW_HIDE);
    FHintText.clear();
}
