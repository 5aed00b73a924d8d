// Tray windows over status items. Without a watcher on the bus (a bare window manager) or without
// a bus at all, an icon has nowhere to show: the calls say so, and the features tell the program
// that hiding to the tray would lose its window.
#include "platform/posix/dbus/dbus_notify_area.h"

#include <utility>

#include "platform/posix/dbus/status_item.h"

namespace sw {

namespace {

class DbusTrayWindow : public ITrayWindow {
public:
    DbusTrayWindow(ITrayEvents& events, const std::function<void(std::function<void()>)>& postToGui,
                   int serial)
        : FEvents(std::make_shared<ITrayEvents*>(&events)),
          FItem(std::make_shared<StatusItem>(PostFor(FEvents, postToGui), serial))
    {
    }

    std::shared_ptr<StatusItem> Item() const { return FItem; }

    WindowId Handle() const override { return reinterpret_cast<WindowId>(this); }
    bool ShowIcon(const IconImage& image, const std::string& tip) override
    {
        if (FShown)
            return false;
        FShown = true;
        // On the bus whether or not a panel shows it yet: IconReachable tells.
        FItem->Show(image, tip);
        return true;
    }
    bool ChangeIcon(const NotifyIconChange& change) override
    {
        if (!FShown)
            return false;
        FItem->Change(change);
        // A panel that restarts leaves the bus for a moment: no reason to say anything.
        return FItem->WatcherPresentNow().value_or(true);
    }
    bool RemoveIcon() override
    {
        if (!FShown)
            return false;
        FShown = false;
        FItem->Remove();
        return true;
    }
    void SetTimer(unsigned id, unsigned milliseconds) override
    {
        FItem->SetTimer(id, milliseconds);
    }
    void KillTimer(unsigned id) override { FItem->KillTimer(id); }
    // The desktop draws the menu and keeps the focus with it.
    void SetForeground() override { }
    void MenuClosed() override { }
    void SetMenu(const NotifyMenu& menu) override { FItem->SetMenu(menu); }
    // Waits for the connection, which the start has long made by the time anyone hides.
    bool IconReachable() override { return FShown && FItem->WatcherPresent(); }

private:
    // Calls reach the events only while this window lives: it ends on the GUI thread, where
    // they run.
    static StatusItem::Post PostFor(const std::shared_ptr<ITrayEvents*>& events,
                                    std::function<void(std::function<void()>)> postToGui)
    {
        return [weak = std::weak_ptr(events),
                postToGui = std::move(postToGui)](std::function<void(ITrayEvents&)> call) {
            postToGui([weak, call = std::move(call)] {
                if (const auto events = weak.lock())
                    call(**events);
            });
        };
    }

    std::shared_ptr<ITrayEvents*> FEvents;
    std::shared_ptr<StatusItem> FItem;
    bool FShown = false;
};

class DbusNotifyArea : public INotifyArea {
public:
    explicit DbusNotifyArea(std::function<void(std::function<void()>)> postToGui)
        : FPostToGui(std::move(postToGui))
    {
    }

    std::unique_ptr<ITrayWindow> CreateTrayWindow(ITrayEvents& events) override
    {
        auto window = std::make_unique<DbusTrayWindow>(events, FPostToGui, ++FWindows);
        FLatest = window->Item();
        return window;
    }

    NotifyAreaFeatures Features() override
    {
        NotifyAreaFeatures features;
        features.desktopMenus = true;
        features.pointerMoves = false;
        // Until a window has looked, assume a desktop with a notification area.
        if (const auto item = FLatest.lock())
            features.present = item->WatcherPresentNow().value_or(true);
        return features;
    }
    // Clicks come told apart by the desktop; the figure only bounds the component's waits.
    unsigned DoubleClickTime() override { return 400; }
    // Only the desktop sees the pointer over the icon; it passes the position with each click.
    TrayPointerState PointerState() override { return {}; }
    void SetTaskListVisible(bool) override { }

private:
    std::function<void(std::function<void()>)> FPostToGui;
    std::weak_ptr<StatusItem> FLatest;
    int FWindows = 0;
};

}  // namespace

std::shared_ptr<INotifyArea>
MakeDbusNotifyArea(std::function<void(std::function<void()>)> postToGui)
{
    return std::make_shared<DbusNotifyArea>(std::move(postToGui));
}

}  // namespace sw
