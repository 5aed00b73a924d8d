// The seam between the toolkit and a windowing system. Everything above it is the same on
// every platform; ui/win32 implements it over user32/gdi32, ui/headless in memory (windows as
// records, a virtual clock, synthetic input) for tests and snapshots, and a desktop's own
// backend (ui/x11, say) takes its place beside them. Only top-level windows exist at this
// level: forms, the application's window where the backend has one, and hidden utility windows.
// Whoever starts the toolkit installs its backend (SetBackend): the program its platform's,
// tests and the snapshot tool the headless one.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "ui/types.h"
#include "ui/wake_event.h"

// What a form asks of its platform window.
struct TWindowParams {
    std::string caption;
    TRect bounds;  // screen, outer edges
    bool framed = false;  // false: no frame, no title bar (client = window)
    bool toolWindow = false;  // no taskbar button of its own
    bool topmost = false;
    bool layered = false;  // alpha-blended
    std::uint8_t alpha = 255;
};

// How a platform window reports to the toolkit; points are window-client coordinates unless
// named screen. The toolkit catches every exception before it returns here.
class IWindowHandler {
public:
    virtual ~IWindowHandler() = default;
    virtual void WndPaint() = 0;
    virtual THitTest WndHitTest(TPoint screen) = 0;
    virtual TCursor WndCursorAt(TPoint client) = 0;
    virtual void WndMouseDown(TMouseButton button, TShiftState shift, TPoint client) = 0;
    virtual void WndMouseMove(TShiftState shift, TPoint client) = 0;
    // The pointer rests or moves over client area that the hit test gave to the frame (a body
    // that drags the window): the controls there see it enter and leave and show their hints,
    // but none of them gets a mouse move.
    virtual void WndMouseHover(TPoint client) = 0;
    virtual void WndMouseUp(TMouseButton button, TShiftState shift, TPoint client) = 0;
    virtual void WndMouseLeave() = 0;
    // A left double click on client area that the hit test gave to the frame: no drag follows.
    virtual void WndBodyDoubleClick(TPoint client) = 0;
    virtual void WndKeyDown(TKey key, TShiftState shift) = 0;
    virtual void WndKeyUp(TKey key, TShiftState shift) = 0;
    virtual void WndChar(char key) = 0;
    virtual void WndHotkey(int id) = 0;
    // The user or the platform moved or sized the window (screen, outer edges).
    virtual void WndMoved(TRect bounds) = 0;
    // A close request from outside (system menu, Alt+F4, the taskbar).
    virtual void WndCloseRequest() = 0;
    virtual void WndActivate(bool active) = 0;
    // The window's monitor changed scale (`dpi` dots per inch); `suggested` is the place and
    // size the platform proposes for it (screen, outer edges).
    virtual void WndDpiChanged(int /*dpi*/, TRect /*suggested*/) { }
};

// The application window's commands, offered to hooks first, and the notices the platform
// gives the whole application, whichever of its windows heard them (so each may come twice).
class IAppWindowHandler {
public:
    virtual ~IAppWindowHandler() = default;
    // True when handled; otherwise the platform does its default.
    virtual bool AppCommand(TSysCommand command) = 0;
    // The session is about to end (log-off, shut-down): true lets it.
    virtual bool AppQueryEndSession() = 0;
    // The session ends now: what must be kept is kept before this returns.
    virtual void AppEndSession() = 0;
    // Monitors were added, removed, resized or rearranged.
    virtual void AppDisplayChanged() = 0;
    // A monitor's work area changed: a taskbar moved, resized or settled after a display change.
    virtual void AppWorkAreaChanged() = 0;
    // The volumes of drive `letters` ("E", "FG": capitals in order) arrived or went away.
    virtual void AppVolumeChanged(bool arrival, const std::string& letters) = 0;
    // The application became the active one (taskbar button, Alt+Tab, its tray menu closing):
    // the keyboard focus may sit on a window of its own that takes no keys.
    virtual void AppActivated() = 0;
};

// One entry of a pop-up menu as the platform shows it.
struct TMenuEntry {
    std::string caption;  // "-" is a separator
    int command = 0;  // what TrackPopupMenu returns when chosen (> 0)
    bool enabled = true;
    bool checked = false;
    bool radio = false;  // a check shows as a bullet
    bool isDefault = false;
    // Shown in the check marks' column (a checked entry shows its check instead), transparent
    // key = its TransparentColor.
    const TBitmap* picture = nullptr;
    std::vector<TMenuEntry> items;  // a submenu when not empty
};

// How pop-up menus reach the screen: drawn by the program, which hears the choice at once
// (TrackPopupMenu), or by the desktop from the menu's description.
enum class TMenuDrawing { Program, Desktop };

// What stands for the program in the desktop's notification area: nothing, an icon of the
// system tray that reports raw clicks and shows balloons, or a status item that the desktop
// shows, activates and opens a menu on by itself.
enum class TNotifyAreaKind { None, SystemTray, StatusItem };

// What a backend offers that another may lack; the toolkit asks rather than assumes.
struct TBackendOffers {
    // A hidden application window carries the taskbar button and owns the forms, so that
    // minimizing it hides them all (ShowAppWindow, MinimizeApp and RestoreApp act on it).
    bool appWindow = false;
    TMenuDrawing menus = TMenuDrawing::Program;
    TNotifyAreaKind notifyArea = TNotifyAreaKind::None;
    // The GUI thread's loop wakes itself at the beats of its beat timers (StartBeatTimer), more
    // cheaply than a worker thread could wake it: a timer whose ticks run on the GUI thread
    // needs no worker of its own.
    bool beatTimers = false;
    // A shown window reaches the screen only once a window manager has mapped it: a form asks to
    // be shown before it composes its first picture, which Present puts on the screen once there.
    bool showBeforeCompose = false;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual TBackendOffers Offers() const = 0;

    // Windows.
    virtual WindowId NewWindow(const TWindowParams& params, IWindowHandler* handler) = 0;
    virtual void FreeWindow(WindowId window) = 0;
    // Frame widths (left, top, right, bottom) that a framed window adds around its client area.
    virtual TRect FrameMargins(const TWindowParams& params) = 0;
    virtual void SetWindowBounds(WindowId window, TRect screen) = 0;
    virtual void SetWindowVisible(WindowId window, bool visible) = 0;
    virtual void SetWindowCaption(WindowId window, const std::string& caption) = 0;
    virtual void SetWindowAlpha(WindowId window, bool layered, std::uint8_t alpha) = 0;
    // Keeps the window (and so any hotkey registered for it).
    virtual void SetWindowTopmost(WindowId window, bool topmost) = 0;
    virtual void SetWindowIcon(WindowId window, const TBitmap& image, TColor transparent) = 0;
    // Copies `dirty` (client coordinates) of `image` to the window in one operation.
    virtual void Present(WindowId window, const TBitmap& image, TRect dirty) = 0;
    // Asks for a WndPaint later, from the message queue.
    virtual void InvalidateWindow(WindowId window) = 0;
    virtual void SetForeground(WindowId window) = 0;
    virtual WindowId Foreground() = 0;
    virtual void SetCapture(WindowId window) = 0;
    virtual void ReleaseCapture() = 0;

    // The application's own window: taskbar button, title, icon, minimized state.
    virtual void SetAppHandler(IAppWindowHandler* handler) = 0;
    virtual WindowId AppWindow() = 0;
    virtual void SetAppTitle(const std::string& title) = 0;
    virtual void SetAppIcon(const TBitmap& image, TColor transparent) = 0;
    // Shows (activating it when asked) or hides the application window.
    virtual void ShowAppWindow(bool visible, bool activate) = 0;
    virtual bool AppWindowIconic() = 0;
    // Minimizing the application window hides the forms it owns; restoring brings them back.
    virtual void MinimizeApp() = 0;
    virtual void RestoreApp() = 0;
    // True when the foreground window belongs to this application.
    virtual bool AppActive() = 0;

    // Pointer and cursors. A cursor handle 0 is the arrow.
    virtual TPoint CursorPos() = 0;
    virtual void SetCursorPos(TPoint screen) = 0;
    // nullptr frees the pointer.
    virtual void ClipCursor(const TRect* screen) = 0;
    virtual std::uintptr_t LoadStockCursor(TCursor id) = 0;
    // A cursor from a picture whose `transparent` pixels show the screen; `hotSpot` (picture
    // coordinates) is the point the pointer position names. 0 when it cannot be made; the
    // backend frees it when it goes.
    virtual std::uintptr_t MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot) = 0;
    virtual void SetCursorShape(std::uintptr_t cursor) = 0;
    virtual TShiftState KeyboardShift() = 0;
    virtual bool KeyPressed(TKey key) = 0;
    // Keys, clicks, hotkeys or posted messages are waiting for the GUI thread: they came while
    // it was busy.
    virtual bool InputWaiting() = 0;
    virtual TSize ScreenSize() = 0;
    // The scale, in dots per inch, that new windows are built for, and a window's own
    // (its monitor's); 96 is 100 %.
    virtual int SystemDpi() { return 96; }
    virtual int WindowDpi(WindowId /*window*/) { return SystemDpi(); }
    // Each monitor's work area (screen coordinates, without taskbars), the primary one first.
    virtual std::vector<TRect> WorkAreas() = 0;

    // Message timers on the GUI thread; the id is never 0.
    virtual int StartTimer(unsigned intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(int id) = 0;
    // A timer on the GUI thread whose ticks fall on the beats of its interval: the multiples of
    // it on the steady clock, so that timers of one interval tick at the same moments. Beats
    // the GUI thread was too busy for are left out. A backend without beats of its own (see
    // TBackendOffers) runs a message timer instead. Started and stopped on the GUI thread.
    virtual int StartBeatTimer(unsigned intervalMs, std::function<void()> tick)
    {
        return StartTimer(intervalMs, std::move(tick));
    }
    virtual void StopBeatTimer(int id) { StopTimer(id); }

    // Shows the menu at a screen point and returns the chosen command, 0 when dismissed.
    virtual int TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen) = 0;
    virtual TMsgBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                         TMsgBoxButtons buttons, TMsgBoxIcon icon) = 0;
    virtual void ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                                const TFontSpec& font) = 0;
    virtual void HideHintWindow() = 0;

    // The message loop. Run returns once QuitLoop is called while it runs, and a quit leaves
    // nothing behind for later loops; ProcessMessages handles what is pending.
    virtual void Run() = 0;
    virtual void QuitLoop() = 0;
    virtual void ProcessMessages() = 0;
    // Thread-safe: `work` runs on the GUI thread from the message loop.
    virtual void PostToGuiThread(std::function<void()> work) = 0;
    virtual bool IsGuiThread() = 0;
    // An event for handing work between threads; thread-safe.
    virtual std::unique_ptr<TWakeEvent> NewWakeEvent() { return std::make_unique<TStdWakeEvent>(); }
    virtual void Pause(unsigned ms) = 0;
    virtual std::uint32_t TickCount() = 0;
    virtual unsigned DoubleClickTime() = 0;

    // Problems. An exception that escapes work the backend runs for the toolkit (a window's
    // handler, a timer's tick, posted work) goes to the handler the toolkit installs, and the
    // loop goes on; with none installed it goes on to the backend's caller.
    using TProblemHandler = std::function<void(std::exception_ptr problem)>;
    void SetProblemHandler(TProblemHandler handler) { FProblemHandler = std::move(handler); }
    void ReportProblem(std::exception_ptr problem)
    {
        if (!FProblemHandler)
            std::rethrow_exception(problem);
        FProblemHandler(problem);
    }
    // Runs `work`, reporting what escapes it.
    void RunReported(const std::function<void()>& work)
    {
        try {
            work();
        } catch (...) {
            ReportProblem(std::current_exception());
        }
    }

private:
    TProblemHandler FProblemHandler;
};

// The backend in use; asking before one was installed raises std::logic_error.
Backend& CurrentBackend();
// Installs `backend`, freeing the forms and timers of the one before.
void SetBackend(std::unique_ptr<Backend> backend);
