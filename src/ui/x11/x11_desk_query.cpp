#include "ui/x11/x11_desk_query.h"

#include <X11/Xlib-xcb.h>

#include <cstdlib>

namespace {

std::vector<long> Cardinals(xcb_connection_t* connection, xcb_get_property_cookie_t cookie)
{
    std::vector<long> values;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return values;
    if (reply->format == 32 && reply->type == XCB_ATOM_CARDINAL) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            values.push_back(static_cast<long>(static_cast<std::int32_t>(data[i])));
    }
    std::free(reply);
    return values;
}

std::vector<TMonitor> Monitors(xcb_connection_t* connection, xcb_randr_get_monitors_cookie_t cookie)
{
    std::vector<TMonitor> monitors;
    if (cookie.sequence == 0)
        return monitors;
    xcb_randr_get_monitors_reply_t* reply =
        xcb_randr_get_monitors_reply(connection, cookie, nullptr);
    if (reply == nullptr)
        return monitors;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(reply); it.rem > 0;
         xcb_randr_monitor_info_next(&it)) {
        const xcb_randr_monitor_info_t& m = *it.data;
        monitors.push_back({{m.x, m.y, m.x + m.width, m.y + m.height}, m.primary != 0});
    }
    std::free(reply);
    return monitors;
}

}  // namespace

X11DeskQuery::X11DeskQuery(Display* display, Window root, Atom workArea, Atom currentDesktop)
    : FConnection(XGetXCBConnection(display)),
      FWorkAreas(xcb_get_property(FConnection, 0, root, workArea, XCB_ATOM_CARDINAL, 0, 1024)),
      FCurrentDesktop(
          xcb_get_property(FConnection, 0, root, currentDesktop, XCB_ATOM_CARDINAL, 0, 1))
{
    // A request of an extension the server lacks would close the connection.
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(FConnection, &xcb_randr_id);
    if (randr != nullptr && randr->present)
        FMonitors = xcb_randr_get_monitors(FConnection, root, 1);
    xcb_flush(FConnection);
}

X11DeskQuery::~X11DeskQuery()
{
    if (FTaken)
        return;
    xcb_discard_reply(FConnection, FWorkAreas.sequence);
    xcb_discard_reply(FConnection, FCurrentDesktop.sequence);
    if (FMonitors.sequence != 0)
        xcb_discard_reply(FConnection, FMonitors.sequence);
}

DeskAnswers X11DeskQuery::Take()
{
    DeskAnswers answers;
    if (FTaken)
        return answers;
    FTaken = true;
    answers.workAreas = Cardinals(FConnection, FWorkAreas);
    const std::vector<long> current = Cardinals(FConnection, FCurrentDesktop);
    answers.currentDesktop = current.empty() ? 0 : current[0];
    answers.monitors = Monitors(FConnection, FMonitors);
    return answers;
}
