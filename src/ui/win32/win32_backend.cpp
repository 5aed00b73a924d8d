// The Win32 backend: window classes and procedures, DIB blits, layered alpha, timers on a
// utility window, TrackPopupMenu, message boxes and the hint window.
// The toolkit's headers come first: several of their constants share names with macros of
// <windows.h>, which then only repeat the same values.
#include "ui/win32/win32_backend.h"

#include "ui/application.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <windowsx.h>

#include <memory>
#include <vector>

namespace {

constexpr char kFormClass[] = "SpacewellForm";
constexpr char kAppClass[] = "SpacewellApplication";
constexpr char kUtilClass[] = "SpacewellUtility";
constexpr char kHintClass[] = "SpacewellHint";
constexpr UINT kRunPosted = WM_APP + 1;

// Per form window: where its messages go, and whether a leave notification is requested.
struct FormWindow {
    IWindowHandler* handler = nullptr;
    bool tracking = false;
};

Win32Backend* gBackend = nullptr;

HWND H(WindowId id) { return reinterpret_cast<HWND>(id); }
WindowId Id(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }
TPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

COLORREF ToColorRef(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return RGB(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TShiftState MouseShift(WPARAM wParam)
{
    TShiftState s = 0;
    if (wParam & MK_SHIFT)
        s |= ssShift;
    if (wParam & MK_CONTROL)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    if (wParam & MK_LBUTTON)
        s |= ssLeft;
    if (wParam & MK_RBUTTON)
        s |= ssRight;
    if (wParam & MK_MBUTTON)
        s |= ssMiddle;
    return s;
}

// 0x00BBGGRR pixels as the top-down 32-bit DIB rows GDI expects (0x00RRGGBB in memory order).
std::vector<std::uint32_t> DibPixels(const TBitmap& image)
{
    std::vector<std::uint32_t> out(static_cast<std::size_t>(image.Width()) * image.Height());
    const std::uint32_t* in = image.Bits();
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint32_t p = in[i];
        out[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
    return out;
}

BITMAPINFO DibHeader(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP MakeDib(const TBitmap& image)
{
    BITMAPINFO info = DibHeader(image.Width(), image.Height());
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr) {
        std::vector<std::uint32_t> pixels = DibPixels(image);
        std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    }
    return dib;
}

// A picture with its transparent colour replaced by `background` (menus have no alpha here).
TBitmap Flatten(const TBitmap& image, TColor background)
{
    TBitmap out = image;
    if (!image.Transparent)
        return out;
    TColor key = ColorToRGB(image.EffectiveTransparentColor());
    TColor fill = ColorToRGB(background);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            if (out.Pixel(x, y) == key)
                out.SetPixel(x, y, fill);
    return out;
}

// An icon, or a cursor with its hot spot when `hotSpot` is given.
HICON MakeIcon(const TBitmap& image, TColor transparent, const TPoint* hotSpot = nullptr)
{
    if (image.Empty())
        return nullptr;
    // The mask is 1 where the picture is see-through; the colour there is black, so the
    // screen shows unchanged through the XOR step.
    TBitmap colorImage = image;
    TBitmap maskImage(image.Width(), image.Height());
    TColor key = transparent == clNone ? clNone : ColorToRGB(transparent);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const bool clear = image.Pixel(x, y) == key;
            maskImage.SetPixel(x, y, clear ? clWhite : clBlack);
            if (clear)
                colorImage.SetPixel(x, y, clBlack);
        }
    HBITMAP color = MakeDib(colorImage);
    HBITMAP mask = MakeDib(maskImage);
    ICONINFO info{};
    info.fIcon = hotSpot == nullptr ? TRUE : FALSE;
    if (hotSpot != nullptr) {
        info.xHotspot = static_cast<DWORD>(hotSpot->x);
        info.yHotspot = static_cast<DWORD>(hotSpot->y);
    }
    info.hbmColor = color;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

HFONT MakeFont(const TFontSpec& font)
{
    return CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                       font.underline, font.strikeOut, static_cast<BYTE>(font.charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
}

LRESULT Dispatch(IWindowHandler& h, FormWindow& fw, HWND hwnd, UINT msg, WPARAM wParam,
                 LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        h.WndPaint();
        return 0;
    }
    case WM_NCHITTEST: {
        LRESULT hit = DefWindowProcA(hwnd, msg, wParam, lParam);
        return hit == HTCLIENT ? h.WndHitTest(PointOf(lParam)) : hit;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT)
            break;
        {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd, &p);
            h.WndCursorAt({p.x, p.y});
        }
        return TRUE;
    case WM_MOUSEMOVE:
        if (!fw.tracking) {
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            fw.tracking = TrackMouseEvent(&track) != FALSE;
        }
        h.WndMouseMove(MouseShift(wParam), PointOf(lParam));
        return 0;
    case WM_MOUSELEAVE:
        fw.tracking = false;
        h.WndMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        TMouseButton b = msg == WM_LBUTTONDOWN   ? TMouseButton::mbLeft
                         : msg == WM_RBUTTONDOWN ? TMouseButton::mbRight
                                                 : TMouseButton::mbMiddle;
        h.WndMouseDown(b, MouseShift(wParam), PointOf(lParam));
        return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        TMouseButton b = msg == WM_LBUTTONUP   ? TMouseButton::mbLeft
                         : msg == WM_RBUTTONUP ? TMouseButton::mbRight
                                               : TMouseButton::mbMiddle;
        h.WndMouseUp(b, MouseShift(wParam), PointOf(lParam));
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        h.WndKeyDown(static_cast<std::uint16_t>(wParam), gBackend->KeyboardShift());
        if (msg == WM_SYSKEYDOWN)
            break;
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        h.WndKeyUp(static_cast<std::uint16_t>(wParam), gBackend->KeyboardShift());
        if (msg == WM_SYSKEYUP)
            break;
        return 0;
    case WM_CHAR:
        h.WndChar(static_cast<char>(wParam));
        return 0;
    case WM_HOTKEY:
        h.WndHotkey(static_cast<int>(wParam));
        return 0;
    case WM_WINDOWPOSCHANGED: {
        RECT r;
        GetWindowRect(hwnd, &r);
        h.WndMoved({r.left, r.top, r.right, r.bottom});
        return 0;
    }
    case WM_ACTIVATE:
        h.WndActivate(LOWORD(wParam) != WA_INACTIVE);
        break;
    case WM_CLOSE:
        h.WndCloseRequest();
        return 0;
    case WM_SYSCOMMAND:
        // Minimizing any form minimizes the application, as its taskbar button does.
        if ((wParam & 0xFFF0) == SC_MINIMIZE)
            return gBackend->AppMessage(msg, wParam, lParam);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* fw = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (fw == nullptr || fw->handler == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    // Nothing may escape into the system's code.
    try {
        return Dispatch(*fw->handler, *fw, hwnd, msg, wParam, lParam);
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK AppProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (gBackend == nullptr || gBackend->AppWindow() != Id(hwnd))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return gBackend->AppMessage(msg, wParam, lParam);
}

LRESULT CALLBACK UtilProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (gBackend == nullptr || (msg != WM_TIMER && msg != kRunPosted))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return gBackend->UtilityMessage(msg, wParam, lParam);
}

LRESULT CALLBACK HintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT && gBackend != nullptr) {
        gBackend->PaintHint();
        return 0;
    }
    if (msg == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterClassOnce(const char* name, WNDPROC proc, UINT style)
{
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

void AppendEntries(HMENU menu, const std::vector<TMenuEntry>& items, std::vector<HBITMAP>& pictures)
{
    for (const TMenuEntry& e : items) {
        if (e.caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
        info.fType = e.radio ? MFT_RADIOCHECK : MFT_STRING;
        info.fState = (e.checked ? MFS_CHECKED : 0u) | (e.enabled ? 0u : MFS_GRAYED) |
                      (e.isDefault ? MFS_DEFAULT : 0u);
        info.wID = static_cast<UINT>(e.command);
        info.dwTypeData = const_cast<char*>(e.caption.c_str());
        if (!e.items.empty()) {
            HMENU sub = CreatePopupMenu();
            AppendEntries(sub, e.items, pictures);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = sub;
        }
        if (e.picture != nullptr && !e.picture->Empty()) {
            HBITMAP picture = MakeDib(Flatten(*e.picture, clMenu));
            pictures.push_back(picture);
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = picture;
        }
        InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

}  // namespace

Win32Backend::Win32Backend() : FGuiThread(GetCurrentThreadId())
{
    gBackend = this;
    RegisterClassOnce(kFormClass, FormProc, 0);
    RegisterClassOnce(kAppClass, AppProc, 0);
    RegisterClassOnce(kUtilClass, UtilProc, 0);
    RegisterClassOnce(kHintClass, HintProc, CS_SAVEBITS);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // A zero-sized captioned popup: it shows only as the taskbar button.
    FAppWindow = Id(CreateWindowExA(
        0, kAppClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
        nullptr, instance, nullptr));
    FUtilWindow = Id(CreateWindowExA(0, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     instance, nullptr));
    FHintWindow =
        Id(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "", WS_POPUP | WS_BORDER,
                           0, 0, 0, 0, nullptr, nullptr, instance, nullptr));
}

Win32Backend::~Win32Backend()
{
    for (auto& [id, tick] : FTimers)
        KillTimer(H(FUtilWindow), static_cast<UINT_PTR>(id));
    for (auto& [window, icon] : FIcons)
        DestroyIcon(reinterpret_cast<HICON>(icon));
    if (FAppIcon != 0)
        DestroyIcon(reinterpret_cast<HICON>(FAppIcon));
    for (std::uintptr_t cursor : FCursors)
        DestroyCursor(reinterpret_cast<HCURSOR>(cursor));
    DestroyWindow(H(FHintWindow));
    DestroyWindow(H(FUtilWindow));
    DestroyWindow(H(FAppWindow));
    if (gBackend == this)
        gBackend = nullptr;
}

WindowId Win32Backend::NewWindow(const TWindowParams& params, IWindowHandler* handler)
{
    DWORD style =
        params.framed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX : WS_POPUP;
    DWORD exStyle = (params.toolWindow ? WS_EX_TOOLWINDOW : 0) |
                    (params.topmost ? WS_EX_TOPMOST : 0) | (params.layered ? WS_EX_LAYERED : 0);
    auto* fw = new FormWindow{handler, false};
    const TRect& b = params.bounds;
    HWND hwnd = CreateWindowExA(exStyle, kFormClass, params.caption.c_str(),
                                style | WS_CLIPCHILDREN, b.left, b.top, b.Width(), b.Height(),
                                H(FAppWindow), nullptr, GetModuleHandleA(nullptr), fw);
    if (hwnd == nullptr) {
        delete fw;
        return 0;
    }
    if (params.layered)
        SetLayeredWindowAttributes(hwnd, 0, params.alpha, LWA_ALPHA);
    return Id(hwnd);
}

void Win32Backend::FreeWindow(WindowId window)
{
    HWND hwnd = H(window);
    auto* fw = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
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
}

void Win32Backend::SetWindowVisible(WindowId window, bool visible)
{
    ShowWindow(H(window), visible ? SW_SHOW : SW_HIDE);
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
}

void Win32Backend::SetWindowTopmost(WindowId window, bool topmost)
{
    SetWindowPos(H(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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

void Win32Backend::Present(WindowId window, const TBitmap& image, TRect dirty)
{
    if (image.Empty())
        return;
    HWND hwnd = H(window);
    std::vector<std::uint32_t> pixels = DibPixels(image);
    BITMAPINFO info = DibHeader(image.Width(), image.Height());
    HDC dc = GetDC(hwnd);
    // Rows are counted from the top for a top-down DIB.
    SetDIBitsToDevice(dc, dirty.left, dirty.top, static_cast<DWORD>(dirty.Width()),
                      static_cast<DWORD>(dirty.Height()), dirty.left, image.Height() - dirty.bottom,
                      0, static_cast<UINT>(image.Height()), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(hwnd, dc);
    ValidateRect(hwnd, nullptr);
}

void Win32Backend::InvalidateWindow(WindowId window) { InvalidateRect(H(window), nullptr, FALSE); }

void Win32Backend::SetForeground(WindowId window) { SetForegroundWindow(H(window)); }

WindowId Win32Backend::Foreground() { return Id(GetForegroundWindow()); }

void Win32Backend::SetCapture(WindowId window) { ::SetCapture(H(window)); }

void Win32Backend::ReleaseCapture() { ::ReleaseCapture(); }

void Win32Backend::SetAppTitle(const std::string& title)
{
    SetWindowTextA(H(FAppWindow), title.c_str());
}

void Win32Backend::SetAppIcon(const TBitmap& image, TColor transparent)
{
    HICON icon = MakeIcon(image, transparent);
    SendMessageA(H(FAppWindow), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(H(FAppWindow), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (FAppIcon != 0)
        DestroyIcon(reinterpret_cast<HICON>(FAppIcon));
    FAppIcon = reinterpret_cast<std::uintptr_t>(icon);
}

void Win32Backend::ShowAppWindow(bool visible, bool activate)
{
    ShowWindow(H(FAppWindow), !visible ? SW_HIDE : activate ? SW_SHOW : SW_SHOWNOACTIVATE);
}

bool Win32Backend::AppWindowIconic() { return IsIconic(H(FAppWindow)) != FALSE; }

void Win32Backend::MinimizeApp() { ShowWindow(H(FAppWindow), SW_MINIMIZE); }

void Win32Backend::RestoreApp() { ShowWindow(H(FAppWindow), SW_RESTORE); }

bool Win32Backend::AppActive()
{
    DWORD pid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &pid);
    return pid == GetCurrentProcessId();
}

TPoint Win32Backend::CursorPos()
{
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Backend::SetCursorPos(TPoint screen) { ::SetCursorPos(screen.x, screen.y); }

void Win32Backend::ClipCursor(const TRect* screen)
{
    if (screen == nullptr) {
        ::ClipCursor(nullptr);
        return;
    }
    RECT r{screen->left, screen->top, screen->right, screen->bottom};
    ::ClipCursor(&r);
}

std::uintptr_t Win32Backend::LoadStockCursor(TCursor id)
{
    int resource = 32512;  // IDC_ARROW
    switch (id) {
    case crNone:
        return 0;
    case crCross:
        resource = 32515;
        break;
    case crIBeam:
        resource = 32513;
        break;
    case crHourGlass:
        resource = 32514;
        break;
    case crNo:
        resource = 32648;
        break;
    case crHandPoint:
        resource = 32649;
        break;
    case crSizeAll:
        resource = 32646;
        break;
    default:
        break;
    }
    return reinterpret_cast<std::uintptr_t>(LoadCursorA(nullptr, MAKEINTRESOURCEA(resource)));
}

std::uintptr_t Win32Backend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    HICON cursor = MakeIcon(image, transparent, &hotSpot);
    if (cursor == nullptr)
        return 0;
    FCursors.push_back(reinterpret_cast<std::uintptr_t>(cursor));
    return FCursors.back();
}

void Win32Backend::SetCursorShape(std::uintptr_t cursor)
{
    ::SetCursor(reinterpret_cast<HCURSOR>(cursor));
}

TShiftState Win32Backend::KeyboardShift()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

bool Win32Backend::KeyPressed(std::uint16_t virtualKey) { return GetKeyState(virtualKey) < 0; }

TSize Win32Backend::ScreenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int Win32Backend::StartTimer(unsigned intervalMs, std::function<void()> tick)
{
    int id = FNextTimer++;
    if (SetTimer(H(FUtilWindow), static_cast<UINT_PTR>(id), intervalMs, nullptr) == 0)
        throw std::runtime_error("No timer resources left.");
    FTimers[id] = std::move(tick);
    return id;
}

void Win32Backend::StopTimer(int id)
{
    if (FTimers.erase(id) != 0)
        KillTimer(H(FUtilWindow), static_cast<UINT_PTR>(id));
}

int Win32Backend::TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen)
{
    HMENU menu = CreatePopupMenu();
    std::vector<HBITMAP> pictures;
    AppendEntries(menu, items, pictures);
    int command =
        static_cast<int>(::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                          screen.x, screen.y, 0, H(FUtilWindow), nullptr));
    DestroyMenu(menu);
    for (HBITMAP picture : pictures)
        DeleteObject(picture);
    return command;
}

int Win32Backend::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned style)
{
    return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), style);
}

void Win32Backend::ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                                  const TFontSpec& font)
{
    FHintText = text;
    FHintColor = color;
    FHintFont = font;
    HWND hwnd = H(FHintWindow);
    HDC dc = GetDC(hwnd);
    HFONT f = MakeFont(font);
    HGDIOBJ old = SelectObject(dc, f);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(f);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, HWND_TOPMOST, screen.x, screen.y, r.right + 8, r.bottom + 4,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32Backend::PaintHint()
{
    HWND hwnd = H(FHintWindow);
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
    r.left += 2;
    r.top += 1;
    DrawTextA(dc, FHintText.c_str(), static_cast<int>(FHintText.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(f);
    EndPaint(hwnd, &ps);
}

void Win32Backend::HideHintWindow()
{
    if (IsWindowVisible(H(FHintWindow)))
        ShowWindow(H(FHintWindow), SW_HIDE);
    FHintText.clear();
}

void Win32Backend::Run()
{
    // Only a quit asked for while this loop runs ends it; the application decides whether to
    // enter it at all.
    FQuitRequested = false;
    MSG msg;
    while (!FQuitRequested && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A flag rather than WM_QUIT: a WM_QUIT nobody takes out of the queue outranks WM_TIMER and
// WM_PAINT, so timers and painting would stop for good.
void Win32Backend::QuitLoop()
{
    FQuitRequested = true;
    // Wakes a waiting GetMessageA; with nothing posted the message does no work.
    PostMessageA(H(FUtilWindow), kRunPosted, 0, 0);
}

void Win32Backend::ProcessMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32Backend::PostToGuiThread(std::function<void()> work)
{
    {
        std::lock_guard lock(FPostLock);
        FPosted.push_back(std::move(work));
    }
    PostMessageA(H(FUtilWindow), kRunPosted, 0, 0);
}

bool Win32Backend::IsGuiThread() { return GetCurrentThreadId() == FGuiThread; }

void Win32Backend::Pause(unsigned ms) { ::Sleep(ms); }

std::uint32_t Win32Backend::TickCount() { return GetTickCount(); }

unsigned Win32Backend::DoubleClickTime() { return GetDoubleClickTime(); }

void Win32Backend::RunPosted()
{
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(FPostLock);
        work.swap(FPosted);
    }
    for (auto& item : work)
        Application().Guard(item);
}

std::intptr_t Win32Backend::UtilityMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t)
{
    if (msg == kRunPosted) {
        RunPosted();
        return 0;
    }
    auto it = FTimers.find(static_cast<int>(wParam));
    if (it != FTimers.end()) {
        // Copy: the tick may stop its own timer.
        std::function<void()> tick = it->second;
        Application().Guard(tick);
    }
    return 0;
}

std::intptr_t Win32Backend::AppMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    if (FAppHandler != nullptr && FAppHandler->AppMessage(message))
        return message.Result;
    return DefWindowProcA(H(FAppWindow), msg, wParam, lParam);
}

std::unique_ptr<Backend> MakeNativeBackend() { return std::make_unique<Win32Backend>(); }
