// The in-memory backend: windows are records, time is a virtual clock that only moves when a
// test (or a pause) moves it, input is synthetic, menus are answered by a chooser the test
// installs, and the screen can be composed into a bitmap. App scenario tests and the snapshot
// tool run the real toolkit on it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "gfx/bitmap.h"
#include "ui/backend.h"

struct THeadlessWindow {
    WindowId id = 0;
    IWindowHandler* handler = nullptr;
    TWindowParams params;  // caption, bounds, topmost, layered, alpha as last set
    bool visible = false;  // on screen
    // Hidden by the application's minimize and shown again by its restore, as the platform
    // does with the windows the application window owns.
    bool hiddenWithApp = false;
    TBitmap image;  // what Present copied, client size
    int presents = 0;  // how many Present calls reached it
    bool paintPending = false;
    TBitmap icon;
    int dpi = 0;  // its monitor's scale; 0 is the system's
};

// A cursor made from a picture, as MakeCursor received it.
struct THeadlessCursor {
    TBitmap image;
    TColor transparent = clNone;
    TPoint hotSpot;
};

// Picks from a shown menu: returns the chosen entry's command, 0 to dismiss.
using TMenuChooser = std::function<int(const std::vector<TMenuEntry>& items, TPoint at)>;

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // As the Windows backend, whose order of notices it keeps, unless a test offers otherwise.
    TBackendOffers Offers() const override { return FOffers; }
    void SetOffers(TBackendOffers offers) { FOffers = offers; }

    // Time. AdvanceTime moves the clock, firing due timers in time order and running the
    // posted work; a pause (Application().Sleep) moves it without firing anything.
    void AdvanceTime(unsigned ms);
    std::uint32_t Now() const { return FNow; }

    // Input at screen points, routed by the form's hit test as the platform does: a move where
    // the form answers THitTest::Caption only hovers, and a left press there ends the hover and
    // drags the window by the pointer's offset until the release.
    void MouseMove(TPoint screen);
    void MouseDown(TPoint screen, TMouseButton button = TMouseButton::mbLeft);
    void MouseUp(TPoint screen, TMouseButton button = TMouseButton::mbLeft);
    void Click(TPoint screen, TMouseButton button = TMouseButton::mbLeft);
    // Two left clicks in a row: where the form answers THitTest::Caption the second press is the
    // platform's double click on the body and drags nothing; elsewhere both clicks arrive.
    void DoubleClick(TPoint screen);
    // Keys go to the foreground window; `shift` holds for the duration of the call.
    void KeyDown(TKey key, TShiftState shift = 0);
    void KeyUp(TKey key, TShiftState shift = 0);
    void TypeChar(char key);
    // KeyDown, TypeChar (for printable keys, unless Alt is held) and KeyUp in a row.
    void PressKey(TKey key, char typed = 0, TShiftState shift = 0);
    // WM_HOTKEY for `target` (0: the first window created that still exists).
    void Hotkey(int id, WindowId target = 0);

    // Menus: the chooser answers every TrackPopupMenu until replaced; LastMenu is what was shown.
    void ChooseMenuItem(TMenuChooser chooser) { FChooser = std::move(chooser); }
    // A chooser that follows captions, e.g. {"Transparency", "50%"}; a disabled or missing
    // item dismisses the menu.
    static TMenuChooser ByCaption(std::vector<std::string> path);
    const std::vector<TMenuEntry>& LastMenu() const { return FLastMenu; }
    TPoint LastMenuPoint() const { return FLastMenuPoint; }
    int MenuCount() const { return FMenuCount; }

    // Windows and the screen.
    const THeadlessWindow* Window(WindowId id) const;
    std::vector<WindowId> Windows() const;
    WindowId WindowByCaption(const std::string& caption) const;
    // On screen, as a user sees it: a minimized application's windows are hidden until it is
    // restored, but one shown meanwhile appears at once.
    bool IsShown(WindowId id) const;
    // Visible windows bottom to top (topmost ones last) on `background`, alpha-blended when asked.
    TBitmap Screenshot(TColor background = clBlack, bool blend = false) const;
    void SetScreenSize(TSize size) { FScreenSize = size; }

    // The application window.
    const std::string& AppTitle() const { return FAppTitle; }
    bool AppWindowVisible() const { return FAppVisible; }
    bool AppMinimized() const { return FAppMinimized; }
    // Simulates another program taking the foreground.
    void SetForeignForeground(bool foreign) { FForeignForeground = foreign; }
    // Input here is handled as it is given; a test says when more of it stands queued behind,
    // as after a held key's repeats came in while the GUI thread was busy.
    void SetInputWaiting(bool waiting) { FInputWaiting = waiting; }
    // The application window itself becomes the active one, as after a click on the taskbar
    // button or Alt+Tab: it holds the keys until the application hands them on.
    void ActivateApp();

    // The platform's notices to the whole application, as log-off, a monitor change or a drive
    // letter coming or going gives them. QueryEndSession returns the application's answer.
    bool QueryEndSession();
    void EndSession();
    // The monitors' work areas are now `workAreas` (the primary first).
    void ChangeDisplay(std::vector<TRect> workAreas);
    // The work areas alone changed, as when a taskbar moves or settles after a display change.
    void ChangeWorkAreas(std::vector<TRect> workAreas);
    void SetWorkAreas(std::vector<TRect> workAreas) { FWorkAreas = std::move(workAreas); }
    void VolumeChange(bool arrival, const std::string& letters);
    // Display scale (headless_dpi.cpp): the system's, for windows built from now on, and a
    // window moved to a monitor of another scale, told as the platform tells it.
    void SetSystemDpi(int dpi) { FSystemDpi = dpi; }
    void MoveToMonitorDpi(WindowId window, int dpi);

    // Message boxes are answered with their first button and recorded.
    const std::string& LastMessageText() const { return FLastMessageText; }
    const std::string& LastMessageCaption() const { return FLastMessageCaption; }
    TMsgBoxIcon LastMessageIcon() const { return FLastMessageIcon; }
    int MessageCount() const { return FMessageCount; }
    // The hint window's text, empty while hidden.
    const std::string& HintText() const { return FHintText; }
    // Where the last hint was shown, in screen pixels, and in which font.
    TPoint HintPoint() const { return FHintPoint; }
    const TFontSpec& HintFont() const { return FHintFont; }
    std::uintptr_t CurrentCursor() const { return FCursor; }
    // The picture behind a handle MakeCursor returned; nullptr for stock or unknown handles.
    const THeadlessCursor* MadeCursor(std::uintptr_t handle) const;
    const std::optional<TRect>& CursorClip() const { return FClip; }
    WindowId CaptureWindow() const { return FCapture; }
    int ActiveTimerCount() const { return static_cast<int>(FTimers.size()); }

    // Backend.
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
    void SetCapture(WindowId window) override { FCapture = window; }
    void ReleaseCapture() override { FCapture = 0; }
    void SetAppHandler(IAppWindowHandler* handler) override { FAppHandler = handler; }
    WindowId AppWindow() override { return kAppWindow; }
    void SetAppTitle(const std::string& title) override { FAppTitle = title; }
    void SetAppIcon(const TBitmap& image, TColor transparent) override;
    void ShowAppWindow(bool visible, bool activate) override;
    bool AppWindowIconic() override { return FAppMinimized; }
    void MinimizeApp() override;
    void RestoreApp() override;
    bool AppActive() override;
    TPoint CursorPos() override { return FPointer; }
    void SetCursorPos(TPoint screen) override { FPointer = screen; }
    void ClipCursor(const TRect* screen) override;
    std::uintptr_t LoadStockCursor(TCursor id) override;
    std::uintptr_t MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot) override;
    void SetCursorShape(std::uintptr_t cursor) override { FCursor = cursor; }
    TShiftState KeyboardShift() override { return FShift; }
    bool KeyPressed(TKey key) override;
    bool InputWaiting() override { return FInputWaiting; }
    TSize ScreenSize() override { return FScreenSize; }
    int SystemDpi() override { return FSystemDpi; }
    int WindowDpi(WindowId window) override;
    // One monitor the size of the screen unless the test gave others.
    std::vector<TRect> WorkAreas() override;
    int StartTimer(unsigned intervalMs, std::function<void()> tick) override;
    void StopTimer(int id) override;
    // On the multiples of the interval on the virtual clock while the offers say the loop keeps
    // beats, else a message timer.
    int StartBeatTimer(unsigned intervalMs, std::function<void()> tick) override;
    int TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen) override;
    TMsgBoxResult ShowMessageBox(const std::string& text, const std::string& caption,
                                 TMsgBoxButtons buttons, TMsgBoxIcon icon) override;
    void ShowHintWindow(const std::string& text, TPoint screen, TColor color,
                        const TFontSpec& font) override;
    void HideHintWindow() override { FHintText.clear(); }
    void Run() override;
    // Run never waits, so there is nothing to end.
    void QuitLoop() override { }
    void ProcessMessages() override;
    void PostToGuiThread(std::function<void()> work) override;
    // How often work was posted to the GUI thread so far: each post would wake a waiting loop.
    int PostsMade();
    bool IsGuiThread() override { return std::this_thread::get_id() == FGuiThread; }
    void Pause(unsigned ms) override { FNow += ms; }
    std::uint32_t TickCount() override { return FNow; }
    unsigned DoubleClickTime() override { return 500; }

    static constexpr WindowId kAppWindow = 1;

private:
    struct Timer {
        unsigned interval = 0;
        std::uint32_t due = 0;
        std::function<void()> tick;
    };

    THeadlessWindow* Find(WindowId id);
    // The shown window under a screen point, topmost first; 0 when none.
    WindowId WindowAt(TPoint screen) const;
    std::vector<WindowId> ZOrder() const;
    TPoint ToClient(WindowId id, TPoint screen) const;
    TShiftState MouseShift() const;
    void TrackHover(WindowId over);
    void ActivateOtherThan(WindowId gone);
    // The application window takes the activation from the active window, which hears it.
    void AppWindowTakesActivation();
    // Tells the application, from the queue, that it is active (it hands the activation on).
    void PostAppActivated();
    // Where the activation goes when `gone` (hidden, or the application window) loses it: the
    // nearest shown window below it, else the topmost shown one; 0 when no window is shown.
    WindowId NextToActivate(WindowId gone) const;
    void PaintPending();
    bool RunPosted();

    std::map<WindowId, THeadlessWindow> FWindows;
    std::vector<WindowId> FStack;  // bottom to top, within the normal and the topmost band
    WindowId FNextId = 0x100;
    WindowId FForeground = 0;
    WindowId FCapture = 0;
    WindowId FHover = 0;
    WindowId FDragging = 0;
    TPoint FDragOffset;
    TPoint FPointer;
    TShiftState FShift = 0;
    TShiftState FButtons = 0;
    std::uint32_t FNow = 0;
    bool FInputWaiting = false;
    std::map<int, Timer> FTimers;
    int FNextTimer = 1;
    TMenuChooser FChooser;
    std::vector<TMenuEntry> FLastMenu;
    TPoint FLastMenuPoint;
    int FMenuCount = 0;
    IAppWindowHandler* FAppHandler = nullptr;
    std::string FAppTitle;
    bool FAppVisible = false;
    bool FAppMinimized = false;
    bool FForeignForeground = false;
    std::string FLastMessageText;
    std::string FLastMessageCaption;
    TMsgBoxIcon FLastMessageIcon = TMsgBoxIcon::None;
    int FMessageCount = 0;
    std::string FHintText;
    TPoint FHintPoint;
    TFontSpec FHintFont;
    std::uintptr_t FCursor = 0;
    std::vector<THeadlessCursor> FMadeCursors;
    std::optional<TRect> FClip;
    TSize FScreenSize{1280, 1024};
    int FSystemDpi = 96;
    std::vector<TRect> FWorkAreas;
    TBackendOffers FOffers{true, TMenuDrawing::Program, TNotifyAreaKind::SystemTray};
    std::thread::id FGuiThread;
    std::mutex FPostLock;
    std::deque<std::function<void()>> FPostQueue;
    int FPostsMade = 0;
};

// Installs a fresh headless backend and a fresh application; returns the backend.
HeadlessBackend& UseHeadlessBackend();
// The installed backend, which must be the headless one.
HeadlessBackend& Headless();
