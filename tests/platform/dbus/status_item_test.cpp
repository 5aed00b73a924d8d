// The status item on a private bus, seen from the desktop's side: what a panel reads, what its
// clicks and its menu do in the program, the notices, and the desktops without a watcher, without
// a notification server and without any bus.
#include <unistd.h>

#include <map>
#include <memory>

#include "platform/dbus/bus_fixture.h"

namespace sw::test {
namespace {

using Reply = std::unique_ptr<sd_bus_message, decltype(&sd_bus_message_unref)>;

constexpr const char* kItem = "org.kde.StatusNotifierItem";
constexpr const char* kMenu = "com.canonical.dbusmenu";

// A menu entry as the desktop reads it: its properties as "name=value" joined by spaces.
struct Entry {
    int id = 0;
    std::string properties;
    std::vector<Entry> children;
};

std::string ReadProperties(sd_bus_message* m)
{
    std::map<std::string, std::string> read;
    sd_bus_message_enter_container(m, 'a', "{sv}");
    while (sd_bus_message_enter_container(m, 'e', "sv") > 0) {
        const char* name = nullptr;
        const char* type = nullptr;
        sd_bus_message_read(m, "s", &name);
        sd_bus_message_peek_type(m, nullptr, &type);
        const std::string kind = type;
        sd_bus_message_enter_container(m, 'v', type);
        int number = 0;
        const char* text = nullptr;
        if (kind == "s" && sd_bus_message_read(m, "s", &text) > 0)
            read[name] = text;
        else if (kind == "b" && sd_bus_message_read(m, "b", &number) > 0)
            read[name] = number ? "true" : "false";
        else if (kind == "i" && sd_bus_message_read(m, "i", &number) > 0)
            read[name] = std::to_string(number);
        sd_bus_message_exit_container(m);
        sd_bus_message_exit_container(m);
    }
    sd_bus_message_exit_container(m);
    std::string joined;
    for (const auto& [name, value] : read)
        joined += (joined.empty() ? "" : " ") + name + "=" + value;
    return joined;
}

Entry ReadEntry(sd_bus_message* m)
{
    Entry entry;
    sd_bus_message_enter_container(m, 'r', "ia{sv}av");
    sd_bus_message_read(m, "i", &entry.id);
    entry.properties = ReadProperties(m);
    sd_bus_message_enter_container(m, 'a', "v");
    while (sd_bus_message_enter_container(m, 'v', "(ia{sv}av)") > 0) {
        entry.children.push_back(ReadEntry(m));
        sd_bus_message_exit_container(m);
    }
    sd_bus_message_exit_container(m);
    sd_bus_message_exit_container(m);
    return entry;
}

IconImage FourColours()
{
    // Red, green / blue, see-through white; colours are 0x00BBGGRR.
    return {2, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, {0, 0, 0, 1}};
}

class StatusItemTest : public testing::Test {
protected:
    static void SetUpTestSuite() { FAddress = StartPrivateBus(FBusPid); }
    static void TearDownTestSuite()
    {
        if (FBusPid > 0)
            kill(FBusPid, SIGTERM);
    }

    void SetUp() override
    {
        ASSERT_FALSE(FAddress.empty())
            << "no private session bus: dbus-daemon (package dbus) did not start";
        setenv("DBUS_SESSION_BUS_ADDRESS", FAddress.c_str(), 1);
        host = OpenBus();
        ASSERT_TRUE(host) << "cannot connect to the private bus at " << FAddress;
        sd_bus_match_signal(host, nullptr, nullptr, nullptr, nullptr, nullptr, OnSignal, this);
    }
    void TearDown() override
    {
        window.reset();
        area.reset();
        sd_bus_flush_close_unref(host);
    }

    void MakeWindow()
    {
        area = MakeDbusNotifyArea(gui.Poster());
        window = area->CreateTrayWindow(events);
        events.window = window.get();
    }
    bool Pump(const std::function<bool()>& done)
    {
        return PumpUntil(
            gui, {host, watcher ? watcher->Bus() : nullptr, notifier ? notifier->Bus() : nullptr},
            done);
    }
    static std::string ItemName() { return kItem + ("-" + std::to_string(getpid())) + "-1"; }
    bool ItemOnBus() { return sd_bus_get_name_creds(host, ItemName().c_str(), 0, nullptr) >= 0; }
    void ShowRegistered(const IconImage& image, const std::string& tip)
    {
        watcher = std::make_unique<FakeWatcher>();
        MakeWindow();
        ASSERT_TRUE(window->ShowIcon(image, tip));
        ASSERT_TRUE(Pump([&] { return watcher->registered.size() == 1; }));
        EXPECT_EQ(watcher->registered[0], ItemName());
    }

    template <typename... Args>
    Reply Call(const char* path, const char* interface, const char* member, const char* types,
               Args... args)
    {
        sd_bus_message* reply = nullptr;
        sd_bus_error error = SD_BUS_ERROR_NULL;
        EXPECT_GE(sd_bus_call_method(host, ItemName().c_str(), path, interface, member, &error,
                                     &reply, types, args...),
                  0)
            << member << ": " << (error.message ? error.message : "");
        sd_bus_error_free(&error);
        return {reply, sd_bus_message_unref};
    }
    std::string ItemText(const char* property, const char* type = "s")
    {
        sd_bus_message* reply = nullptr;
        const char* value = nullptr;
        sd_bus_get_property(host, ItemName().c_str(), "/StatusNotifierItem", kItem, property,
                            nullptr, &reply, type);
        const std::string text =
            sd_bus_message_read_basic(reply, type[0], &value) > 0 ? value : "<none>";
        sd_bus_message_unref(reply);
        return text;
    }
    // The tooltip's title and text.
    std::string ToolTip()
    {
        sd_bus_message* reply = nullptr;
        sd_bus_get_property(host, ItemName().c_str(), "/StatusNotifierItem", kItem, "ToolTip",
                            nullptr, &reply, "(sa(iiay)ss)");
        const char *icon = "", *title = "", *text = "";
        sd_bus_message_enter_container(reply, 'r', "sa(iiay)ss");
        sd_bus_message_read(reply, "s", &icon);
        sd_bus_message_skip(reply, "a(iiay)");
        sd_bus_message_read(reply, "ss", &title, &text);
        std::string tip = std::string(icon) + "|" + title + "|" + text;
        sd_bus_message_unref(reply);
        return tip;
    }
    // The pixmaps by size, each its bytes.
    std::map<int, std::vector<std::uint8_t>> Pixmaps()
    {
        std::map<int, std::vector<std::uint8_t>> pixmaps;
        sd_bus_message* reply = nullptr;
        sd_bus_get_property(host, ItemName().c_str(), "/StatusNotifierItem", kItem, "IconPixmap",
                            nullptr, &reply, "a(iiay)");
        sd_bus_message_enter_container(reply, 'a', "(iiay)");
        int width = 0, height = 0;
        while (sd_bus_message_enter_container(reply, 'r', "iiay") > 0) {
            const void* bytes = nullptr;
            std::size_t size = 0;
            sd_bus_message_read(reply, "ii", &width, &height);
            sd_bus_message_read_array(reply, 'y', &bytes, &size);
            EXPECT_EQ(width, height);
            const auto* first = static_cast<const std::uint8_t*>(bytes);
            pixmaps[width].assign(first, first + size);
            sd_bus_message_exit_container(reply);
        }
        sd_bus_message_unref(reply);
        return pixmaps;
    }
    Entry Layout(unsigned* revision = nullptr)
    {
        Reply reply = Call("/MenuBar", kMenu, "GetLayout", "iias", 0, -1, 0);
        unsigned read = 0;
        sd_bus_message_read(reply.get(), "u", &read);
        if (revision)
            *revision = read;
        return ReadEntry(reply.get());
    }
    // Asks as a panel does before it opens the menu; true once answered.
    bool AboutToShow()
    {
        bool answered = false;
        sd_bus_call_method_async(
            host, nullptr, ItemName().c_str(), "/MenuBar", kMenu, "AboutToShowGroup",
            [](sd_bus_message*, void* flag, sd_bus_error*) {
                *static_cast<bool*>(flag) = true;
                return 0;
            },
            &answered, "ai", 1, 0);
        bool done = Pump([&] { return answered; });
        signals.push_back("answered");
        return done;
    }

    // Forgets the signals sent before the last answer the host had (they arrived before it).
    void ClearSignals()
    {
        while (sd_bus_process(host, nullptr) > 0) { }
        signals.clear();
    }
    // The item's signals, not the bus's own (NameOwnerChanged and the like).
    static int OnSignal(sd_bus_message* m, void* self, sd_bus_error*)
    {
        const char* sender = sd_bus_message_get_sender(m);
        if (sender && std::string(sender) != "org.freedesktop.DBus")
            static_cast<StatusItemTest*>(self)->signals.emplace_back(sd_bus_message_get_member(m));
        return 0;
    }

    static inline std::string FAddress;
    static inline pid_t FBusPid = 0;

    GuiQueue gui;
    RecordingEvents events;
    sd_bus* host = nullptr;
    std::unique_ptr<FakeWatcher> watcher;
    std::unique_ptr<FakeNotifier> notifier;
    std::shared_ptr<INotifyArea> area;
    std::unique_ptr<ITrayWindow> window;
    std::vector<std::string> signals;
};

TEST_F(StatusItemTest, PanelReadsTheItemsPicturesAndTip)
{
    ShowRegistered(FourColours(), "FS/TS ( GB): C: 14/39  ");
    EXPECT_EQ(ItemText("Id"), "spacewell");
    EXPECT_EQ(ItemText("Category"), "ApplicationStatus");
    EXPECT_EQ(ItemText("Title"), "Spacewell");
    EXPECT_EQ(ItemText("Status"), "Active");
    EXPECT_EQ(ItemText("Menu", "o"), "/MenuBar");
    EXPECT_EQ(ToolTip(), "|Spacewell|FS/TS ( GB): C: 14/39  ");

    const auto pixmaps = Pixmaps();
    ASSERT_EQ(pixmaps.size(), 5u);
    for (const auto& [size, bytes] : pixmaps)
        EXPECT_EQ(bytes.size(), static_cast<std::size_t>(size * size * 4)) << size;
    // A, R, G, B per pixel: the corners of the 16-pixel picture, then the 22-pixel one's seam.
    const auto pixel = [&](int size, int x, int y) {
        const auto& bytes = pixmaps.at(size);
        const auto at = static_cast<std::size_t>((y * size + x) * 4);
        return std::vector<int>(bytes.begin() + at, bytes.begin() + at + 4);
    };
    EXPECT_EQ(pixel(16, 0, 0), (std::vector<int>{255, 255, 0, 0}));
    EXPECT_EQ(pixel(16, 15, 0), (std::vector<int>{255, 0, 255, 0}));
    EXPECT_EQ(pixel(16, 0, 15), (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(pixel(16, 15, 15), (std::vector<int>{0, 0, 0, 0})) << "see-through";
    EXPECT_EQ(pixel(22, 10, 0), (std::vector<int>{255, 255, 0, 0}));
    EXPECT_EQ(pixel(22, 11, 0), (std::vector<int>{255, 0, 255, 0}));

    ClearSignals();
    NotifyIconChange change;
    change.tip = "FS/TS ( GB): C: 13/39  ";
    EXPECT_TRUE(window->ChangeIcon(change));
    ASSERT_TRUE(Pump([&] { return !signals.empty(); }));
    EXPECT_EQ(signals.front(), "NewToolTip");
    EXPECT_EQ(ToolTip(), "|Spacewell|FS/TS ( GB): C: 13/39  ");
}

TEST_F(StatusItemTest, ClicksReachTheProgramOnItsOwnThread)
{
    ShowRegistered(FourColours(), "tip");
    EXPECT_EQ(events.log, std::vector<std::string>{"about to show"}) << "the menu is asked for";
    events.log.clear();
    Call("/StatusNotifierItem", kItem, "Activate", "ii", 12, 34);
    Call("/StatusNotifierItem", kItem, "SecondaryActivate", "ii", 1, 1);
    Call("/StatusNotifierItem", kItem, "Scroll", "is", 120, "vertical");
    Call("/StatusNotifierItem", kItem, "ContextMenu", "ii", 5, 6);
    EXPECT_TRUE(events.log.empty()) << "reports wait for the GUI thread";
    gui.Drain();
    EXPECT_EQ(events.log, (std::vector<std::string>{"activated 12,34", "menu at 5,6"}));
    EXPECT_FALSE(events.offGuiThread);
}

TEST_F(StatusItemTest, MenuOpensWithTheSummaryAndItsClicksChooseItems)
{
    using T = NotifyMenuToggle;
    events.menuOnShow = {
        Item(1, "Always On Top", T::Check, true),
        Item(2, "Transparency", T::None, false, true,
             {Item(3, "10 %", T::Radio, true), Item(4, "20 %", T::Radio, false)}),
        Item(5, "-"),
        Item(6, "Exit"),
        Item(7, "Off", T::None, false, false),
    };
    ShowRegistered(FourColours(), "FS/TS ( MB): C: 5/10  ");
    // Panels size the menu by their first reading: it is the program's before it first opens.
    ASSERT_TRUE(Pump([&] { return Layout().children.size() == 7; }));

    unsigned revision = 0;
    const Entry root = Layout(&revision);
    ASSERT_EQ(root.children.size(), 7u);
    const std::vector<std::string> expected = {
        "enabled=false label=FS/TS ( MB): C: 5/10   visible=true",
        "type=separator visible=true",
        "enabled=true label=Always On Top toggle-state=1 toggle-type=checkmark visible=true",
        "children-display=submenu enabled=true label=Transparency visible=true",
        "type=separator visible=true",
        "enabled=true label=Exit visible=true",
        "enabled=false label=Off visible=true",
    };
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(root.children[i].properties, expected[i]) << i;
    ASSERT_EQ(root.children[3].children.size(), 2u);
    EXPECT_EQ(root.children[3].children[1].properties,
              "enabled=true label=20 % toggle-state=0 toggle-type=radio visible=true");

    // As xfce4-panel asks: every entry, every property; the radio mark must be there.
    Reply group = Call("/MenuBar", kMenu, "GetGroupProperties", "aias", 0, 0);
    std::map<int, std::string> entries;
    sd_bus_message_enter_container(group.get(), 'a', "(ia{sv})");
    while (sd_bus_message_enter_container(group.get(), 'r', "ia{sv}") > 0) {
        int id = 0;
        sd_bus_message_read(group.get(), "i", &id);
        entries[id] = ReadProperties(group.get());
        sd_bus_message_exit_container(group.get());
    }
    EXPECT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[3], "enabled=true label=10 % toggle-state=1 toggle-type=radio visible=true");

    const int summaryId = root.children[0].id;
    for (int id : {1, 3, summaryId})
        Call("/MenuBar", kMenu, "Event", "isvu", id, "clicked", "i", 0, 0u);
    Call("/MenuBar", kMenu, "Event", "isvu", 6, "hovered", "i", 0, 0u);
    // As xfce4-panel clicks: in groups, which name the ids that are not there.
    Reply errors = Call("/MenuBar", kMenu, "EventGroup", "a(isvu)", 3, 6, "clicked", "i", 0, 0u, 7,
                        "clicked", "i", 0, 0u, 99, "clicked", "i", 0, 0u);
    int unknown = 0;
    sd_bus_message_read(errors.get(), "ai", 1, &unknown);
    EXPECT_EQ(unknown, 99);
    events.log.clear();
    gui.Drain();
    EXPECT_EQ(events.log, (std::vector<std::string>{"chosen 1", "chosen 3", "chosen 6"}));

    // Each opening refreshes the marks, and is answered once the fresh menu is in.
    events.menuOnShow[0].checked = false;
    ClearSignals();
    ASSERT_TRUE(AboutToShow());
    EXPECT_EQ(signals, (std::vector<std::string>{"LayoutUpdated", "answered"}));
    unsigned next = 0;
    EXPECT_EQ(Layout(&next).children[2].properties,
              "enabled=true label=Always On Top toggle-state=0 toggle-type=checkmark visible=true");
    EXPECT_GT(next, revision);
}

TEST_F(StatusItemTest, ItemRegistersWithEachNewWatcher)
{
    MakeWindow();
    EXPECT_TRUE(window->ShowIcon(FourColours(), "tip")) << "on the bus all the same";
    EXPECT_FALSE(window->IconReachable()) << "no watcher on the bus";
    EXPECT_FALSE(area->Features().present);

    // The panel starts after the program, then restarts.
    for (int start = 0; start < 2; ++start) {
        watcher.reset();
        watcher = std::make_unique<FakeWatcher>();
        EXPECT_TRUE(Pump([&] { return watcher->registered.size() == 1; })) << start;
        EXPECT_TRUE(area->Features().present);
        EXPECT_TRUE(window->IconReachable()) << "hiding to this panel keeps the window in reach";
    }
    EXPECT_TRUE(window->RemoveIcon());
    EXPECT_TRUE(Pump([&] { return !ItemOnBus(); })) << "the panel sees the item go";
}

TEST_F(StatusItemTest, LowSpaceNoticeGoesToTheNotificationServer)
{
    notifier = std::make_unique<FakeNotifier>();
    ShowRegistered(FourColours(), "tip");
    NotifyIconChange notice;
    notice.balloon =
        NotifyBalloon{"Low disk space", "C: 1 GB free\nD: 2 GB free", BalloonIcon::Warning, 10000};
    NotifyIconChange close;
    close.balloon = NotifyBalloon{};
    // The second notice comes once the first one's number is back, as crossings are far apart.
    EXPECT_TRUE(window->ChangeIcon(notice));
    ASSERT_TRUE(Pump([&] { return notifier->notices.size() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (const NotifyIconChange* change : {&notice, &close, &notice})
        EXPECT_TRUE(window->ChangeIcon(*change));
    ASSERT_TRUE(Pump([&] { return notifier->notices.size() >= 3; }));
    const Notice& first = notifier->notices[0];
    EXPECT_EQ(first.app, "Spacewell");
    EXPECT_EQ(first.icon, "dialog-warning");
    EXPECT_EQ(first.title, "Low disk space");
    EXPECT_EQ(first.body, "C: 1 GB free\nD: 2 GB free");
    EXPECT_EQ(first.expireMs, 10000);
    EXPECT_EQ(first.replaces, 0u);
    EXPECT_EQ(notifier->notices[1].replaces, 41u) << "a new notice takes the old one's place";
    EXPECT_EQ(notifier->notices[2].title, "Low disk space") << "closing sends no empty notice";
}

TEST_F(StatusItemTest, WithoutANotificationServerTheIconStillChanges)
{
    ShowRegistered(FourColours(), "tip");
    NotifyIconChange change;
    change.balloon = NotifyBalloon{"Low disk space", "C: 1 GB free", BalloonIcon::Warning, 10000};
    change.image = IconImage{1, 1, {0x00FFFF}, {0}};
    EXPECT_TRUE(window->ChangeIcon(change));
    EXPECT_TRUE(Pump([&] { return Pixmaps()[16][1] == 255 && Pixmaps()[16][3] == 0; }))
        << "the icon turns yellow";
    EXPECT_TRUE(window->ChangeIcon(change)) << "the item still answers";
}

TEST_F(StatusItemTest, WithoutABusNoIconShowsButTimersRun)
{
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/spacewell-bus", 1);
    MakeWindow();
    EXPECT_TRUE(window->ShowIcon(FourColours(), "tip"));
    EXPECT_FALSE(window->IconReachable());
    EXPECT_FALSE(area->Features().present);
    EXPECT_FALSE(window->ChangeIcon({std::nullopt, "tip 2", std::nullopt}));

    window->SetTimer(3, 10);
    const auto fired = [&] { return std::count(events.log.begin(), events.log.end(), "timer 3"); };
    ASSERT_TRUE(Pump([&] { return fired() >= 2; })) << "a repeating timer";
    window->KillTimer(3);
    gui.Drain();
    const auto count = fired();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    gui.Drain();
    EXPECT_EQ(fired(), count) << "a killed timer stays quiet";
    EXPECT_FALSE(events.offGuiThread);
}

}  // namespace
}  // namespace sw::test
