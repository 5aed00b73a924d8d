// An in-memory notification area: it keeps the icons the shell would show (with their tips),
// records every call a component makes, runs the hidden windows' timers on the clock a test hands
// it, and plays the shell's notifications (clicks, restarts, session end).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/notify_area.h"

namespace sw {

struct NotifyIconCall {
    unsigned message = 0;
    TrayIconData data;
};

// The clock that runs the hidden windows' timers: in tests the headless toolkit's, so that one
// AdvanceTime moves the tray together with every other timer.
struct FakeTimerHost {
    std::function<int(unsigned intervalMs, std::function<void()> tick)> start;
    std::function<void(int id)> stop;
};

struct PostedTrayMessage {
    WindowId window = 0;
    TrayMessage message;
};

class FakeNotifyArea : public INotifyArea {
public:
    // What the system reports; tests change these before or between steps.
    std::uint32_t ShellVersion = 0x60000;
    unsigned DoubleClickMs = 500;
    unsigned TaskbarCreatedId = 0xC0F0;
    TrayPointerState Pointer;

    // What the components did, in order.
    std::vector<NotifyIconCall> Calls;
    std::vector<PostedTrayMessage> Posted;
    std::vector<WindowId> ForegroundRequests;
    std::vector<bool> TaskListRequests;

    std::unique_ptr<ITrayWindow> CreateTrayWindow(TrayWindowProc proc) override;
    std::uint32_t ShellFileVersion() override { return ShellVersion; }
    unsigned TaskbarCreatedMessage() override { return TaskbarCreatedId; }
    unsigned DoubleClickTime() override { return DoubleClickMs; }
    TrayPointerState PointerState() override { return Pointer; }
    void SetTaskListVisible(bool visible) override { TaskListRequests.push_back(visible); }

    // The shell's side: the icon it shows for a window (the newest live window by default).
    const TrayIconData* ShownIcon(WindowId window = 0) const;
    WindowId LatestWindow() const;
    int LiveWindows() const { return static_cast<int>(FWindows.size()); }
    bool TimerRunning(unsigned id, WindowId window = 0) const;

    // Delivers a message to a hidden window as the system would; nothing when no such window.
    std::optional<std::intptr_t> Send(const TrayMessage& message, WindowId window = 0);
    // The shell's callback for a mouse message over the icon (lParam = mouseMessage).
    void Notify(unsigned mouseMessage, WindowId window = 0);
    // Press and release; an icon that asked for version 3 then gets the selection (left) or
    // context-menu (right) notification, as the shell sends them.
    void Click(unsigned buttonDownMessage, WindowId window = 0);
    // The shell's order: down, up, double click, up.
    void DoubleClick(unsigned buttonDownMessage, WindowId window = 0);
    // The shell restarts: every icon is gone and each window is told the taskbar was created.
    void RestartShell();

    // Without a host, timers are kept (TimerRunning) but never fire.
    void SetTimerHost(FakeTimerHost host) { FTimerHost = std::move(host); }

private:
    class Window;
    friend class Window;

    struct WindowRecord {
        TrayWindowProc proc;
        std::map<unsigned, int> timers;  // the window's timer id → the host's
    };

    WindowId Resolve(WindowId window) const;
    bool Record(WindowId window, unsigned message, const TrayIconData& data);
    void StartTimer(WindowId window, unsigned id, unsigned milliseconds);
    void StopTimer(WindowId window, unsigned id);

    std::map<WindowId, WindowRecord> FWindows;
    std::map<WindowId, TrayIconData> FIcons;
    WindowId FNextWindow = 0x1000;
    FakeTimerHost FTimerHost;
};

}  // namespace sw
