// The message box, and the hint window: a small pop-up painted with the text of a hint.
#include "ui/win32/win32_internal.h"

#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/win32/windows_api.h"

using namespace win32ui;

namespace {

// The hint's margins, given in 96-dpi pixels, at the scale its font is meant for.
int AtFontScale(int designPixels, const TFontSpec& font)
{
    return MulDiv(designPixels, font.pixelsPerInch, 96);
}

// The hint on its background, its text through the toolkit's font engine like every other text
// of the program, so that it has their size and glyphs at every scale.
TBitmap HintPicture(const std::string& text, TColor color, const TFontSpec& font)
{
    const TSize extent = Fonts().TextExtent(font, text);
    TBitmap image(extent.cx + AtFontScale(8, font), extent.cy + AtFontScale(4, font));
    image.Fill(image.BoundsRect(), ColorToRGB(color));
    Fonts().DrawText(image, image.BoundsRect(), AtFontScale(2, font), AtFontScale(1, font), font,
                     text, ColorToRGB(font.color));
    return image;
}

}  // namespace

TMsgBoxResult Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption,
                                           TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    PutAppWindowOnScreen();
    ModalLoop(true);
    const int answer = MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(),
                                   MessageBoxStyle(buttons, icon));
    ModalLoop(false);
    return MessageBoxResult(answer);
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
    const TBitmap picture = HintPicture(text, color, font);
    SetWindowPos(hwnd, HWND_TOPMOST, screen.x, screen.y, picture.Width(), picture.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Backend::PaintHint()
{
    HWND hwnd = H(HintWindow());
    const TBitmap picture = HintPicture(FHintText, FHintColor, FHintFont);
    const std::vector<std::uint32_t> pixels = DibPixels(picture);
    const BITMAPINFO info = sw::DibHeader(picture.Width(), picture.Height());
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(picture.Width()),
                      static_cast<DWORD>(picture.Height()), 0, 0, 0,
                      static_cast<UINT>(picture.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(hwnd, &ps);
}

void Win32Backend::HideHintWindow()
{
    if (FHintWindow != 0 && IsWindowVisible(H(FHintWindow))) {
        ShowWindow(H(FHintWindow), SW_HIDE);
        ++FScreenChanges;
    }
    FHintText.clear();
}
