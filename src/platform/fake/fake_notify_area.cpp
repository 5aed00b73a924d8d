// The fake shell's bookkeeping: icons by window, timers on the host's clock.
#include "platform/fake/fake_notify_area.h"

#include <algorithm>
#include <utility>

namespace sw {

class FakeNotifyArea::Window : public ITrayWindow {
public:
    Window(FakeNotifyArea& area, WindowId id) : FArea(area), FId(id) { }
    ~Window() override
    {
        while (!FArea.FWindows[FId].timers.empty())
            FArea.StopTimer(FId, FArea.FWindows[FId].timers.begin()->first);
        FArea.FWindows.erase(FId);
    }

    WindowId Handle() const override { return FId; }
    bool NotifyIcon(unsigned message, const TrayIconData& data) override
    {
        return FArea.Record(FId, message, data);
    }
    void SetTimer(unsigned id, unsigned milliseconds) override
    {
        FArea.StartTimer(FId, id, milliseconds);
    }
    void KillTimer(unsigned id) override { FArea.StopTimer(FId, id); }
    void SetForeground() override { FArea.ForegroundRequests.push_back(FId); }
    void Post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        FArea.Posted.push_back({FId, {msg, wParam, lParam}});
    }

private:
    FakeNotifyArea& FArea;
    WindowId FId;
};

std::unique_ptr<ITrayWindow> FakeNotifyArea::CreateTrayWindow(TrayWindowProc proc)
{
    WindowId id = FNextWindow++;
    FWindows[id].proc = std::move(proc);
    return std::make_unique<Window>(*this, id);
}

WindowId FakeNotifyArea::LatestWindow() const
{
    return FWindows.empty() ? 0 : FWindows.rbegin()->first;
}

WindowId FakeNotifyArea::Resolve(WindowId window) const
{
    return window != 0 ? window : LatestWindow();
}

// Applies a call the way the shell does: adding an icon that is there already fails, and so
// does any other call for an icon that is not there; a modification changes only the fields
// its flags name.
bool FakeNotifyArea::Record(WindowId window, unsigned message, const TrayIconData& data)
{
    Calls.push_back({message, data});
    auto it = FIcons.find(window);
    if ((message == kNimAdd) == (it != FIcons.end()))
        return false;
    switch (message) {
    case kNimAdd:
        FIcons.emplace(window, data);
        break;
    case kNimModify:
        if (data.uFlags & kNifIcon)
            it->second.hIcon = data.hIcon;
        if (data.uFlags & kNifTip)
            it->second.szTip = data.szTip;
        if (data.uFlags & kNifInfo) {
            it->second.szInfo = data.szInfo;
            it->second.szInfoTitle = data.szInfoTitle;
            it->second.dwInfoFlags = data.dwInfoFlags;
        }
        break;
    case kNimDelete:
        FIcons.erase(it);
        break;
    case kNimSetVersion:
        it->second.uVersion = data.uVersion;
        break;
    }
    return true;
}

const TrayIconData* FakeNotifyArea::ShownIcon(WindowId window) const
{
    auto it = FIcons.find(Resolve(window));
    return it == FIcons.end() ? nullptr : &it->second;
}

bool FakeNotifyArea::TimerRunning(unsigned id, WindowId window) const
{
    auto it = FWindows.find(Resolve(window));
    return it != FWindows.end() && it->second.timers.count(id) != 0;
}

std::optional<std::intptr_t> FakeNotifyArea::Send(const TrayMessage& message, WindowId window)
{
    auto it = FWindows.find(Resolve(window));
    if (it == FWindows.end())
        return std::nullopt;
    // A copy: the handler may destroy its own window.
    TrayWindowProc proc = it->second.proc;
    return proc(message);
}

void FakeNotifyArea::Notify(unsigned mouseMessage, WindowId window)
{
    Send({kTrayCallbackMessage, kTrayIconId, static_cast<std::intptr_t>(mouseMessage)}, window);
}

void FakeNotifyArea::Click(unsigned buttonDownMessage, WindowId window)
{
    window = Resolve(window);
    Notify(buttonDownMessage, window);
    Notify(buttonDownMessage + 1, window);
    const TrayIconData* icon = ShownIcon(window);
    if (!icon || icon->uVersion < kNotifyIconVersion)
        return;
    if (buttonDownMessage == kWmLButtonDown)
        Notify(kNinSelect, window);
    if (buttonDownMessage == kWmRButtonDown)
        Notify(kWmContextMenu, window);
}

void FakeNotifyArea::DoubleClick(unsigned buttonDownMessage, WindowId window)
{
    window = Resolve(window);
    Notify(buttonDownMessage, window);
    Notify(buttonDownMessage + 1, window);
    Notify(buttonDownMessage + 2, window);
    Notify(buttonDownMessage + 1, window);
}

void FakeNotifyArea::RestartShell()
{
    FIcons.clear();
    std::vector<WindowId> windows;
    for (const auto& entry : FWindows)
        windows.push_back(entry.first);
    for (WindowId window : windows)
        Send({TaskbarCreatedId, 0, 0}, window);
}

void FakeNotifyArea::StartTimer(WindowId window, unsigned id, unsigned milliseconds)
{
    // Setting a running timer again restarts it, as the system does.
    StopTimer(window, id);
    // The system waits at least 10 ms, whatever the interval asked for.
    unsigned interval = std::max(milliseconds, 10u);
    int hostId = 0;
    if (FTimerHost.start)
        hostId = FTimerHost.start(interval, [this, window, id] {
            Send({kWmTimer, id, 0}, window);
        });
    FWindows[window].timers[id] = hostId;
}

void FakeNotifyArea::StopTimer(WindowId window, unsigned id)
{
    auto& timers = FWindows[window].timers;
    auto it = timers.find(id);
    if (it == timers.end())
        return;
    if (FTimerHost.stop && it->second != 0)
        FTimerHost.stop(it->second);
    timers.erase(it);
}

}  // namespace sw
