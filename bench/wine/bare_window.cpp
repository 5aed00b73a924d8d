// The yardsticks for spacewell.exe's start-up: the least a program can do to show the same
// window, a borderless alpha-blended 282 x 154 strip titled "Bare", built with the same
// toolchain and flags. Built with BARE_SYSTEM_WORK (the bare_system_window target) it also does
// the system work that spacewell.exe cannot avoid before its window shows: it links the same
// system libraries, reads the shell's version, adds a notification-area icon and opens the Run
// key, so that only the program's own work differs. It runs until its window is closed.
#include <windows.h>

#ifdef BARE_SYSTEM_WORK
#include <shellapi.h>

#include <cstring>
#include <vector>
#endif

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef BARE_SYSTEM_WORK
constexpr UINT kTrayMessage = WM_APP + 1;

DWORD ShellVersion()
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA("shell32.dll", &ignored);
    if (size == 0)
        return 0;
    std::vector<char> buffer(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA("shell32.dll", 0, size, buffer.data()) ||
        !VerQueryValueA(buffer.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info)
        return 0;
    return info->dwFileVersionMS;
}

void AddTrayIcon(HWND window)
{
    RegisterWindowMessageA("TaskbarCreated");
    NOTIFYICONDATAA data{};
    data.cbSize = ShellVersion() >= 0x50000 ? sizeof(NOTIFYICONDATAA) : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    std::strcpy(data.szTip, "Bare");
    Shell_NotifyIconA(NIM_ADD, &data);
}

void OpenRunKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) == ERROR_SUCCESS)
        RegCloseKey(key);
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BareProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(0xFFEEDD);
    windowClass.lpszClassName = "Bare";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_LAYERED, "Bare", "Bare", WS_POPUP, 523, 288, 282, 154,
                                  nullptr, nullptr, instance, nullptr);
    SetLayeredWindowAttributes(window, 0, 200, LWA_ALPHA);
#ifdef BARE_SYSTEM_WORK
    AddTrayIcon(window);
    OpenRunKey();
#endif
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
