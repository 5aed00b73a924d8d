// The item's object on the bus (the icon, its tooltip and the clicks on it) and its place with
// the desktop's watcher: a panel that restarts forgets every item, so the item registers again
// whenever the watcher's name gets a new owner, also when the item was there before any watcher.
#include "platform/posix/dbus/status_item.h"

#include <sys/eventfd.h>
#include "platform/posix/dbus/sd_bus_calls.h"
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/posix/dbus/bus_vtable.h"
#include "platform/posix/dbus/icon_pixmap.h"

namespace sw {

namespace {

constexpr const char* kWatcher = "org.kde.StatusNotifierWatcher";
constexpr const char* kItemInterface = "org.kde.StatusNotifierItem";
constexpr const char* kItemPath = "/StatusNotifierItem";
constexpr const char* kMenuPath = "/MenuBar";

const sd_bus_vtable kItemVtable[] = {
    kVtableStart,
    SD_BUS_PROPERTY("Category", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("Id", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("Title", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("Status", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("WindowId", "i", nullptr, 0, 0),
    SD_BUS_PROPERTY("IconThemePath", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("IconName", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("IconPixmap", "a(iiay)", nullptr, 0, 0),
    SD_BUS_PROPERTY("OverlayIconName", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("OverlayIconPixmap", "a(iiay)", nullptr, 0, 0),
    SD_BUS_PROPERTY("AttentionIconName", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("AttentionIconPixmap", "a(iiay)", nullptr, 0, 0),
    SD_BUS_PROPERTY("AttentionMovieName", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", nullptr, 0, 0),
    SD_BUS_PROPERTY("ItemIsMenu", "b", nullptr, 0, 0),
    SD_BUS_PROPERTY("Menu", "o", nullptr, 0, 0),
    SD_BUS_METHOD("ContextMenu", "ii", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Activate", "ii", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SecondaryActivate", "ii", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Scroll", "is", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("NewTitle", "", 0),
    SD_BUS_SIGNAL("NewIcon", "", 0),
    SD_BUS_SIGNAL("NewAttentionIcon", "", 0),
    SD_BUS_SIGNAL("NewOverlayIcon", "", 0),
    SD_BUS_SIGNAL("NewToolTip", "", 0),
    SD_BUS_SIGNAL("NewStatus", "s", 0),
    SD_BUS_VTABLE_END};

const std::vector<sd_bus_vtable>& ItemVtable(sd_bus_property_get_t get,
                                             sd_bus_message_handler_t method)
{
    static const std::vector<sd_bus_vtable> table = WithHandlers(kItemVtable, get, method);
    return table;
}

// A desktop without a notification area is the one thing worth a line on the terminal.
void SayNoAreaOnce()
{
    static std::atomic<bool> said = false;
    if (!said.exchange(true))
        std::fputs("Spacewell: no notification area (StatusNotifierWatcher) on this desktop; "
                   "hide minimizes the window\n",
                   stderr);
}

// A new connection to the user's session bus, or nullptr when there is none (nor libsystemd).
sd_bus* OpenSessionBus()
{
    sd_bus* bus = nullptr;
    return LoadSdBus() != nullptr && SdBus().open_user(&bus) >= 0 ? bus : nullptr;
}

}  // namespace

StatusItem::StatusItem(Post post, int serial)
    : FPost(std::move(post)),
      FName("org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-" + std::to_string(serial))
{
    FWake = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    FPost([this](ITrayEvents&) { Begin(); });
}

StatusItem::~StatusItem()
{
    {
        std::lock_guard guard(FLock);
        FChanges.quit = true;
    }
    Wake();
    if (FThread.joinable())
        FThread.join();
    DropBus();
    close(FWake);
}

void StatusItem::Connect()
{
    FBus = OpenSessionBus();
    if (FBus != nullptr) {
        ExportItem();
        ExportMenu();
        WatchWatcher();
    }
    if (!FWatcherPresent)
        SayNoAreaOnce();
}

void StatusItem::ExportItem()
{
    sd_bus_slot* slot = nullptr;
    if (SdBus().add_object_vtable(FBus, &slot, kItemPath, kItemInterface,
                                  ItemVtable(GetItemProperty, OnItemMethod).data(), this) >= 0)
        FSlots.push_back(slot);
}

void StatusItem::WatchWatcher()
{
    const std::string rule = std::string("type='signal',sender='org.freedesktop.DBus',"
                                         "interface='org.freedesktop.DBus',"
                                         "member='NameOwnerChanged',arg0='") +
                             kWatcher + "'";
    sd_bus_slot* slot = nullptr;
    if (SdBus().add_match(FBus, &slot, rule.c_str(), OnWatcherOwner, this) >= 0)
        FSlots.push_back(slot);
    sd_bus_message* reply = nullptr;
    int has = 0;
    if (SdBus().call_method(FBus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus", "NameHasOwner", nullptr, &reply, "s",
                            kWatcher) >= 0 &&
        SdBus().message_read(reply, "b", &has) >= 0)
        FWatcherPresent = has != 0;
    SdBus().message_unref(reply);
}

void StatusItem::UpdateName(bool wanted)
{
    if (!FBus || wanted == FNameOwned)
        return;
    if (!wanted) {
        SdBus().release_name(FBus, FName.c_str());
        FNameOwned = false;
        return;
    }
    FNameOwned = SdBus().request_name(FBus, FName.c_str(), 0) >= 0;
    if (FNameOwned && FWatcherPresent)
        Register();
}

void StatusItem::Register()
{
    // The answer only says whether the watcher took it; a watcher that did not is no worse off.
    SdBus().call_method_async(FBus, nullptr, kWatcher, "/StatusNotifierWatcher", kWatcher,
                              "RegisterStatusNotifierItem", nullptr, nullptr, "s", FName.c_str());
}

void StatusItem::Emit(const char* member)
{
    if (FBus && FNameOwned)
        SdBus().emit_signal(FBus, kItemPath, kItemInterface, member, "");
}

int StatusItem::OnWatcherOwner(sd_bus_message* message, void* self, sd_bus_error*)
{
    auto& item = *static_cast<StatusItem*>(self);
    const char* name = nullptr;
    const char* oldOwner = nullptr;
    const char* newOwner = nullptr;
    if (SdBus().message_read(message, "sss", &name, &oldOwner, &newOwner) < 0)
        return 0;
    item.FWatcherPresent = newOwner && *newOwner;
    if (item.FWatcherPresent && item.FNameOwned)
        item.Register();
    return 0;
}

int StatusItem::OnItemMethod(sd_bus_message* message, void* self, sd_bus_error*)
{
    auto& item = *static_cast<StatusItem*>(self);
    const std::string member = SdBus().message_get_member(message);
    int x = 0;
    int y = 0;
    if (member == "Activate" || member == "ContextMenu") {
        if (SdBus().message_read(message, "ii", &x, &y) < 0)
            return -EINVAL;
        if (member == "Activate")
            item.FPost([x, y](ITrayEvents& events) { events.Activated(x, y); });
        else
            item.FPost([x, y](ITrayEvents& events) { events.MenuAskedAt(x, y); });
    }
    // A middle click and the wheel mean nothing to this program.
    return SdBus().reply_method_return(message, "");
}

int StatusItem::GetItemProperty(sd_bus*, const char*, const char*, const char* property,
                                sd_bus_message* reply, void* self, sd_bus_error*)
{
    auto& item = *static_cast<StatusItem*>(self);
    const std::string name = property;
    if (name == "Category")
        return SdBus().message_append(reply, "s", "ApplicationStatus");
    if (name == "Id")
        return SdBus().message_append(reply, "s", "spacewell");
    if (name == "Title")
        return SdBus().message_append(reply, "s", "Spacewell");
    if (name == "Status")
        return SdBus().message_append(reply, "s", "Active");
    if (name == "WindowId")
        return SdBus().message_append(reply, "i", 0);
    if (name == "IconPixmap")
        return item.AppendPixmaps(reply);
    if (name.ends_with("Pixmap"))
        return SdBus().message_append(reply, "a(iiay)", 0);
    if (name == "ToolTip") {
        std::string tip;
        {
            std::lock_guard guard(item.FLock);
            tip = item.FTip;
        }
        return SdBus().message_append(reply, "(sa(iiay)ss)", "", 0, "Spacewell", tip.c_str());
    }
    if (name == "ItemIsMenu")
        return SdBus().message_append(reply, "b", 0);
    if (name == "Menu")
        return SdBus().message_append(reply, "o", kMenuPath);
    // The names of themed icons and the movie: none, the icon is given as pixels.
    return SdBus().message_append(reply, "s", "");
}

int StatusItem::AppendPixmaps(sd_bus_message* reply)
{
    IconImage image;
    {
        std::lock_guard guard(FLock);
        image = FImage;
    }
    int result = SdBus().message_open_container(reply, 'a', "(iiay)");
    for (int size : kPixmapSizes) {
        const std::vector<std::uint8_t> bytes = ArgbPixmap(image, size);
        if (result < 0 || bytes.empty())
            break;
        result = SdBus().message_open_container(reply, 'r', "iiay");
        if (result >= 0)
            result = SdBus().message_append(reply, "ii", size, size);
        if (result >= 0)
            result = SdBus().message_append_array(reply, 'y', bytes.data(), bytes.size());
        if (result >= 0)
            result = SdBus().message_close_container(reply);
    }
    return result < 0 ? result : SdBus().message_close_container(reply);
}

void StatusItem::Show(const IconImage& image, const std::string& tip)
{
    {
        std::lock_guard guard(FLock);
        FWanted = true;
        FImage = image;
        FTip = tip;
        FChanges.shownChanged = FChanges.iconChanged = FChanges.tipChanged = true;
    }
    Wake();
    // Panels read the menu as soon as the item registers, and size it by that reading when it
    // first opens: it must be the program's from the start.
    FPost([](ITrayEvents& events) { events.MenuAboutToShow(); });
}

void StatusItem::Change(const NotifyIconChange& change)
{
    {
        std::lock_guard guard(FLock);
        if (change.image && *change.image != FImage) {
            FImage = *change.image;
            FChanges.iconChanged = true;
        }
        if (change.tip && *change.tip != FTip) {
            FTip = *change.tip;
            FChanges.tipChanged = true;
        }
        // An empty balloon closes the one shown, which the notice's own timeout does here.
        if (change.balloon && !(change.balloon->title.empty() && change.balloon->text.empty()))
            FChanges.notices.push_back(*change.balloon);
    }
    Wake();
}

void StatusItem::Remove()
{
    {
        std::lock_guard guard(FLock);
        FWanted = false;
        FChanges.shownChanged = true;
    }
    Wake();
}

void StatusItem::SetMenu(const NotifyMenu& menu)
{
    {
        std::lock_guard guard(FLock);
        FMenu = menu;
        FChanges.menuArrived = true;
    }
    Wake();
}

}  // namespace sw
