// The icon's menu as the desktop's menu protocol serves it. Before it shows the menu the desktop
// says so; the program then refreshes its marks on its own thread, so that request is answered
// once the fresh description has arrived (or after a short wait, from the one at hand), and
// every change of the layout is announced with a new revision.
#include "platform/posix/dbus/sd_bus_calls.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/posix/dbus/bus_vtable.h"
#include "platform/posix/dbus/status_item.h"

namespace sw {

namespace {

constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr const char* kMenuPath = "/MenuBar";
// How long a request to show the menu waits for the program's fresh description.
constexpr auto kMenuWait = std::chrono::milliseconds(300);

const sd_bus_vtable kMenuVtable[] = {
    kVtableStart,
    SD_BUS_PROPERTY("Version", "u", nullptr, 0, 0),
    SD_BUS_PROPERTY("TextDirection", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("Status", "s", nullptr, 0, 0),
    SD_BUS_PROPERTY("IconThemePath", "as", nullptr, 0, 0),
    SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetProperty", "is", "v", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Event", "isvu", "", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShow", "i", "b", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShowGroup", "ai", "aiai", nullptr, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("ItemsPropertiesUpdated", "a(ia{sv})a(ias)", 0),
    SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
    SD_BUS_SIGNAL("ItemActivationRequested", "iu", 0),
    SD_BUS_VTABLE_END};

const std::vector<sd_bus_vtable>& MenuVtable(sd_bus_property_get_t get,
                                             sd_bus_message_handler_t method)
{
    static const std::vector<sd_bus_vtable> table = WithHandlers(kMenuVtable, get, method);
    return table;
}

int ReadNames(sd_bus_message* call, std::vector<std::string>& names)
{
    char** list = nullptr;
    const int result = SdBus().message_read_strv(call, &list);
    for (char** name = list; name && *name; ++name) {
        names.emplace_back(*name);
        free(*name);
    }
    free(list);
    return result;
}

int AppendValue(sd_bus_message* m, const MenuValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return SdBus().message_append(m, "v", "s", text->c_str());
    if (const auto* flag = std::get_if<bool>(&value))
        return SdBus().message_append(m, "v", "b", static_cast<int>(*flag));
    return SdBus().message_append(m, "v", "i", std::get<int>(value));
}

int AppendProperties(sd_bus_message* m, const MenuNode& node, const std::vector<std::string>& names)
{
    int result = SdBus().message_open_container(m, 'a', "{sv}");
    for (const auto& [name, value] : MenuNodeProperties(node, names)) {
        if (result >= 0)
            result = SdBus().message_open_container(m, 'e', "sv");
        if (result >= 0)
            result = SdBus().message_append(m, "s", name.c_str());
        if (result >= 0)
            result = AppendValue(m, value);
        if (result >= 0)
            result = SdBus().message_close_container(m);
    }
    return result < 0 ? result : SdBus().message_close_container(m);
}

// (ia{sv}av): the entry, its properties and its children down to `depth` levels (-1: all).
int AppendNode(sd_bus_message* m, const MenuNode& node, int depth,
               const std::vector<std::string>& names)
{
    int result = SdBus().message_open_container(m, 'r', "ia{sv}av");
    if (result >= 0)
        result = SdBus().message_append(m, "i", node.id);
    if (result >= 0)
        result = AppendProperties(m, node, names);
    if (result >= 0)
        result = SdBus().message_open_container(m, 'a', "v");
    if (depth != 0) {
        for (const MenuNode& child : node.children) {
            if (result >= 0)
                result = SdBus().message_open_container(m, 'v', "(ia{sv}av)");
            if (result >= 0)
                result = AppendNode(m, child, depth < 0 ? depth : depth - 1, names);
            if (result >= 0)
                result = SdBus().message_close_container(m);
        }
    }
    if (result >= 0)
        result = SdBus().message_close_container(m);
    return result < 0 ? result : SdBus().message_close_container(m);
}

}  // namespace

void StatusItem::ExportMenu()
{
    sd_bus_slot* slot = nullptr;
    if (SdBus().add_object_vtable(FBus, &slot, kMenuPath, kMenuInterface,
                                  MenuVtable(GetMenuProperty, OnMenuMethod).data(), this) >= 0)
        FSlots.push_back(slot);
}

void StatusItem::RebuildMenu()
{
    MenuNode layout;
    {
        std::lock_guard guard(FLock);
        layout = MenuLayout(FMenu, FTip);
    }
    if (layout == FLayout)
        return;
    FLayout = std::move(layout);
    ++FRevision;
    if (FBus)
        SdBus().emit_signal(FBus, kMenuPath, kMenuInterface, "LayoutUpdated", "ui", FRevision, 0);
}

// Answers the waiting requests to show the menu: all of them, or those waited long enough.
void StatusItem::AnswerMenuRequests(bool all)
{
    const auto now = Clock::now();
    std::erase_if(FMenuRequests, [&](const MenuRequest& request) {
        if (!all && request.deadline > now)
            return false;
        if (FBus) {
            if (std::string(SdBus().message_get_member(request.call)) == "AboutToShow")
                SdBus().reply_method_return(request.call, "b", 1);
            else
                SdBus().reply_method_return(request.call, "aiai", 1, 0, 0);
        }
        SdBus().message_unref(request.call);
        return true;
    });
}

int StatusItem::OnMenuMethod(sd_bus_message* call, void* self, sd_bus_error* error)
{
    auto& item = *static_cast<StatusItem*>(self);
    const std::string member = SdBus().message_get_member(call);
    if (member == "GetLayout")
        return item.GetLayout(call, error);
    if (member == "GetGroupProperties")
        return item.GetGroupProperties(call);
    if (member == "GetProperty")
        return item.GetProperty(call, error);
    if (member == "Event" || member == "EventGroup")
        return item.MenuEvents(call, member == "EventGroup");
    if (member == "AboutToShow" || member == "AboutToShowGroup")
        return item.AboutToShow(call);
    return SdBus().reply_method_return(call, "");
}

int StatusItem::GetMenuProperty(sd_bus*, const char*, const char*, const char* property,
                                sd_bus_message* reply, void*, sd_bus_error*)
{
    const std::string name = property;
    if (name == "Version")
        return SdBus().message_append(reply, "u", 3u);
    if (name == "TextDirection")
        return SdBus().message_append(reply, "s", "ltr");
    if (name == "Status")
        return SdBus().message_append(reply, "s", "normal");
    return SdBus().message_append(reply, "as", 0);
}

int StatusItem::GetLayout(sd_bus_message* call, sd_bus_error* error)
{
    int parent = 0;
    int depth = -1;
    std::vector<std::string> names;
    int result = SdBus().message_read(call, "ii", &parent, &depth);
    if (result >= 0)
        result = ReadNames(call, names);
    if (result < 0)
        return result;
    const MenuNode* node = FindMenuNode(FLayout, parent);
    if (!node)
        return SdBus().error_setf(error, SD_BUS_ERROR_INVALID_ARGS, "no menu item %d", parent);
    sd_bus_message* reply = nullptr;
    result = SdBus().message_new_method_return(call, &reply);
    if (result >= 0)
        result = SdBus().message_append(reply, "u", FRevision);
    if (result >= 0)
        result = AppendNode(reply, *node, depth, names);
    if (result >= 0)
        result = SdBus().send(nullptr, reply, nullptr);
    SdBus().message_unref(reply);
    return result;
}

// An empty list of ids asks for every entry, as an empty list of names asks for every property.
int StatusItem::GetGroupProperties(sd_bus_message* call)
{
    const int* ids = nullptr;
    size_t bytes = 0;
    std::vector<std::string> names;
    int result =
        SdBus().message_read_array(call, 'i', reinterpret_cast<const void**>(&ids), &bytes);
    const std::vector<int> asked(ids, ids + (result >= 0 ? bytes / sizeof(int) : 0));
    if (result >= 0)
        result = ReadNames(call, names);
    if (result < 0)
        return result;
    std::vector<const MenuNode*> nodes;
    const auto collect = [&](const MenuNode& node, auto& self) -> void {
        if (node.id != 0)
            nodes.push_back(&node);
        for (const MenuNode& child : node.children)
            self(child, self);
    };
    if (asked.empty())
        collect(FLayout, collect);
    for (int id : asked)
        if (const MenuNode* node = FindMenuNode(FLayout, id))
            nodes.push_back(node);
    sd_bus_message* reply = nullptr;
    result = SdBus().message_new_method_return(call, &reply);
    if (result >= 0)
        result = SdBus().message_open_container(reply, 'a', "(ia{sv})");
    for (const MenuNode* node : nodes) {
        if (result >= 0)
            result = SdBus().message_open_container(reply, 'r', "ia{sv}");
        if (result >= 0)
            result = SdBus().message_append(reply, "i", node->id);
        if (result >= 0)
            result = AppendProperties(reply, *node, names);
        if (result >= 0)
            result = SdBus().message_close_container(reply);
    }
    if (result >= 0)
        result = SdBus().message_close_container(reply);
    if (result >= 0)
        result = SdBus().send(nullptr, reply, nullptr);
    SdBus().message_unref(reply);
    return result;
}

int StatusItem::GetProperty(sd_bus_message* call, sd_bus_error* error)
{
    int id = 0;
    const char* name = nullptr;
    int result = SdBus().message_read(call, "is", &id, &name);
    if (result < 0)
        return result;
    const MenuNode* node = FindMenuNode(FLayout, id);
    const MenuProperties found = node ? MenuNodeProperties(*node, {name}) : MenuProperties{};
    if (found.empty())
        return SdBus().error_setf(error, SD_BUS_ERROR_INVALID_ARGS, "no property %s of item %d",
                                  name, id);
    sd_bus_message* reply = nullptr;
    result = SdBus().message_new_method_return(call, &reply);
    if (result >= 0)
        result = AppendValue(reply, found.front().second);
    if (result >= 0)
        result = SdBus().send(nullptr, reply, nullptr);
    SdBus().message_unref(reply);
    return result;
}

// A click on an entry the program gave reaches it; false for an entry that does not exist.
bool StatusItem::MenuEvent(int id, const std::string& kind)
{
    const MenuNode* node = FindMenuNode(FLayout, id);
    if (node && node->command != 0 && node->enabled && kind == "clicked") {
        const int command = node->command;
        FPost([command](ITrayEvents& events) { events.MenuItemChosen(command); });
    }
    return node != nullptr;
}

// Event (isvu) or EventGroup a(isvu), as hosts send either; the group answers the unknown ids.
int StatusItem::MenuEvents(sd_bus_message* call, bool group)
{
    std::vector<int> unknown;
    int result = group ? SdBus().message_enter_container(call, 'a', "(isvu)") : 1;
    while (result > 0 && (!group || SdBus().message_enter_container(call, 'r', "isvu") > 0)) {
        int id = 0;
        const char* kind = nullptr;
        result = SdBus().message_read(call, "is", &id, &kind);
        if (result > 0 && !MenuEvent(id, kind))
            unknown.push_back(id);
        if (!group)
            return result < 0 ? result : SdBus().reply_method_return(call, "");
        SdBus().message_skip(call, "vu");
        SdBus().message_exit_container(call);
    }
    if (result < 0)
        return result;
    sd_bus_message* reply = nullptr;
    result = SdBus().message_new_method_return(call, &reply);
    if (result >= 0)
        result =
            SdBus().message_append_array(reply, 'i', unknown.data(), unknown.size() * sizeof(int));
    if (result >= 0)
        result = SdBus().send(nullptr, reply, nullptr);
    SdBus().message_unref(reply);
    return result;
}

int StatusItem::AboutToShow(sd_bus_message* call)
{
    FMenuRequests.push_back({SdBus().message_ref(call), Clock::now() + kMenuWait});
    FPost([](ITrayEvents& events) { events.MenuAboutToShow(); });
    return 1;
}

}  // namespace sw
