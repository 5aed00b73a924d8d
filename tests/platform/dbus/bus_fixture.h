// A private session bus per test process, with the desktop's parts played by the test: a
// watcher that records the items registered with it, a notification server that records the
// notices, and a GUI thread that is the test's own, draining what the item posts to it.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <systemd/sd-bus.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/notify_area.h"
#include "platform/posix/dbus/dbus_notify_area.h"

namespace sw::test {

// Without service folders in its configuration the bus starts nobody on demand (an installed
// notification server would otherwise answer for the missing one).
inline std::string StartPrivateBus(pid_t& pid)
{
    const std::string config = testing::TempDir() + "spacewell-bus.conf";
    if (FILE* file = std::fopen(config.c_str(), "w")) {
        std::fputs(
            "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
            "<auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
            "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n",
            file);
        std::fclose(file);
    }
    const std::string command =
        "dbus-daemon --config-file=" + config + " --fork --print-address=1 --print-pid=1";
    FILE* out = popen(command.c_str(), "r");
    char address[512] = {};
    char pidText[32] = {};
    if (!out)
        return "";
    const bool read =
        std::fgets(address, sizeof address, out) && std::fgets(pidText, sizeof pidText, out);
    pclose(out);
    if (!read)
        return "";
    pid = static_cast<pid_t>(std::atoi(pidText));
    std::string text = address;
    return text.substr(0, text.find('\n'));
}

inline sd_bus* OpenBus()
{
    sd_bus* bus = nullptr;
    return sd_bus_open_user(&bus) >= 0 ? bus : nullptr;
}

// A connection that owns `name` and serves `vtable` at `path`; ends with the object.
struct BusPeer {
    BusPeer(const char* name, const char* path, const char* interface, const sd_bus_vtable* vtable,
            void* userdata)
        : bus(OpenBus())
    {
        if (bus) {
            sd_bus_add_object_vtable(bus, nullptr, path, interface, vtable, userdata);
            sd_bus_request_name(bus, name, 0);
        }
    }
    ~BusPeer() { sd_bus_flush_close_unref(bus); }
    sd_bus* bus;
};

class FakeWatcher {
public:
    FakeWatcher() : FPeer(kName, "/StatusNotifierWatcher", kName, kVtable, this) { }
    std::vector<std::string> registered;
    sd_bus* Bus() const { return FPeer.bus; }

private:
    static constexpr const char* kName = "org.kde.StatusNotifierWatcher";
    static int OnRegister(sd_bus_message* m, void* self, sd_bus_error*)
    {
        const char* service = nullptr;
        sd_bus_message_read(m, "s", &service);
        static_cast<FakeWatcher*>(self)->registered.emplace_back(service);
        return sd_bus_reply_method_return(m, "");
    }
    static constexpr sd_bus_vtable kVtable[] = {
        SD_BUS_VTABLE_START(0), SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", OnRegister, 0),
        SD_BUS_VTABLE_END};
    BusPeer FPeer;
};

struct Notice {
    std::string app, icon, title, body;
    unsigned replaces = 0;
    int expireMs = 0;
};

class FakeNotifier {
public:
    FakeNotifier() : FPeer(kName, "/org/freedesktop/Notifications", kName, kVtable, this) { }
    std::vector<Notice> notices;
    sd_bus* Bus() const { return FPeer.bus; }

private:
    static constexpr const char* kName = "org.freedesktop.Notifications";
    static int OnNotify(sd_bus_message* m, void* self, sd_bus_error*)
    {
        const char *app, *icon, *title, *body;
        Notice notice;
        sd_bus_message_read(m, "susss", &app, &notice.replaces, &icon, &title, &body);
        sd_bus_message_skip(m, "asa{sv}");
        sd_bus_message_read(m, "i", &notice.expireMs);
        notice.app = app, notice.icon = icon, notice.title = title, notice.body = body;
        auto& notices = static_cast<FakeNotifier*>(self)->notices;
        notices.push_back(notice);
        return sd_bus_reply_method_return(m, "u", static_cast<unsigned>(40 + notices.size()));
    }
    static constexpr sd_bus_vtable kVtable[] = {
        SD_BUS_VTABLE_START(0), SD_BUS_METHOD("Notify", "susssasa{sv}i", "u", OnNotify, 0),
        SD_BUS_VTABLE_END};
    BusPeer FPeer;
};

inline NotifyMenuItem Item(int id, const std::string& caption,
                           NotifyMenuToggle toggle = NotifyMenuToggle::None, bool checked = false,
                           bool enabled = true, const NotifyMenu& items = {})
{
    NotifyMenuItem item;
    item.id = id;
    item.caption = caption;
    item.toggle = toggle;
    item.checked = checked;
    item.group = toggle == NotifyMenuToggle::Radio ? 1 : 0;
    item.enabled = enabled;
    item.items = items;
    return item;
}

// What reaches the program, as text, and whether it came on the GUI thread.
class RecordingEvents : public ITrayEvents {
public:
    std::vector<std::string> log;
    bool offGuiThread = false;
    ITrayWindow* window = nullptr;
    // Given to the window when the desktop is about to show the menu, as the program does.
    NotifyMenu menuOnShow;

    void PointerMoved() override { Note("moved"); }
    void ButtonChanged(ButtonAction, PointerButton) override { Note("button"); }
    void MenuRequested(MenuRequest) override { Note("menu requested"); }
    void Activated(int x, int y) override { Note("activated " + Xy(x, y)); }
    void MenuAskedAt(int x, int y) override { Note("menu at " + Xy(x, y)); }
    void MenuAboutToShow() override
    {
        Note("about to show");
        window->SetMenu(menuOnShow);
    }
    void MenuItemChosen(int id) override { Note("chosen " + std::to_string(id)); }
    void BalloonChanged(BalloonEvent) override { Note("balloon"); }
    void ShellRestarted() override { Note("shell restarted"); }
    void TimerFired(unsigned id) override { Note("timer " + std::to_string(id)); }
    bool SessionMayEnd() override { return true; }
    void SessionEnded(bool) override { Note("session"); }

private:
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    void Note(const std::string& what)
    {
        offGuiThread |= std::this_thread::get_id() != FGuiThread;
        log.push_back(what);
    }
    std::thread::id FGuiThread = std::this_thread::get_id();
};

// The program's GUI thread: the test's, draining what the item posted.
class GuiQueue {
public:
    std::function<void(std::function<void()>)> Poster()
    {
        return [this](std::function<void()> call) {
            std::lock_guard guard(FLock);
            FCalls.push_back(std::move(call));
        };
    }
    void Drain()
    {
        for (;;) {
            std::function<void()> call;
            {
                std::lock_guard guard(FLock);
                if (FCalls.empty())
                    return;
                call = std::move(FCalls.front());
                FCalls.pop_front();
            }
            call();
        }
    }

private:
    std::mutex FLock;
    std::deque<std::function<void()>> FCalls;
};

// Serves the given connections and the GUI queue until `done` holds; false after 5 s.
inline bool PumpUntil(GuiQueue& gui, const std::vector<sd_bus*>& buses,
                      const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        for (sd_bus* bus : buses)
            while (bus && sd_bus_process(bus, nullptr) > 0) { }
        gui.Drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace sw::test
