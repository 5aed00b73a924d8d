// The toolkit backend over Xlib for Linux desktops (and Wayland ones through XWayland). Each
// form is a top-level window of its own, so there is no application window: minimizing the
// application iconifies the forms. Window states, opacity and moves go through the window
// manager's EWMH messages; timers, work posted from other threads and the X connection share one
// poll loop that sleeps until the next of them is due. Menus, the message box and the hint are
// drawn by the program (X11Popups). Only this folder sees X11 types.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/backend.h"
#include "ui/x11/x11_xlib.h"

class TAskedDeskLayout;
class X11Popups;

class X11Backend : public Backend {
public:
    // Opens the display $DISPLAY names for the calling thread, the GUI thread. The atoms the
    // backend uses and `moreAtoms` (its users') are interned in one round trip. Throws
    // std::runtime_error when no display answers.
    explicit X11Backend(const std::vector<std::string>& moreAtoms = {});
    ~X11Backend() override;

    Display* XDisplay() const { return FDisplay; }
    // An atom, from the names interned at the start when it is one of them.
    Atom Intern(const char* name);
    // Thread-safe: tells the application, from the loop, that the volumes of drive `letters`
    // arrived or went away.
    void AnnounceVolumes(bool arrival, std::string letters);
    // The session ends (a signal from the desktop): the application keeps what it must and ends.
    void EndSession();
    // `ready` runs in the loop whenever `fd` has something to read.
    void WatchReadable(int fd, std::function<void()> ready);
    // Sees every X event before the windows do; true when it was its own. Returns an id for
    // RemoveEventFilter.
    int AddEventFilter(std::function<bool(const XEvent& event)> filter);
    void RemoveEventFilter(int id);
    // A hotkey pressed for `window` (a form's id).
    void DeliverHotkey(WindowId window, int id);

    TBackendOffers Offers() const override
    {
        TBackendOffers offers{false, TMenuDrawing::Program, TNotifyAreaKind::StatusItem};
        offers.showBeforeCompose = true;
        return offers;
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
    WindowId Foreground() override { return FFocus; }
    // A press grabs the pointer for its window until the release: X already does what a
    // capture asks.
    void SetCapture(WindowId) override { }
    void ReleaseCapture() override { }
    void SetAppHandler(IAppWindowHandler* handler) override { FAppHandler = handler; }
    WindowId AppWindow() override { return 0; }
    // Each form's own caption names it on the taskbar.
    void SetAppTitle(const std::string&) override { }
    void SetAppIcon(const TBitmap& image, TColor transparent) override;
    // No application window to show: the forms carry their own taskbar buttons.
    void ShowAppWindow(bool, bool) override { }
    bool AppWindowIconic() override { return FIconic; }
    void MinimizeApp() override;
    void RestoreApp() override;
    bool AppActive() override { return FFocus != 0; }
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
    int SystemDpi() override { return FDpi; }
    std::vector<TRect> WorkAreas() override;
    int StartTimer(unsigned intervalMs, std::function<void()> tick) override;
    void StopTimer(int id) override;
    int TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen) override;
    TMsgBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                 TMsgBoxButtons buttons, TMsgBoxIcon icon) override;
    void ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                        const TFontSpec& font) override;
    void HideHintWindow() override;
    void Run() override;
    void QuitLoop() override { FQuit = true; }
    void ProcessMessages() override;
    void PostToGuiThread(std::function<void()> work) override;
    bool IsGuiThread() override { return std::this_thread::get_id() == FGuiThread; }
    void Pause(unsigned ms) override;
    std::uint32_t TickCount() override;
    unsigned DoubleClickTime() override { return 500; }

private:
    struct FormWindow {
        IWindowHandler* handler = nullptr;
        TWindowParams params;
        GC gc = nullptr;
        bool wanted = false;  // shown by the toolkit (iconified while the application is)
        bool paintPending = false;
        bool hasIcon = false;
        bool awaitingExposure = false;  // shown, and not yet presented since
    };
    // A stock shape of the cursor font, or a two-colour picture with its mask.
    struct LazyCursor {
        std::optional<unsigned> fontShape;
        unsigned width = 0, height = 0;
        std::vector<char> source, mask;
        TPoint hotSpot;
        Cursor made = 0;
    };
    struct Timer {
        std::chrono::milliseconds interval{};
        std::chrono::steady_clock::time_point due;
        std::function<void()> tick;
    };
    // A press on a body that drags the window, when no window manager moves it for us.
    struct PlainDrag {
        Window window = 0;
        TPoint offset;
    };
    struct BodyPress {
        Window window = 0;
        Time time = 0;
    };

    // x11_cursors.cpp
    Cursor CursorOf(std::uintptr_t handle);

    // x11_loop.cpp: one turn handles what is ready without waiting; a step waits for the next
    // event, timer or posted work when nothing is ready, and handles it.
    bool HandlePending();
    void Step();
    void WaitForWork();
    bool RunPosted();
    bool FireDueTimers();
    bool PaintPending();
    int MsUntilNextTimer() const;

    // x11_events.cpp
    void Dispatch(XEvent& event);
    void DispatchRoot(const XEvent& event);
    void ReceiveScreenChanges();
    void ScreenChanged(const XConfigureEvent& change);
    void DispatchForm(Window window, FormWindow& form, XEvent& event);
    void ButtonPressed(Window window, FormWindow& form, const XButtonEvent& press);
    void PointerMoved(Window window, FormWindow& form, const XMotionEvent& motion);
    void KeyWentDown(Window window, XKeyEvent& key);
    void Configured(Window window, FormWindow& form, const XConfigureEvent& configure);
    void ProtocolMessage(Window window, FormWindow& form, const XClientMessageEvent& message);
    void MappedByWindowManager(Window window, bool mapped);
    void StartMove(Window window, const XButtonEvent& press);

    // x11_windows.cpp
    FormWindow* Find(WindowId window);
    void SendWmState(Window window, bool add, Atom state);
    void SetWmStates(Window window, const TWindowParams& params);
    void SetOpacity(Window window, bool layered, std::uint8_t alpha);
    void SetDecorations(Window window, bool framed);
    void SetTypeAndOwner(Window window, const TWindowParams& params);
    bool Owned(Window window) const;
    void SetPlacementHints(Window window, TRect bounds);
    void PutIcon(Window window, const TBitmap& image, TColor transparent);
    void MapForm(Window window, FormWindow& form);
    void AwaitExposure(Window window);
    long WmState(Window window);
    bool WmSupports(Atom atom);
    void ReadDesktopScale();

    void InternKnownAtoms(const std::vector<std::string>& moreAtoms);
    void AskDeskLayout();
    void ForgetWorkAreas();

    Display* FDisplay = nullptr;
    std::map<std::string, Atom> FAtoms;
    // What WorkAreas last read; dropped when the desktop announces a change.
    std::optional<std::vector<TRect>> FWorkAreas;
    // The layout they are made from, asked and not yet read.
    std::unique_ptr<TAskedDeskLayout> FDeskAsked;
    Window FRoot = 0;
    int FRandrEvent = -1;
    int FDpi = 96;
    std::unique_ptr<X11Popups> FPopups;
    std::map<Window, FormWindow> FForms;
    Window FMainOwner = 0;  // the first form that is no tool window: the panel stays with it
    WindowId FFocus = 0;
    Window FPointerWindow = 0;
    std::optional<TRect> FClip;
    std::optional<PlainDrag> FDrag;
    BodyPress FLastBodyPress;
    bool FIconic = false;
    IAppWindowHandler* FAppHandler = nullptr;
    TBitmap FAppIcon;
    TColor FAppIconTransparent = clNone;
    // Cursor handles are indexes into FCursors plus one; the X cursor behind each is made when
    // it is first shown (see x11_cursors.cpp).
    std::vector<LazyCursor> FCursors;
    std::map<TCursor, std::uintptr_t> FStockCursors;
    std::map<int, Timer> FTimers;
    int FNextTimer = 1;
    std::map<int, std::function<bool(const XEvent&)>> FFilters;
    int FNextFilter = 1;
    std::map<int, std::function<void()>> FWatched;  // fd -> what reads it
    std::thread::id FGuiThread;
    std::chrono::steady_clock::time_point FStart;
    int FWakeFd = -1;  // an eventfd that posted work writes to
    std::mutex FPostLock;
    std::deque<std::function<void()>> FPosted;
    std::atomic<bool> FQuit = false;
};
