// What the backend reads of the desk on a real X server, and how it follows the desk's notices: the
// work area of the current desktop as the window manager's property gives it, read again once the
// property changes, and the screen's new size once RandR announces a change. They need a
// display, so they are disabled here and tests/e2e/linux/popups.sh runs them on Xvfb.
#include <gtest/gtest.h>

#include <vector>

#include "ui/x11/x11_backend.h"

// After the toolkit's headers, as Xlib's None would rewrite their enumerators.
#include <X11/Xlibint.h>
#include <xcb/randr.h>

namespace {

void SetCardinals(Display* display, const char* name, const std::vector<long>& values)
{
    XChangeProperty(display, DefaultRootWindow(display), XInternAtom(display, name, False),
                    XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(values.data()),
                    static_cast<int>(values.size()));
    XSync(display, False);
}

// RandR's notice of a new size, turned a quarter, as the backend's connection converts it from
// the wire: the X server delivers no RandR event that a client sends, and Xvfb's size is fixed.
void HearScreenTurned(Display* display, int randrEvent, int width, int height)
{
    xcb_randr_screen_change_notify_event_t change{};
    change.response_type = static_cast<std::uint8_t>(randrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY);
    change.rotation = XCB_RANDR_ROTATION_ROTATE_90;
    change.root = change.request_window = static_cast<xcb_window_t>(DefaultRootWindow(display));
    change.width = static_cast<std::uint16_t>(width);
    change.height = static_cast<std::uint16_t>(height);
    const int type = randrEvent + XCB_RANDR_SCREEN_CHANGE_NOTIFY;
    auto* convert = XESetWireToEvent(display, type, nullptr);
    XESetWireToEvent(display, type, convert);
    XEvent event{};
    ASSERT_TRUE(convert(display, &event, reinterpret_cast<xEvent*>(&change)));
    XPutBackEvent(display, &event);
}

TEST(DeskX11, DISABLED_WorkAreasFollowTheWindowManagerAndTheScreenFollowsRandr)
{
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr) << "no X display: tests/e2e/linux/popups.sh runs these on Xvfb";
    int opcode = 0, randrEvent = 0, randrError = 0;
    ASSERT_TRUE(XQueryExtension(other, "RANDR", &opcode, &randrEvent, &randrError))
        << "the X server has no RandR";
    const int width = DisplayWidth(other, DefaultScreen(other));
    const int height = DisplayHeight(other, DefaultScreen(other));
    SetCardinals(other, "_NET_CURRENT_DESKTOP", {1});
    SetCardinals(other, "_NET_WORKAREA", {0, 0, width, height, 0, 30, width, height - 30});
    X11Backend backend;
    EXPECT_EQ(backend.WorkAreas(), std::vector<TRect>({{0, 30, width, height}}));

    SetCardinals(other, "_NET_WORKAREA", {0, 0, width, height, 40, 0, width - 40, height});
    // The change's notice reaches the backend before the answer to its own later question.
    XSync(backend.XDisplay(), False);
    backend.ProcessMessages();
    EXPECT_EQ(backend.WorkAreas(), std::vector<TRect>({{40, 0, width, height}}))
        << "the work area is read again once the window manager changed it";

    HearScreenTurned(backend.XDisplay(), randrEvent, 800, 600);
    backend.ProcessMessages();
    EXPECT_EQ(backend.ScreenSize(), (TSize{600, 800})) << "RandR's notice of the new size";
    XCloseDisplay(other);
}

}  // namespace
