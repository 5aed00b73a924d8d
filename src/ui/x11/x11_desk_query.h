// The desktop's work area properties and RandR monitors, asked for without waiting and answered
// when wanted: asked as the display opens, their round trips overlap the work of building the
// main window instead of holding up its placing.
#pragma once

#include <X11/Xlib.h>
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <vector>

#include "ui/x11/x11_desktop.h"

struct DeskAnswers {
    std::vector<long> workAreas;  // _NET_WORKAREA's cardinals
    long currentDesktop = 0;
    std::vector<TMonitor> monitors;  // none without RandR 1.5
};

class X11DeskQuery {
public:
    // Sends the requests. The RandR extension's presence should have been asked for ahead
    // (xcb_prefetch_extension_data), or this waits for it.
    X11DeskQuery(Display* display, Window root, Atom workArea, Atom currentDesktop);
    ~X11DeskQuery();
    X11DeskQuery(const X11DeskQuery&) = delete;
    X11DeskQuery& operator=(const X11DeskQuery&) = delete;

    // The answers, waiting for those not in yet; once only.
    DeskAnswers Take();

private:
    xcb_connection_t* FConnection;
    xcb_get_property_cookie_t FWorkAreas;
    xcb_get_property_cookie_t FCurrentDesktop;
    xcb_randr_get_monitors_cookie_t FMonitors{0};
    bool FTaken = false;
};
