// The running copy is known by a named mutex in the user's session. It keeps a message-only
// window of its own class (nothing on the desktop, so nothing for the window system to make); a
// later start finds that window by its class and posts it the show request, after allowing the
// running copy to take the foreground, which a background process may not do on its own.
#include <windows.h>

#include <utility>

#include "platform/single_instance.h"

namespace sw {
namespace {

const char kMutexName[] = "Local\\Spacewell.Running";
const char kListenerClass[] = "Spacewell.RunningCopy";
constexpr UINT kShowRequest = WM_APP + 1;

LRESULT CALLBACK ListenerMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

class Win32SingleInstance : public ISingleInstance {
public:
    ~Win32SingleInstance() override
    {
        DestroyListener();
        if (FMutex)
            CloseHandle(FMutex);
    }

    // The window comes first: a start that finds the mutex then also finds the window.
    bool ClaimFirst() override
    {
        CreateListener();
        FMutex = CreateMutexA(nullptr, FALSE, kMutexName);
        // Without a mutex nothing can be told apart: run rather than refuse to start.
        const bool first = FMutex == nullptr || GetLastError() != ERROR_ALREADY_EXISTS;
        if (!first)
            DestroyListener();
        return first;
    }

    void AskFirstToShow() override
    {
        HWND running = FindWindowExA(HWND_MESSAGE, nullptr, kListenerClass, nullptr);
        if (running == nullptr)
            return;
        AllowSetForegroundWindow(ASFW_ANY);
        PostMessageA(running, kShowRequest, 0, 0);
    }

    void OnShowRequest(std::function<void()> show) override { FShow = std::move(show); }

    void ShowRequested()
    {
        if (FShow)
            FShow();
    }

private:
    void CreateListener()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ListenerMessage;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kListenerClass;
        RegisterClassA(&windowClass);
        FWindow = CreateWindowExA(0, kListenerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        if (FWindow)
            SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void DestroyListener()
    {
        if (!FWindow)
            return;
        SetWindowLongPtrA(FWindow, GWLP_USERDATA, 0);
        DestroyWindow(FWindow);
        FWindow = nullptr;
    }

    HANDLE FMutex = nullptr;
    HWND FWindow = nullptr;
    std::function<void()> FShow;
};

LRESULT CALLBACK ListenerMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* owner = reinterpret_cast<Win32SingleInstance*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == kShowRequest && owner != nullptr) {
        owner->ShowRequested();
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

std::unique_ptr<ISingleInstance> MakeWin32SingleInstance()
{
    return std::make_unique<Win32SingleInstance>();
}

}  // namespace sw
