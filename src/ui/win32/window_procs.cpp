// The window procedures: a form's messages become the toolkit's window events; the
// application, utility and hint windows forward theirs to the backend.
#include "ui/win32/win32_internal.h"

#include <windowsx.h>

#include <optional>

namespace win32ui {

Win32Backend* gBackend = nullptr;

namespace {

// WM_DPICHANGED, which older SDK headers lack.
constexpr UINT kWmDpiChanged = 0x02E0;

TPoint PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The client point under a non-client message's screen point, when it lies in the client area:
// there the hit test made the body a caption, which drags the window.
std::optional<TPoint> BodyPoint(HWND hwnd, LPARAM lParam)
{
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &p);
    RECT client;
    GetClientRect(hwnd, &client);
    if (PtInRect(&client, p) == FALSE)
        return std::nullopt;
    return TPoint{p.x, p.y};
}

// Asks for the leave notification of the area the pointer is in, unless it is already asked.
void TrackLeave(FormWindow& fw, HWND hwnd, Tracking area)
{
    if (fw.tracking == area)
        return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    if (area == Tracking::body)
        track.dwFlags |= TME_NONCLIENT;
    fw.tracking = TrackMouseEvent(&track) != FALSE ? area : Tracking::none;
}

// A leave of either kind also comes when the pointer only passes between the body and a
// control that takes the mouse; the toolkit hears of a leave only once it left the window.
void PointerLeft(IWindowHandler& h, FormWindow& fw, HWND hwnd, Tracking area)
{
    if (fw.tracking == area)
        fw.tracking = Tracking::none;
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) != hwnd)
        h.WndMouseLeave();
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

// The picture is presented through the window's own DC, so WM_PAINT only has to validate. A
// borderless window does so in one trip to the wineserver under Wine, where BeginPaint and
// EndPaint take four (the caret twice, the update region, the visible region); a framed one
// needs them for its frame.
void ValidateForPaint(const FormWindow& fw, HWND hwnd)
{
    if (!fw.framed) {
        ValidateRect(hwnd, nullptr);
        return;
    }
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
}

LRESULT Dispatch(IWindowHandler& h, FormWindow& fw, HWND hwnd, UINT msg, WPARAM wParam,
                 LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        ValidateForPaint(fw, hwnd);
        fw.paintAsked = false;
        fw.validatedAt = gBackend->ScreenChanges();
        h.WndPaint();
        return 0;
    }
    case WM_NCHITTEST: {
        LRESULT hit = DefWindowProcA(hwnd, msg, wParam, lParam);
        return hit == HTCLIENT ? HitTestCode(h.WndHitTest(PointOf(lParam))) : hit;
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
        TrackLeave(fw, hwnd, Tracking::client);
        h.WndMouseMove(MouseShift(wParam), PointOf(lParam));
        return 0;
    case WM_NCMOUSEMOVE:
        if (auto client = BodyPoint(hwnd, lParam)) {
            TrackLeave(fw, hwnd, Tracking::body);
            h.WndMouseHover(*client);
        }
        break;
    case WM_MOUSELEAVE:
        PointerLeft(h, fw, hwnd, Tracking::client);
        return 0;
    case WM_NCMOUSELEAVE:
        PointerLeft(h, fw, hwnd, Tracking::body);
        break;
    case WM_NCLBUTTONDOWN:
        // The press starts dragging the window: no hint may show meanwhile.
        if (BodyPoint(hwnd, lParam))
            h.WndMouseLeave();
        break;
    case WM_NCLBUTTONDBLCLK:
        // Sent without CS_DBLCLKS where the hit test answered for the frame; the system's own
        // reaction (no drag, maybe a maximize) is left out.
        if (auto client = BodyPoint(hwnd, lParam)) {
            h.WndBodyDoubleClick(*client);
            return 0;
        }
        break;
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
        h.WndKeyDown(KeyOf(wParam), gBackend->KeyboardShift());
        if (msg == WM_SYSKEYDOWN)
            break;
        return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        h.WndKeyUp(KeyOf(wParam), gBackend->KeyboardShift());
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
    case kWmDpiChanged: {
        // The new scale is the same on both axes; lParam points at the suggested window rect.
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        h.WndDpiChanged(HIWORD(wParam), {r.left, r.top, r.right, r.bottom});
        return 0;
    }
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
        gBackend->NoteModalLoop(msg);
        break;
    case WM_CLOSE:
        h.WndCloseRequest();
        return 0;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
    case WM_DISPLAYCHANGE:
    case WM_DEVICECHANGE:
        if (auto answer = gBackend->DeskNotice(msg, wParam, lParam))
            return *answer;
        break;
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
    FormWindow* fw = FormOf(hwnd);
    if (fw == nullptr || fw->handler == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    // Nothing may escape into the system's code.
    try {
        return Dispatch(*fw->handler, *fw, hwnd, msg, wParam, lParam);
    } catch (...) {
        gBackend->ReportProblem(std::current_exception());
        return 0;
    }
}

LRESULT CALLBACK AppProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (gBackend == nullptr || gBackend->AppWindow() != Id(hwnd))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    return gBackend->AppMessage(msg, wParam, lParam);
}

// Pop-up menus are tracked on this window, so their loops announce themselves here.
LRESULT CALLBACK UtilProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (gBackend == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg != WM_TIMER && msg != kRunPosted) {
        gBackend->NoteModalLoop(msg);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
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

}  // namespace

void RegisterWindowClasses()
{
    // A form keeps its device context for life: each present then skips fetching and
    // releasing one, which under Wine costs trips to the wineserver and the X server.
    RegisterClassOnce(kFormClass, FormProc, CS_OWNDC);
    RegisterClassOnce(kAppClass, AppProc, 0);
    RegisterClassOnce(kUtilClass, UtilProc, 0);
    RegisterClassOnce(kHintClass, HintProc, CS_SAVEBITS);
}

}  // namespace win32ui
