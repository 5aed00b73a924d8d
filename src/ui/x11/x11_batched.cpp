#include "ui/x11/x11_batched.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Format-32 values as Xlib hands them out: each in a long, sign-extended.
std::vector<long> CardinalsOf(xcb_get_property_reply_t* reply)
{
    std::vector<long> values;
    if (reply != nullptr && reply->format == 32 && reply->type == XCB_ATOM_CARDINAL) {
        const auto* data = static_cast<const std::int32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

std::vector<TMonitor> MonitorsOf(xcb_randr_get_monitors_reply_t* reply)
{
    std::vector<TMonitor> monitors;
    if (reply == nullptr)
        return monitors;
    for (auto at = xcb_randr_get_monitors_monitors_iterator(reply); at.rem != 0;
         xcb_randr_monitor_info_next(&at)) {
        const xcb_randr_monitor_info_t& info = *at.data;
        monitors.push_back(
            {{info.x, info.y, info.x + info.width, info.y + info.height}, info.primary != 0});
    }
    std::free(reply);
    return monitors;
}

Atom AtomOf(xcb_intern_atom_reply_t* reply)
{
    const Atom atom = reply != nullptr ? reply->atom : kNone;
    std::free(reply);
    return atom;
}

}  // namespace

TBatchedAtoms InternWithRandr(xcb_connection_t* connection, const std::vector<std::string>& names)
{
    std::vector<xcb_intern_atom_cookie_t> cookies;
    cookies.reserve(names.size());
    for (const std::string& name : names)
        cookies.push_back(
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()));
    xcb_prefetch_extension_data(connection, &xcb_randr_id);
    TBatchedAtoms batched;
    for (const xcb_intern_atom_cookie_t& cookie : cookies)
        batched.atoms.push_back(AtomOf(AnswerOf(xcb_intern_atom_reply, connection, cookie)));
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(connection, &xcb_randr_id);
    if (randr != nullptr && randr->present != 0)
        batched.randrEventBase = randr->first_event;
    return batched;
}

TAskedDeskLayout::TAskedDeskLayout(xcb_connection_t* connection, xcb_window_t root,
                                   Atom currentDesktop, Atom workAreas, bool randr)
    : FConnection(connection),
      FCurrentDesktop(xcb_get_property(connection, 0, root, static_cast<xcb_atom_t>(currentDesktop),
                                       XCB_ATOM_CARDINAL, 0, 1)),
      FWorkAreas(xcb_get_property(connection, 0, root, static_cast<xcb_atom_t>(workAreas),
                                  XCB_ATOM_CARDINAL, 0, 1024))
{
    if (randr)
        FMonitors = xcb_randr_get_monitors(connection, root, 1);
    xcb_flush(connection);
}

TAskedDeskLayout::~TAskedDeskLayout()
{
    if (FTaken)
        return;
    xcb_discard_reply(FConnection, FCurrentDesktop.sequence);
    xcb_discard_reply(FConnection, FWorkAreas.sequence);
    if (FMonitors)
        xcb_discard_reply(FConnection, FMonitors->sequence);
}

TDeskLayout TAskedDeskLayout::Take()
{
    FTaken = true;
    TDeskLayout layout;
    layout.currentDesktop =
        CardinalsOf(AnswerOf(xcb_get_property_reply, FConnection, FCurrentDesktop));
    layout.workAreas = CardinalsOf(AnswerOf(xcb_get_property_reply, FConnection, FWorkAreas));
    if (FMonitors)
        layout.monitors =
            MonitorsOf(AnswerOf(xcb_randr_get_monitors_reply, FConnection, *FMonitors));
    return layout;
}
