// Requests sent together over the connection's XCB side and answered when first needed, where
// Xlib would wait for each answer in turn: the start's atoms with the RandR query, and the desk's
// layout (the current desktop, the window manager's work areas, the RandR monitors). Each round
// trip saved is one wait for the X server at the start.
#pragma once

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "ui/x11/x11_desktop.h"
#include "ui/x11/x11_xlib.h"

// The answer to a request asked earlier, read by the request's own reply function; an error
// answers as nothing (a property that is not there, a server without RandR 1.5). Free the
// answer with std::free.
template <typename Reply, typename Cookie>
Reply* AnswerOf(Reply* (*read)(xcb_connection_t*, Cookie, xcb_generic_error_t**),
                xcb_connection_t* connection, Cookie cookie)
{
    xcb_generic_error_t* error = nullptr;
    Reply* reply = read(connection, cookie, &error);
    std::free(error);
    return reply;
}

struct TBatchedAtoms {
    std::vector<Atom> atoms;  // in the order of the names; kNone where the server refused one
    std::optional<int> randrEventBase;  // nothing without RandR
};

// Interns `names` and asks for RandR in one round trip.
TBatchedAtoms InternWithRandr(xcb_connection_t* connection, const std::vector<std::string>& names);

struct TDeskLayout {
    std::vector<long> currentDesktop;  // _NET_CURRENT_DESKTOP's cardinals
    std::vector<long> workAreas;  // _NET_WORKAREA's
    std::vector<TMonitor> monitors;  // empty without RandR 1.5
};

// The desk's layout asked now and read at Take, so that what the program does meanwhile hides
// the wait. Dropping an unread layout discards its answers.
class TAskedDeskLayout {
public:
    TAskedDeskLayout(xcb_connection_t* connection, xcb_window_t root, Atom currentDesktop,
                     Atom workAreas, bool randr);
    ~TAskedDeskLayout();
    TAskedDeskLayout(const TAskedDeskLayout&) = delete;
    TAskedDeskLayout& operator=(const TAskedDeskLayout&) = delete;

    // Once: waits for the answers that are not in yet.
    TDeskLayout Take();

private:
    xcb_connection_t* FConnection;
    xcb_get_property_cookie_t FCurrentDesktop;
    xcb_get_property_cookie_t FWorkAreas;
    std::optional<xcb_randr_get_monitors_cookie_t> FMonitors;
    bool FTaken = false;
};
