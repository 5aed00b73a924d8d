// An in-memory notification area: it keeps the icons the shell would show (with their tips),
// records every call a component makes, runs the hidden windows' timers on its own clock that
// the test advances, and plays the shell's notifications (clicks, restarts, session end).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "platform/notify_area.h"

namespace sw {

struct NotifyIconCall {
    unsigned message = 0;
    TrayIconData data;
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

    // The clock that drives the timers, in milliseconds since the area was created.
    std::uint64_t Now() const { return FNow; }
    // Moves the clock on, delivering each timer that falls due in order of its due time.
    void AdvanceTime(unsigned milliseconds);

private:
    class Window;
    friend class Window;

    struct Timer {
        unsigned interval = 0;
        std::uint64_t due = 0;
    };
    struct WindowRecord {
        TrayWindowProc proc;
        std::map<unsigned, Timer> timers;
    };

    WindowId Resolve(WindowId window) const;
    bool Record(WindowId window, unsigned message, const TrayIconData& data);

    std::map<WindowId, WindowRecord> FWindows;
    std::map<WindowId, TrayIconData> FIcons;
    WindowId FNextWindow = 0x1000;
    std::uint64_t FNow = 0;
};

}  // namespace sw
