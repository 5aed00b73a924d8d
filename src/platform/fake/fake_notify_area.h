// An in-memory notification area: it keeps the icons the shell would show (with their tips and
// balloons), records every icon call a component makes in order, runs the hidden windows' timers
// on the clock a test hands it, and plays the shell's and the session's reports (clicks, menu
// requests, balloons, restarts, session end) in the order the Win32 backend passes them on.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/notify_area.h"

namespace sw {

enum class NotifyCallKind { Show, Change, Remove };

struct NotifyIconCall {
    NotifyCallKind kind = NotifyCallKind::Show;
    WindowId window = 0;
    // Show: the image and the tip; Change: the parts changed; Remove: nothing.
    NotifyIconChange change;
};

// An icon as the shell shows it.
struct FakeShownIcon {
    IconImage image;
    std::string tip;
    // Empty while no balloon is open.
    NotifyBalloon balloon;
    // Shown while the shell asked for menus itself, so it does so for this icon.
    bool menuRequests = false;
};

// The clock that runs the hidden windows' timers: in tests the headless toolkit's, so that one
// AdvanceTime moves the tray together with every other timer.
struct FakeTimerHost {
    std::function<int(unsigned intervalMs, std::function<void()> tick)> start;
    std::function<void(int id)> stop;
};

class FakeNotifyArea : public INotifyArea {
public:
    // What the system reports; tests change these before or between steps.
    NotifyAreaFeatures ShellFeatures;
    unsigned DoubleClickMs = 500;
    TrayPointerState Pointer;
    // A desktop without a notification area: every icon is refused, and one shown before is no
    // longer reachable.
    bool RefusesIcons = false;

    // What the components did, in order.
    std::vector<NotifyIconCall> Calls;
    std::vector<WindowId> ForegroundRequests;
    std::vector<WindowId> ClosedMenus;
    std::vector<bool> TaskListRequests;

    std::unique_ptr<ITrayWindow> CreateTrayWindow(ITrayEvents& events) override;
    NotifyAreaFeatures Features() override { return ShellFeatures; }
    unsigned DoubleClickTime() override { return DoubleClickMs; }
    TrayPointerState PointerState() override { return Pointer; }
    void SetTaskListVisible(bool visible) override { TaskListRequests.push_back(visible); }

    // The shell's side: the icon it shows for a window (the newest live window by default).
    const FakeShownIcon* ShownIcon(WindowId window = 0) const;
    WindowId LatestWindow() const;
    int LiveWindows() const { return static_cast<int>(FWindows.size()); }
    bool TimerRunning(unsigned id, WindowId window = 0) const;

    // The shell's reports about a window's icon; nothing happens when there is no such window.
    void MovePointer(WindowId window = 0);
    void Button(ButtonAction action, PointerButton button, WindowId window = 0);
    void RequestMenu(MenuRequest how, WindowId window = 0);
    // A desktop that tells clicks apart itself.
    void Activate(int x, int y, WindowId window = 0);
    void AskMenuAt(int x, int y, WindowId window = 0);
    // A desktop that draws the menu: asks for it fresh and answers the description the window
    // gave; then the user's choice.
    NotifyMenu OpenDesktopMenu(WindowId window = 0);
    void ChooseMenuItem(int id, WindowId window = 0);
    void Balloon(BalloonEvent event, WindowId window = 0);
    // Press and release; after a right click the shell asks for the menu of an icon shown while
    // it asked for menus itself.
    void Click(PointerButton button, WindowId window = 0);
    // The shell's order: down, up, double click, up.
    void DoubleClick(PointerButton button, WindowId window = 0);
    // The shell restarts: every icon is gone and each window is told so.
    void RestartShell();
    // The session's end: the window's answer to "may it end?" (nothing without the window), then
    // the end itself or its cancellation.
    std::optional<bool> QueryEndSession(WindowId window = 0);
    void EndSession(bool ending, WindowId window = 0);

    // Without a host, timers are kept (TimerRunning) but never fire.
    void SetTimerHost(FakeTimerHost host) { FTimerHost = std::move(host); }

private:
    class Window;
    friend class Window;

    struct WindowRecord {
        ITrayEvents* events = nullptr;
        std::map<unsigned, int> timers;  // the window's timer id → the host's
        NotifyMenu menu;
    };

    WindowId Resolve(WindowId window) const;
    // The events of a live window; a handler may destroy its own window, so callers use the
    // pointer once and look it up again for the next report.
    ITrayEvents* EventsOf(WindowId window) const;
    bool Show(WindowId window, const IconImage& image, const std::string& tip);
    bool Change(WindowId window, const NotifyIconChange& change);
    bool Remove(WindowId window);
    void StartTimer(WindowId window, unsigned id, unsigned milliseconds);
    void StopTimer(WindowId window, unsigned id);

    std::map<WindowId, WindowRecord> FWindows;
    std::map<WindowId, FakeShownIcon> FIcons;
    WindowId FNextWindow = 0x1000;
    FakeTimerHost FTimerHost;
};

}  // namespace sw
