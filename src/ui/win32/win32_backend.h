// The toolkit backend over user32/gdi32. Forms are owned by a hidden-when-wanted application
// window that carries the taskbar button, so minimizing it hides them all; a hidden utility
// window runs the message timers, owns pop-up menus and receives work posted from other
// threads. Only this folder sees Win32 types.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"

class Win32Backend : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    TBackendOffers Offers() const override
    {
        return {true, TMenuDrawing::Program, TNotifyAreaKind::SystemTray, true};
    }

    WindowId NewWindow(const TWindowParams& params, IWindowHandler* handler) override;
    void FreeWindow(WindowId window) override;
    TRect FrameMargins(const TWindowParams& params) override;
    void SetWindowBounds(WindowId window, TRect screen) override;
    void SetWindowVisible(WindowId window, bool visible) override;
    void SetWindowCaption(WindowId window, const std::string& caption) override;
    void SetWindowAlpha(WindowId window, bool layered, std::uint8_t alpha) override;
    void SetWindowTopmost(WindowId window, bool topmost) override;
    void SetWindowIcon(WindowId window, const TBitmap& image, TColor transparent) override;
    void Present(WindowId window, const TBitmap& image, TRect dirty) override;
    void InvalidateWindow(WindowId window) override;
    void SetForeground(WindowId window) override;
    WindowId Foreground() override;
    void SetCapture(WindowId window) override;
    void ReleaseCapture() override;
    void SetAppHandler(IAppWindowHandler* handler) override { FAppHandler = handler; }
    WindowId AppWindow() override { return FAppWindow; }
    void SetAppTitle(const std::string& title) override;
    void SetAppIcon(const TBitmap& image, TColor transparent) override;
    void ShowAppWindow(bool visible, bool activate) override;
    bool AppWindowIconic() override;
    void MinimizeApp() override;
    void RestoreApp() override;
    bool AppActive() override;
    TPoint CursorPos() override;
    void SetCursorPos(TPoint screen) override;
    void ClipCursor(const TRect* screen) override;
    std::uintptr_t LoadStockCursor(TCursor id) override;
    std::uintptr_t MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot) override;
    void SetCursorShape(std::uintptr_t cursor) override;
    TShiftState KeyboardShift() override;
    bool KeyPressed(TKey key) override;
    bool InputWaiting() override;
    TSize ScreenSize() override;
    // display_scale.cpp
    int SystemDpi() override;
    int WindowDpi(WindowId window) override;
    std::vector<TRect> WorkAreas() override;
    int StartTimer(unsigned intervalMs, std::function<void()> tick) override;
    void StopTimer(int id) override;
    // beat_timers.cpp
    int StartBeatTimer(unsigned intervalMs, std::function<void()> tick) override;
    void StopBeatTimer(int id) override;
    int TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen) override;
    TMsgBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                 TMsgBoxButtons buttons, TMsgBoxIcon icon) override;
    void ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                        const TFontSpec& font) override;
    void HideHintWindow() override;
    void Run() override;
    void QuitLoop() override;
    void ProcessMessages() override;
    void PostToGuiThread(std::function<void()> work) override;
    bool IsGuiThread() override;
    std::unique_ptr<TWakeEvent> NewWakeEvent() override;
    void Pause(unsigned ms) override;
    std::uint32_t TickCount() override;
    unsigned DoubleClickTime() override;

    // Window procedures' entry points (static trampolines forward here).
    std::intptr_t UtilityMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t AppMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
    void PaintHint();
    // Passes a notice meant for the whole application (session end, display and volume
    // changes) to the toolkit, whichever window heard it; the answer, or none when the
    // message is no such notice (or not one to answer) and goes on as usual.
    std::optional<std::intptr_t> DeskNotice(unsigned msg, std::uintptr_t wParam,
                                            std::intptr_t lParam);
    // Tells the toolkit, once the activation under way is done, that the application is active.
    void PostAppActivated();
    // Follows the loops of the system's own that a window's message announces (moving or
    // sizing it, a menu): they dispatch the messages meanwhile, not the backend's loop.
    void NoteModalLoop(unsigned msg);
    // How many times the backend has shown, hidden, moved, stacked, blended or freed a window:
    // a form window validated since the last of them has no paint queued by the system.
    std::uint64_t ScreenChanges() const { return FScreenChanges; }

private:
    bool WaitForWork();
    void RunPosted();
    void PutAppWindowOnScreen();
    void SendAppIcon(std::uintptr_t icon);
    WindowId HintWindow();
    void FireTimer(int id);
    // beat_timers.cpp: milliseconds until the next beat is due (INFINITE without beat timers),
    // the timers whose beat has come, and the message timer that carries them through a
    // system loop.
    unsigned long UntilNextBeat() const;
    void RunDueBeats();
    // A loop of the system's (a menu, a message box, a window moved with the mouse) began or
    // ended.
    void ModalLoop(bool entered);
    void ArmBeatCarrier();
    // Runs the due beats when `timerId` is the carrier's; false for a message timer.
    bool CarryBeats(std::uintptr_t timerId);

    WindowId FAppWindow = 0;
    // The application window's state (and icon) until the program first runs a message loop,
    // menu or message box. At start the tray icon minimizes, shows and restores it only to end
    // where one plain show would, and each step on screen costs a round trip to the window
    // system; the main window, which the user waits for, goes on screen first.
    struct AppWindowState {
        bool visible = false;
        bool iconic = false;
    };
    std::optional<AppWindowState> FAppWindowOffScreen = AppWindowState{};
    WindowId FUtilWindow = 0;
    WindowId FHintWindow = 0;
    IAppWindowHandler* FAppHandler = nullptr;
    std::map<int, std::function<void()>> FTimers;
    struct BeatTimer {
        unsigned intervalMs;
        // The next beat, in microseconds on the steady clock.
        std::int64_t beat;
        std::function<void()> tick;
    };
    std::map<int, BeatTimer> FBeatTimers;
    // How many system loops run inside one another, and whether the carrier timer is set.
    int FModalDepth = 0;
    bool FBeatCarrier = false;
    int FNextTimer = 1;
    std::map<WindowId, std::uintptr_t> FIcons;
    std::uintptr_t FAppIcon = 0;
    std::vector<std::uintptr_t> FCursors;
    std::uint64_t FScreenChanges = 0;
    // Present's converted pixels (0x00RRGGBB rows) of the largest part presented since a window
    // last hid.
    std::vector<std::uint32_t> FPresentPixels;
    std::string FHintText;
    TColor FHintColor = clInfoBk;
    TFontSpec FHintFont;
    unsigned long FGuiThread = 0;
    std::mutex FPostLock;
    std::deque<std::function<void()>> FPosted;
    // The auto-reset event that wakes the loop's wait for posted work (a HANDLE).
    void* FPostedEvent = nullptr;
    // Guarded by FPostLock: the loop sleeps on the event; a wake-up for the posted work is on
    // its way.
    bool FLoopWaiting = false;
    bool FWakeSent = false;
    std::atomic<bool> FQuitRequested = false;
};

// The backend the Windows program installs.
std::unique_ptr<Backend> MakeWin32Backend();
