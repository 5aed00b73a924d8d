// The notification area over shell32: a hidden "TPUtilWindowEx" window per icon owner whose
// window procedure turns the shell's and the session's messages into the owner's events,
// Shell_NotifyIconA with the data block laid out for the shell version in use, and the system
// queries the tray component needs.
#include "platform/win32/win32_notify_shell.h"

#include <shellapi.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/win32_icon.h"

namespace sw {

namespace {

const char kWindowClass[] = "TPUtilWindowEx";

LRESULT CALLBACK TrayWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

void RegisterTrayWindowClass()
{
    // Registered once per process; a failure shows as the window that cannot then be made.
    [[maybe_unused]] static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TrayWindowMessage;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassA(&windowClass) != 0;
    }();
}

// Copies `text` into a fixed field, cut to `limit` characters and always terminated.
template <std::size_t N>
void CopyField(char (&field)[N], const std::string& text, std::size_t limit = N - 1)
{
    std::strncpy(field, text.c_str(), limit < N ? limit : N - 1);
}

class TrayWindow : public ITrayWindow {
public:
    TrayWindow(ITrayEvents& events, const ShellDialect& dialect)
        : FEvents(events), FDialect(dialect),
          FTaskbarCreated(RegisterWindowMessageA("TaskbarCreated"))
    {
        RegisterTrayWindowClass();
        FWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        if (FWindow)
            SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TrayWindow() override
    {
        if (FWindow) {
            SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
            DestroyWindow(FWindow);
        }
        if (FIcon)
            DestroyIcon(FIcon);
    }

    WindowId Handle() const override { return reinterpret_cast<WindowId>(FWindow); }

    bool ShowIcon(const IconImage& image, const std::string& tip) override
    {
        UseImage(image);
        NOTIFYICONDATAA block = Block(NIF_MESSAGE | NIF_ICON | NIF_TIP);
        CopyTip(block, tip);
        const bool added = Shell_NotifyIconA(NIM_ADD, &block) != FALSE;
        if (FDialect.version3) {
            NOTIFYICONDATAA version = Block(0);
            version.uVersion = NOTIFYICON_VERSION;
            Shell_NotifyIconA(NIM_SETVERSION, &version);
        }
        return added;
    }

    bool ChangeIcon(const NotifyIconChange& change) override
    {
        NOTIFYICONDATAA block = Block(0);
        if (change.image) {
            UseImage(*change.image);
            block.uFlags |= NIF_ICON;
            block.hIcon = FIcon;
        }
        if (change.tip) {
            block.uFlags |= NIF_TIP;
            CopyTip(block, *change.tip);
        }
        if (change.balloon) {
            block.uFlags |= NIF_INFO;
            CopyField(block.szInfoTitle, change.balloon->title);
            CopyField(block.szInfo, change.balloon->text);
            block.dwInfoFlags = InfoFlagsOf(change.balloon->icon);
            block.uTimeout = change.balloon->timeoutMs;
        }
        return Shell_NotifyIconA(NIM_MODIFY, &block) != FALSE;
    }

    bool RemoveIcon() override
    {
        NOTIFYICONDATAA block = Block(0);
        return Shell_NotifyIconA(NIM_DELETE, &block) != FALSE;
    }

    void SetTimer(unsigned id, unsigned milliseconds) override
    {
        ::SetTimer(FWindow, id, milliseconds, nullptr);
    }
    void KillTimer(unsigned id) override { ::KillTimer(FWindow, id); }
    void SetForeground() override { SetForegroundWindow(FWindow); }
    // The empty message lets the system finish the switch to the foreground.
    void MenuClosed() override { PostMessageA(FWindow, WM_NULL, 0, 0); }
    // The shell never draws a program's menu: the program pops up its own.
    void SetMenu(const NotifyMenu&) override { }

    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        // Nothing may escape a window procedure; the events report their own failures.
        try {
            if (auto result = Decode(msg, wParam, lParam))
                return *result;
        } catch (...) {
            return 0;
        }
        return DefWindowProcA(FWindow, msg, wParam, lParam);
    }

private:
    // The fields every call names: which icon, where the shell reports, the icon handle.
    NOTIFYICONDATAA Block(UINT flags) const
    {
        NOTIFYICONDATAA block{};
        block.cbSize = FDialect.dataSize;
        block.hWnd = FWindow;
        block.uID = kTrayIconId;
        block.uFlags = flags;
        block.uCallbackMessage = kTrayCallbackMessage;
        block.hIcon = FIcon;
        return block;
    }

    // The first layout holds 64 characters of tip, the later one 128.
    void CopyTip(NOTIFYICONDATAA& block, const std::string& tip) const
    {
        CopyField(block.szTip, tip, FDialect.version3 ? 127 : 63);
    }

    void UseImage(const IconImage& image)
    {
        if (FIcon && image == FIconImage)
            return;
        if (FIcon)
            DestroyIcon(FIcon);
        FIcon = MakeIconHandle(image);
        FIconImage = image;
    }

    std::optional<LRESULT> Decode(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg) {
        case WM_QUERYENDSESSION:
            return FEvents.SessionMayEnd() ? TRUE : FALSE;
        case WM_ENDSESSION:
            FEvents.SessionEnded(wParam != 0);
            return 0;
        case WM_TIMER:
            FEvents.TimerFired(static_cast<unsigned>(wParam));
            return 0;
        case kTrayCallbackMessage:
            return Notification(static_cast<UINT>(lParam));
        default:
            break;
        }
        // A failed registration gives 0, which must not turn WM_NULL into a shell restart.
        if (FTaskbarCreated != 0 && msg == FTaskbarCreated) {
            FEvents.ShellRestarted();
            return 0;
        }
        return std::nullopt;
    }

    // A mouse message over the icon, or one of the notifications a version-3 shell adds.
    LRESULT Notification(UINT notification)
    {
        switch (notification) {
        case WM_MOUSEMOVE:
            FEvents.PointerMoved();
            break;
        case WM_LBUTTONDOWN:
            FEvents.ButtonChanged(ButtonAction::Down, PointerButton::Left);
            break;
        case WM_RBUTTONDOWN:
            FEvents.ButtonChanged(ButtonAction::Down, PointerButton::Right);
            break;
        case WM_MBUTTONDOWN:
            FEvents.ButtonChanged(ButtonAction::Down, PointerButton::Middle);
            break;
        case WM_LBUTTONUP:
            FEvents.ButtonChanged(ButtonAction::Up, PointerButton::Left);
            break;
        case WM_RBUTTONUP:
            FEvents.ButtonChanged(ButtonAction::Up, PointerButton::Right);
            break;
        case WM_MBUTTONUP:
            FEvents.ButtonChanged(ButtonAction::Up, PointerButton::Middle);
            break;
        case WM_LBUTTONDBLCLK:
            FEvents.ButtonChanged(ButtonAction::DoubleClick, PointerButton::Left);
            break;
        case WM_RBUTTONDBLCLK:
            FEvents.ButtonChanged(ButtonAction::DoubleClick, PointerButton::Right);
            break;
        case WM_MBUTTONDBLCLK:
            FEvents.ButtonChanged(ButtonAction::DoubleClick, PointerButton::Middle);
            break;
        case WM_CONTEXTMENU:
            FEvents.MenuRequested(MenuRequest::ContextMenu);
            break;
        case NIN_KEYSELECT:
            FEvents.MenuRequested(MenuRequest::KeySelect);
            break;
        case NIN_BALLOONSHOW:
            FEvents.BalloonChanged(BalloonEvent::Shown);
            break;
        case NIN_BALLOONHIDE:
            FEvents.BalloonChanged(BalloonEvent::Hidden);
            return 1;
        case NIN_BALLOONTIMEOUT:
            FEvents.BalloonChanged(BalloonEvent::TimedOut);
            return 1;
        case NIN_BALLOONUSERCLICK:
            FEvents.BalloonChanged(BalloonEvent::Clicked);
            return 1;
        default:
            break;
        }
        return 0;
    }

    ITrayEvents& FEvents;
    ShellDialect FDialect;
    UINT FTaskbarCreated = 0;
    HWND FWindow = nullptr;
    HICON FIcon = nullptr;
    IconImage FIconImage;
};

LRESULT CALLBACK TrayWindowMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* tray = reinterpret_cast<TrayWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!tray)
        return DefWindowProcA(window, msg, wParam, lParam);
    return tray->Dispatch(msg, wParam, lParam);
}

std::uint32_t ReadShellFileVersion()
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA("shell32.dll", &ignored);
    if (size == 0)
        return 0;
    std::vector<char> buffer(size);
    if (!GetFileVersionInfoA("shell32.dll", 0, size, buffer.data()))
        return 0;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return info->dwFileVersionMS;
}

// "RegisterServiceProcess" exists only on the oldest systems; it is looked up once and the
// library kept until the program ends.
class ServiceProcessRegistration {
public:
    ~ServiceProcessRegistration()
    {
        if (FLibrary)
            FreeLibrary(FLibrary);
    }
    void Call(bool visible)
    {
        if (!FLookedUp) {
            FLookedUp = true;
            FLibrary = LoadLibraryA("kernel32.dll");
            if (FLibrary)
                FFunction = reinterpret_cast<Function>(
                    reinterpret_cast<void*>(GetProcAddress(FLibrary, "RegisterServiceProcess")));
        }
        if (FFunction)
            FFunction(GetCurrentProcessId(), visible ? 0 : 1);
    }

private:
    using Function = DWORD(WINAPI*)(DWORD, DWORD);
    bool FLookedUp = false;
    HMODULE FLibrary = nullptr;
    Function FFunction = nullptr;
};

bool KeyHeld(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

class Win32NotifyArea : public INotifyArea {
public:
    // Without a version the shell's own is read when first needed.
    explicit Win32NotifyArea(std::optional<std::uint32_t> shellVersion)
        : FShellVersion(shellVersion)
    {
    }

    std::unique_ptr<ITrayWindow> CreateTrayWindow(ITrayEvents& events) override
    {
        return std::make_unique<TrayWindow>(events, Dialect());
    }

    NotifyAreaFeatures Features() override { return Dialect().features; }
    unsigned DoubleClickTime() override { return GetDoubleClickTime(); }

    TrayPointerState PointerState() override
    {
        POINT cursor{};
        GetCursorPos(&cursor);
        TrayPointerState state;
        state.x = cursor.x;
        state.y = cursor.y;
        state.shift = KeyHeld(VK_SHIFT);
        state.ctrl = KeyHeld(VK_CONTROL);
        state.alt = KeyHeld(VK_MENU);
        state.left = KeyHeld(VK_LBUTTON);
        state.right = KeyHeld(VK_RBUTTON);
        state.middle = KeyHeld(VK_MBUTTON);
        return state;
    }

    void SetTaskListVisible(bool visible) override
    {
        static ServiceProcessRegistration registration;
        registration.Call(visible);
    }

private:
    ShellDialect Dialect() const
    {
        return DialectOf(FShellVersion ? *FShellVersion : ShellFileVersion());
    }

    std::optional<std::uint32_t> FShellVersion;
};

}  // namespace

ShellDialect DialectOf(std::uint32_t shellVersion)
{
    // Shell 5.0 brought balloons, tips of 128 characters with line breaks, and version-3
    // notifications (the shell asks for the menu itself).
    if (shellVersion >= 0x50000)
        return {static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE), true, {127, true, true, true}};
    return {static_cast<DWORD>(NOTIFYICONDATAA_V1_SIZE), false, {63, false, false, false}};
}

std::uint32_t ShellFileVersion()
{
    static std::uint32_t version = 0;
    if (version == 0)
        version = ReadShellFileVersion();
    return version;
}

DWORD InfoFlagsOf(BalloonIcon icon)
{
    switch (icon) {
    case BalloonIcon::Info:
        return NIIF_INFO;
    case BalloonIcon::Warning:
        return NIIF_WARNING;
    case BalloonIcon::Error:
        return NIIF_ERROR;
    case BalloonIcon::None:
        break;
    }
    return NIIF_NONE;
}

std::shared_ptr<INotifyArea> MakeWin32NotifyArea(std::uint32_t shellVersion)
{
    return std::make_shared<Win32NotifyArea>(shellVersion);
}

std::shared_ptr<INotifyArea> MakeNativeNotifyArea()
{
    return std::make_shared<Win32NotifyArea>(std::nullopt);
}

}  // namespace sw
