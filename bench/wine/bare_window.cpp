// The yardstick for spacewell.exe's start-up: the least a program can do to show the same
// window, a borderless alpha-blended 282 x 154 strip titled "Bare", built with the same
// toolchain and flags. It runs until its window is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

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
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
