// The application object: title, main form, the message loop, minimize/restore through the
// application's own (taskbar) window, hooks on that window's messages, the default error box,
// running work on the GUI thread for worker threads, pauses, and the screen's cursor table.
#pragma once

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "ui/backend.h"
#include "ui/component.h"
#include "ui/form.h"
#include "ui/icon.h"

// The cursor table: id -> platform cursor handle; stock ids are loaded on first use.
class TScreen {
public:
    std::uintptr_t& Cursors(TCursor id);
    // Overrides every control's cursor while not crDefault.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor) { FCursor = cursor; }
    int Width() { return CurrentBackend().ScreenSize().cx; }
    int Height() { return CurrentBackend().ScreenSize().cy; }
    std::vector<TRect> WorkAreas() { return CurrentBackend().WorkAreas(); }
    // The pointer's place (screen coordinates), and keeping it inside `screen` (nullptr frees it).
    TPoint CursorPos() { return CurrentBackend().CursorPos(); }
    void ClipCursor(const TRect* screen) { CurrentBackend().ClipCursor(screen); }
    // A cursor from a picture (see Backend::MakeCursor); 0 when the platform cannot make it.
    std::uintptr_t MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
    {
        return CurrentBackend().MakeCursor(image, transparent, hotSpot);
    }
    void Reset();

private:
    std::map<TCursor, std::uintptr_t> FCursors;
    TCursor FCursor = crDefault;
};
TScreen& Screen();

class TApplication : public TComponent, private IAppWindowHandler {
public:
    TApplication();
    ~TApplication() override;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& title);
    TIcon& Icon() { return FIcon; }
    WindowId Handle() { return CurrentBackend().AppWindow(); }

    TForm* MainForm() const { return FMainForm; }
    // Creates a form owned by the application, finishes its creation (OnCreate) and makes the
    // first one the main form. It becomes the main form only once created: what its OnCreate
    // does (a tray icon's restore) must not show it before the message loop starts.
    template <class T, class... Args> T* CreateForm(Args&&... args)
    {
        T* form = new T(this, std::forward<Args>(args)...);
        Guard([&] { form->AfterConstruction(); });
        if (FMainForm == nullptr)
            FMainForm = form;
        return form;
    }

    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    // Shows the main form when ShowMainForm and it is not shown yet: Run does, and a start may
    // do it earlier, to build what the window does not need while the desktop maps it.
    void ShowMainFormAtStart();
    // Shows the main form (ShowMainFormAtStart) and runs the message loop until Terminate;
    // once terminated, frees the forms so their destructors (tray icons, files) run.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ProcessMessages();

    void Minimize();
    void Restore();
    // Brings the main form (or another visible form) to the foreground.
    void BringToFront();
    bool Active() { return CurrentBackend().AppActive(); }
    void ShowApplicationWindow() { CurrentBackend().ShowAppWindow(true, true); }
    void HideApplicationWindow() { CurrentBackend().ShowAppWindow(false, false); }
    bool IsApplicationWindowIconic() { return CurrentBackend().AppWindowIconic(); }
    // What stands for the program in the desktop's notification area.
    TNotifyAreaKind NotifyAreaKind() { return CurrentBackend().Offers().notifyArea; }
    // The taskbar button shows while any of the application's forms is visible.
    void UpdateVisible();

    // Hooks see the application window's commands first, newest last; returns an id for Unhook.
    int HookMainWindow(TWindowHook hook);
    void UnhookMainWindow(int id);
    // Delivers a command to the application window as the platform would (hooks, then defaults).
    bool Perform(TSysCommand command) { return AppCommand(command); }

    // The default error box: the exception's text, titled with Title.
    void HandleException(const std::exception& error);
    void HandleException(std::exception_ptr error);
    // Runs `work`, sending any exception to HandleException.
    void Guard(const std::function<void()>& work);
    TMsgBoxResult MessageBox(const std::string& text, const std::string& caption,
                             TMsgBoxButtons buttons, TMsgBoxIcon icon);

    // Runs `work` on the GUI thread and waits for it; at once when called there. An exception
    // thrown by `work` is rethrown in the caller.
    void Synchronize(const std::function<void()>& work);
    // The same, handed back through the caller's event: a worker that synchronizes often keeps
    // one rather than have one made per call.
    void Synchronize(const std::function<void()>& work, TWakeEvent& handedBack);
    // Runs the pending Synchronize calls (the loop does this; a GUI thread waiting for a
    // worker calls it so the worker can finish).
    void CheckSynchronize();
    // An event for a worker's hand-overs, the kind the platform waits on most cheaply.
    std::unique_ptr<TWakeEvent> NewWakeEvent() { return CurrentBackend().NewWakeEvent(); }
    // Whether the loop wakes itself on the beats of its beat timers (ticks on the GUI thread at
    // the multiples of their interval), so that no worker needs to wake it for such ticks.
    bool LoopKeepsBeats() { return CurrentBackend().Offers().beatTimers; }
    int StartBeatTimer(unsigned ms, std::function<void()> tick)
    {
        return CurrentBackend().StartBeatTimer(ms, std::move(tick));
    }
    void StopBeatTimer(int id) { CurrentBackend().StopBeatTimer(id); }
    void Sleep(unsigned ms) { CurrentBackend().Pause(ms); }
    // The GUI thread's clock in milliseconds.
    std::uint32_t TickCount() { return CurrentBackend().TickCount(); }
    // Keys, clicks or posted work came while the GUI thread was busy.
    bool InputWaiting() { return CurrentBackend().InputWaiting(); }
    bool KeyPressed(TKey key) { return CurrentBackend().KeyPressed(key); }

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    unsigned HintPause() const { return FHintPause; }
    void SetHintPause(unsigned ms) { FHintPause = ms; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }

    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    // Replaces the default error box when set.
    std::function<void(const std::exception& error)> OnException;

    // A form became the active window; the application's own activation returns there.
    void FormActivated(TForm* form) { FActiveForm = form; }

    // Frees every form and component and forgets all settings (tests start from here).
    void Reset();
    // Connects to the current backend's application window and sends its problems to
    // HandleException (SetBackend calls it).
    void AttachBackend();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool AppCommand(TSysCommand command) override;
    bool AppQueryEndSession() override;
    void AppEndSession() override;
    void AppDisplayChanged() override;
    void AppWorkAreaChanged() override;
    void AppVolumeChanged(bool arrival, const std::string& letters) override;
    void AppActivated() override;
    // The forms it owns left the screen with the minimized application window, or came back.
    void UpdateFormsOnScreen();

    std::string FTitle;
    TIcon FIcon;
    TForm* FMainForm = nullptr;
    TForm* FActiveForm = nullptr;
    bool FShowMainForm = true;
    // Read by worker threads deciding whether to go on waiting.
    std::atomic<bool> FTerminated = false;
    bool FShowHint = true;
    unsigned FHintPause = 500;
    TColor FHintColor = clInfoBk;
    std::vector<std::pair<int, TWindowHook>> FHooks;
    int FNextHookId = 1;
    // A Synchronize call waiting for the GUI thread: the work, and the event its caller waits on.
    struct TSyncCall {
        std::function<void()> run;
        TWakeEvent* handedBack;
    };
    std::mutex FSyncLock;
    std::vector<TSyncCall> FSyncQueue;
    // GUI thread only: calls that have run and whose callers still wait.
    std::vector<TWakeEvent*> FRunCalls;
};

TApplication& Application();
