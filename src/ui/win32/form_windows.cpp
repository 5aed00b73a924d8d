// Form windows: created per form, placed, shown, blended and painted from its picture.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

WindowId Win32Backend::NewWindow(const TWindowParams& params, IWindowHandler* handler)
{
    DWORD style =
        params.framed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : WS_POPUP;
    DWORD exStyle = (params.toolWindow ? WS_EX_TOOLWINDOW : 0) |
                    (params.topmost ? WS_EX_TOPMOST : 0) | (params.layered ? WS_EX_LAYERED : 0);
    auto* fw = new FormWindow{handler};
    fw->framed = params.framed;
    const TRect& b = params.bounds;
    HWND hwnd = CreateWindowExA(exStyle, kFormClass, params.caption.c_str(),
                                style | WS_CLIPCHILDREN, b.left, b.top, b.Width(), b.Height(),
                                H(FAppWindow), nullptr, GetModuleHandleA(nullptr), fw);
    if (hwnd == nullptr) {
        delete fw;
        return 0;
    }
    fw->dc = GetDC(hwnd);
    if (params.layered)
        SetLayeredWindowAttributes(hwnd, 0, params.alpha, LWA_ALPHA);
    return Id(hwnd);
}

void Win32Backend::FreeWindow(WindowId window)
{
    HWND hwnd = H(window);
    FormWindow* fw = FormOf(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    ++FScreenChanges;
    delete fw;
    auto icon = FIcons.find(window);
    if (icon != FIcons.end()) {
        DestroyIcon(reinterpret_cast<HICON>(icon->second));
        FIcons.erase(icon);
    }
}

TRect Win32Backend::FrameMargins(const TWindowParams& params)
{
    if (!params.framed)
        return {};
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, FALSE,
                       params.toolWindow ? WS_EX_TOOLWINDOW : 0);
    return {-r.left, -r.top, r.right, r.bottom};
}

void Win32Backend::SetWindowBounds(WindowId window, TRect screen)
{
    SetWindowPos(H(window), nullptr, screen.left, screen.top, screen.Width(), screen.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ++FScreenChanges;
}

// A program hidden in the tray keeps no picture-sized buffer.
void Win32Backend::SetWindowVisible(WindowId window, bool visible)
{
    ShowWindow(H(window), visible ? SW_SHOW : SW_HIDE);
    ++FScreenChanges;
    if (!visible)
        std::vector<std::uint32_t>().swap(FPresentPixels);
}

void Win32Backend::SetWindowCaption(WindowId window, const std::string& caption)
{
    SetWindowTextA(H(window), caption.c_str());
}

void Win32Backend::SetWindowAlpha(WindowId window, bool layered, std::uint8_t alpha)
{
    HWND hwnd = H(window);
    LONG_PTR ex = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    LONG_PTR wanted = layered ? ex | WS_EX_LAYERED : ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
    if (wanted != ex)
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, wanted);
    if (layered)
        SetLayeredWindowAttributes(hwnd, 0, alpha, LWA_ALPHA);
    else
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    ++FScreenChanges;
}

void Win32Backend::SetWindowTopmost(WindowId window, bool topmost)
{
    SetWindowPos(H(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ++FScreenChanges;
}

void Win32Backend::SetWindowIcon(WindowId window, const TBitmap& image, TColor transparent)
{
    HICON icon = MakeIcon(image, transparent);
    if (icon == nullptr)
        return;
    SendMessageA(H(window), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(H(window), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    auto& slot = FIcons[window];
    if (slot != 0)
        DestroyIcon(reinterpret_cast<HICON>(slot));
    slot = reinterpret_cast<std::uintptr_t>(icon);
}

// Only the changed rectangle is converted and sent: a scrolling heading changes 70 x 18 pixels
// of a window many times that size, twenty times a second. The conversion goes into a buffer
// kept while windows show: the memory window's refresh, twice a second, allocated and zeroed a
// whole picture's worth each time. Only a whole picture makes a repaint the platform still has
// queued needless, and one is queued only if the backend asked for it or changed the screen
// since the window was last validated: each validation is a trip to the wineserver under Wine,
// and the memory window's refresh, twice a second, needs none. A paint the system queues for a
// window uncovered by another program's comes and repaints it as before.
void Win32Backend::Present(WindowId window, const TBitmap& image, TRect dirty)
{
    dirty = dirty.Intersect(image.BoundsRect());
    if (dirty.IsEmpty())
        return;
    HWND hwnd = H(window);
    FormWindow* fw = FormOf(hwnd);
    if (fw == nullptr || fw->dc == nullptr)
        return;
    DibPixels(image, dirty, FPresentPixels);
    BITMAPINFO info = sw::DibHeader(dirty.Width(), dirty.Height());
    SetDIBitsToDevice(fw->dc, dirty.left, dirty.top, static_cast<DWORD>(dirty.Width()),
                      static_cast<DWORD>(dirty.Height()), 0, 0, 0,
                      static_cast<UINT>(dirty.Height()), FPresentPixels.data(), &info,
                      DIB_RGB_COLORS);
    if (dirty == image.BoundsRect() && (fw->paintAsked || fw->validatedAt != FScreenChanges)) {
        ValidateRect(hwnd, nullptr);
        fw->paintAsked = false;
        fw->validatedAt = FScreenChanges;
    }
}

// Captions change several at a time (the memory window's, twice a second): the first asks for
// the paint, the others find it asked.
void Win32Backend::InvalidateWindow(WindowId window)
{
    FormWindow* fw = FormOf(H(window));
    if (fw != nullptr && fw->paintAsked)
        return;
    InvalidateRect(H(window), nullptr, FALSE);
    if (fw != nullptr)
        fw->paintAsked = true;
}

void Win32Backend::SetForeground(WindowId window) { SetForegroundWindow(H(window)); }

WindowId Win32Backend::Foreground() { return Id(GetForegroundWindow()); }

void Win32Backend::SetCapture(WindowId window) { ::SetCapture(H(window)); }

void Win32Backend::ReleaseCapture() { ::ReleaseCapture(); }
