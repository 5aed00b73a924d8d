// The notification area over shell32: a hidden "TPUtilWindowEx" window per icon owner whose
// window procedure forwards everything to its handler, Shell_NotifyIconA with the data block
// laid out for the shell version in use, and the system queries the tray component needs.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/notify_area.h"

namespace sw {

namespace {

const char kWindowClass[] = "TPUtilWindowEx";

class TrayWindow;

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

// A colour DIB and a monochrome mask turned into an icon handle the shell can copy.
HICON CreateIconFromImage(const TrayIconImage& image)
{
    if (image.Empty())
        return nullptr;
    const int w = image.width;
    const int h = image.height;
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < colour.size() && i < image.pixels.size(); ++i) {
        const std::uint32_t bgr = image.pixels[i];
        // The DIB wants 0x00RRGGBB; the image keeps 0x00BBGGRR.
        colour[i] = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    }
    const int maskStride = ((w + 15) / 16) * 2;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (i < image.mask.size() && image.mask[i]) {
                mask[static_cast<std::size_t>(y) * maskStride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
                colour[i] = 0;
            }
        }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HBITMAP colourBitmap =
        CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, colour.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());
    ICONINFO iconInfo{};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmColor = colourBitmap;
    iconInfo.hbmMask = maskBitmap;
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
    return icon;
}

// The 32-bit layouts are 488 and 88 bytes; a 64-bit build sends the same layouts at their
// native sizes, which the shell tells apart the same way.
DWORD NativeDataSize(std::uint32_t cbSize)
{
    return cbSize >= kNewShellDataSize ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
}

class TrayWindow : public ITrayWindow {
public:
    explicit TrayWindow(TrayWindowProc proc) : FProc(std::move(proc))
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

    bool NotifyIcon(unsigned message, const TrayIconData& data) override
    {
        UpdateIconHandle(data.hIcon);
        NOTIFYICONDATAA block{};
        block.cbSize = NativeDataSize(data.cbSize);
        block.hWnd = reinterpret_cast<HWND>(data.hWnd);
        block.uID = data.uID;
        block.uFlags = data.uFlags;
        block.uCallbackMessage = data.uCallbackMessage;
        block.hIcon = FIcon;
        const std::size_t tipLimit = data.cbSize >= kNewShellDataSize ? 127 : 63;
        std::strncpy(block.szTip, data.szTip.c_str(), tipLimit);
        if (data.uFlags & kNifInfo) {
            std::strncpy(block.szInfo, data.szInfo.c_str(), sizeof(block.szInfo) - 1);
            std::strncpy(block.szInfoTitle, data.szInfoTitle.c_str(),
                         sizeof(block.szInfoTitle) - 1);
            block.dwInfoFlags = data.dwInfoFlags;
            block.uTimeout = data.uTimeout;
        } else {
            block.uVersion = data.uVersion;
        }
        return Shell_NotifyIconA(message, &block) != FALSE;
    }

    void SetTimer(unsigned id, unsigned milliseconds) override
    {
        ::SetTimer(FWindow, id, milliseconds, nullptr);
    }
    void KillTimer(unsigned id) override { ::KillTimer(FWindow, id); }
    void SetForeground() override { SetForegroundWindow(FWindow); }
    void Post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        PostMessageA(FWindow, msg, wParam, lParam);
    }

    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
    {
        // Nothing may escape a window procedure; the handler reports its own failures.
        try {
            if (auto result = FProc({msg, wParam, lParam}))
                return *result;
        } catch (...) {
            return 0;
        }
        return DefWindowProcA(FWindow, msg, wParam, lParam);
    }

private:
    void UpdateIconHandle(const TrayIconImage& image)
    {
        if (FIcon && image == FIconImage)
            return;
        if (FIcon)
            DestroyIcon(FIcon);
        FIcon = CreateIconFromImage(image);
        FIconImage = image;
    }

    TrayWindowProc FProc;
    HWND FWindow = nullptr;
    HICON FIcon = nullptr;
    TrayIconImage FIconImage;
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
    std::unique_ptr<ITrayWindow> CreateTrayWindow(TrayWindowProc proc) override
    {
        return std::make_unique<TrayWindow>(std::move(proc));
    }

    std::uint32_t ShellFileVersion() override
    {
        static std::uint32_t version = 0;
        if (version == 0)
            version = ReadShellFileVersion();
        return version;
    }

    unsigned TaskbarCreatedMessage() override { return RegisterWindowMessageA("TaskbarCreated"); }
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
};

}  // namespace

std::shared_ptr<INotifyArea> MakeNativeNotifyArea() { return std::make_shared<Win32NotifyArea>(); }

}  // namespace sw
