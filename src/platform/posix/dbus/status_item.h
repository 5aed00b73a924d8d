// One notification-area icon as a status item on the session bus, with its menu and its notices.
// The program's calls (on its GUI thread) only store what changed and wake the item's own thread,
// which alone touches the bus: it answers the desktop from the stored state, announces changes,
// registers with the desktop's watcher whenever one appears, runs the hidden window's timers, and
// hands everything the desktop reports to the program through `post`.
#pragma once

#include <systemd/sd-bus.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/notify_area.h"
#include "platform/posix/dbus/menu_layout.h"

namespace sw {

class StatusItem {
public:
    // Runs a call to the window's events on the program's GUI thread, if the window still exists.
    using Post = std::function<void(std::function<void(ITrayEvents&)>)>;

    // Starts the item's thread, which connects to the session bus, once the program's loop runs,
    // or sooner when asked whether a watcher is there: the program's start does not wait for the
    // bus, and neither the thread nor the connection takes the processor from the window being
    // built and mapped.
    // No bus or no watcher on it is no failure: the icon is then never shown, and standard
    // error says once that the desktop has no notification area. `serial` is the bus name's
    // (one per icon of the process).
    StatusItem(Post post, int serial);
    ~StatusItem();
    StatusItem(const StatusItem&) = delete;
    StatusItem& operator=(const StatusItem&) = delete;

    // A watcher is on the bus, so a shown icon reaches a panel. Waits for the connection.
    bool WatcherPresent()
    {
        Begin();
        FConnected.wait();
        return FWatcherPresent;
    }
    // The same without waiting: nothing while the item is still connecting.
    std::optional<bool> WatcherPresentNow() const
    {
        if (FConnected.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            return std::nullopt;
        return FWatcherPresent.load();
    }

    void Show(const IconImage& image, const std::string& tip);
    void Change(const NotifyIconChange& change);
    void Remove();
    void SetMenu(const NotifyMenu& menu);
    void SetTimer(unsigned id, unsigned milliseconds);
    void KillTimer(unsigned id);

private:
    using Clock = std::chrono::steady_clock;

    struct Timer {
        Clock::duration interval;
        Clock::time_point due;
    };

    // What the GUI thread left for the bus thread since it last looked.
    struct Changes {
        bool quit = false;
        bool shownChanged = false;
        bool iconChanged = false;
        bool tipChanged = false;
        bool menuArrived = false;
        std::vector<NotifyBalloon> notices;
    };

    // A menu request answered once the program has brought the menu up to date.
    struct MenuRequest {
        sd_bus_message* call;
        Clock::time_point deadline;
    };

    // item_loop.cpp: the thread, its start, its wake-ups and timers.
    void Begin();
    void Wake();
    void Run();
    Changes TakeChanges();
    void Apply(const Changes& changes);
    void FireDueTimers();
    bool ProcessBus();
    void WaitForWork();
    Clock::time_point NextDeadline();
    void DropBus();

    // status_item.cpp: the item's object and its registration.
    void Connect();
    void ExportItem();
    void WatchWatcher();
    void UpdateName(bool wanted);
    void Register();
    void Emit(const char* member);
    static int OnWatcherOwner(sd_bus_message* message, void* self, sd_bus_error* error);
    static int OnItemMethod(sd_bus_message* message, void* self, sd_bus_error* error);
    static int GetItemProperty(sd_bus* bus, const char* path, const char* interface,
                               const char* property, sd_bus_message* reply, void* self,
                               sd_bus_error* error);
    int AppendPixmaps(sd_bus_message* reply);

    // dbus_menu.cpp: the menu's object.
    void ExportMenu();
    void RebuildMenu();
    void AnswerMenuRequests(bool all);
    static int OnMenuMethod(sd_bus_message* message, void* self, sd_bus_error* error);
    static int GetMenuProperty(sd_bus* bus, const char* path, const char* interface,
                               const char* property, sd_bus_message* reply, void* self,
                               sd_bus_error* error);
    int GetLayout(sd_bus_message* call, sd_bus_error* error);
    int GetGroupProperties(sd_bus_message* call);
    int GetProperty(sd_bus_message* call, sd_bus_error* error);
    bool MenuEvent(int id, const std::string& kind);
    int MenuEvents(sd_bus_message* call, bool group);
    int AboutToShow(sd_bus_message* call);

    // desktop_notice.cpp: the low-space notice.
    void SendNotice(const NotifyBalloon& balloon);
    static int OnNoticeSent(sd_bus_message* reply, void* self, sd_bus_error* error);

    Post FPost;
    std::string FName;
    int FWake = -1;

    // Shared with the GUI thread, under FLock.
    std::mutex FLock;
    bool FWanted = false;
    IconImage FImage;
    std::string FTip;
    NotifyMenu FMenu;
    Changes FChanges;
    std::map<unsigned, Timer> FTimers;

    std::atomic<bool> FWatcherPresent = false;
    // Ready once the bus thread has connected, or found no bus.
    std::promise<void> FConnecting;
    std::shared_future<void> FConnected = FConnecting.get_future().share();

    // The bus thread's own.
    sd_bus* FBus = nullptr;
    std::vector<sd_bus_slot*> FSlots;
    bool FNameOwned = false;
    MenuNode FLayout;
    unsigned FRevision = 1;
    std::vector<MenuRequest> FMenuRequests;
    unsigned FNoticeId = 0;

    std::once_flag FStarted;
    std::thread FThread;
};

}  // namespace sw
