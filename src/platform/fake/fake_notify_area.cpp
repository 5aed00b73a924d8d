// The fake shell's bookkeeping: icons by window, timers on the host's clock, and the reports
// in the Win32 backend's order.
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
    bool ShowIcon(const IconImage& image, const std::string& tip) override
    {
        return FArea.Show(FId, image, tip);
    }
    bool ChangeIcon(const NotifyIconChange& change) override { return FArea.Change(FId, change); }
    bool RemoveIcon() override { return FArea.Remove(FId); }
    void SetTimer(unsigned id, unsigned milliseconds) override
    {
        FArea.StartTimer(FId, id, milliseconds);
    }
    void KillTimer(unsigned id) override { FArea.StopTimer(FId, id); }
    void SetForeground() override { FArea.ForegroundRequests.push_back(FId); }
    void MenuClosed() override { FArea.ClosedMenus.push_back(FId); }
    void SetMenu(const NotifyMenu& menu) override { FArea.FWindows[FId].menu = menu; }
    bool IconReachable() override { return !FArea.RefusesIcons; }

private:
    FakeNotifyArea& FArea;
    WindowId FId;
};

std::unique_ptr<ITrayWindow> FakeNotifyArea::CreateTrayWindow(ITrayEvents& events)
{
    WindowId id = FNextWindow++;
    FWindows[id].events = &events;
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

ITrayEvents* FakeNotifyArea::EventsOf(WindowId window) const
{
    auto it = FWindows.find(window);
    return it == FWindows.end() ? nullptr : it->second.events;
}

// Each call is applied the way the shell does: showing an icon that is there already fails, and
// so does any other call for an icon that is not there.
bool FakeNotifyArea::Show(WindowId window, const IconImage& image, const std::string& tip)
{
    Calls.push_back({NotifyCallKind::Show, window, {image, tip, std::nullopt}});
    if (RefusesIcons || FIcons.count(window) != 0)
        return false;
    FIcons[window] = {image, tip, {}, ShellFeatures.menuRequests};
    return true;
}

bool FakeNotifyArea::Change(WindowId window, const NotifyIconChange& change)
{
    Calls.push_back({NotifyCallKind::Change, window, change});
    auto it = FIcons.find(window);
    if (it == FIcons.end())
        return false;
    if (change.image)
        it->second.image = *change.image;
    if (change.tip)
        it->second.tip = *change.tip;
    if (change.balloon)
        it->second.balloon = *change.balloon;
    return true;
}

bool FakeNotifyArea::Remove(WindowId window)
{
    Calls.push_back({NotifyCallKind::Remove, window, {}});
    return FIcons.erase(window) != 0;
}

const FakeShownIcon* FakeNotifyArea::ShownIcon(WindowId window) const
{
    auto it = FIcons.find(Resolve(window));
    return it == FIcons.end() ? nullptr : &it->second;
}

bool FakeNotifyArea::TimerRunning(unsigned id, WindowId window) const
{
    auto it = FWindows.find(Resolve(window));
    return it != FWindows.end() && it->second.timers.count(id) != 0;
}

void FakeNotifyArea::MovePointer(WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->PointerMoved();
}

void FakeNotifyArea::Button(ButtonAction action, PointerButton button, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->ButtonChanged(action, button);
}

void FakeNotifyArea::RequestMenu(MenuRequest how, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->MenuRequested(how);
}

void FakeNotifyArea::Activate(int x, int y, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->Activated(x, y);
}

void FakeNotifyArea::AskMenuAt(int x, int y, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->MenuAskedAt(x, y);
}

NotifyMenu FakeNotifyArea::OpenDesktopMenu(WindowId window)
{
    window = Resolve(window);
    if (ITrayEvents* events = EventsOf(window))
        events->MenuAboutToShow();
    auto it = FWindows.find(window);
    return it == FWindows.end() ? NotifyMenu{} : it->second.menu;
}

void FakeNotifyArea::ChooseMenuItem(int id, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->MenuItemChosen(id);
}

void FakeNotifyArea::Balloon(BalloonEvent event, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->BalloonChanged(event);
}

void FakeNotifyArea::Click(PointerButton button, WindowId window)
{
    window = Resolve(window);
    Button(ButtonAction::Down, button, window);
    Button(ButtonAction::Up, button, window);
    const FakeShownIcon* icon = ShownIcon(window);
    if (icon && icon->menuRequests && button == PointerButton::Right)
        RequestMenu(MenuRequest::ContextMenu, window);
}

void FakeNotifyArea::DoubleClick(PointerButton button, WindowId window)
{
    window = Resolve(window);
    Button(ButtonAction::Down, button, window);
    Button(ButtonAction::Up, button, window);
    Button(ButtonAction::DoubleClick, button, window);
    Button(ButtonAction::Up, button, window);
}

void FakeNotifyArea::RestartShell()
{
    FIcons.clear();
    std::vector<WindowId> windows;
    for (const auto& entry : FWindows)
        windows.push_back(entry.first);
    for (WindowId window : windows)
        if (ITrayEvents* events = EventsOf(window))
            events->ShellRestarted();
}

std::optional<bool> FakeNotifyArea::QueryEndSession(WindowId window)
{
    ITrayEvents* events = EventsOf(Resolve(window));
    if (!events)
        return std::nullopt;
    return events->SessionMayEnd();
}

void FakeNotifyArea::EndSession(bool ending, WindowId window)
{
    if (ITrayEvents* events = EventsOf(Resolve(window)))
        events->SessionEnded(ending);
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
            if (ITrayEvents* events = EventsOf(window))
                events->TimerFired(id);
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
