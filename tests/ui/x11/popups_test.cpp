// The program-drawn popups on a real X server, driven by xdotool as a user would: keys reach a
// menu through its grabs, a click outside dismisses it, the message box answers keys and the
// window manager's close, and the windows show exactly the pictures painted for them. They
// need a display, so they are disabled here and tests/e2e/linux/popups.sh runs them on Xvfb.
#include <gtest/gtest.h>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "gfx/canvas.h"
#include "ui/drawn/hint_picture.h"
#include "ui/drawn/menu_face.h"
#include "ui/drawn/popup_look.h"
#include "ui/x11/x11_popups.h"

#include <X11/Xutil.h>

namespace {

TMenuEntry Item(const char* caption, int command = 0)
{
    TMenuEntry entry;
    entry.caption = caption;
    entry.command = command;
    return entry;
}

std::vector<TMenuEntry> Menu()
{
    TMenuEntry transparency = Item("Transparency");
    transparency.items = {Item("10%", 1), Item("30%", 2)};
    TMenuEntry onTop = Item("Always On Top", 5);
    onTop.checked = true;
    return {onTop, Item("-"), transparency, Item("Exit", 8)};
}

class PopupsX11 : public ::testing::Test {
protected:
    void SetUp() override
    {
        display = XOpenDisplay(nullptr);
        ASSERT_NE(display, nullptr) << "no X display: tests/e2e/linux/popups.sh runs these on Xvfb";
        popups = std::make_unique<X11Popups>(display, [this] { Step(); });
    }
    void TearDown() override
    {
        popups.reset();
        if (driver.joinable())
            driver.join();
        EXPECT_EQ(driverStatus, 0) << "xdotool " << input;
        if (display != nullptr)
            XCloseDisplay(display);
    }

    // Once the popup is up, `atFirstStep` runs and xdotool types or clicks `input`.
    void Step()
    {
        if (!driver.joinable()) {
            XSync(display, False);
            if (atFirstStep)
                atFirstStep();
            driver =
                std::thread([this] { driverStatus = std::system(("xdotool " + input).c_str()); });
        }
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the popup got no answer in 10 s");
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        if (XPending(display) == 0 && poll(&fd, 1, 100) == 0)
            return;
        XEvent event;
        XNextEvent(display, &event);
        popups->Filter(event);
    }

    // The screen's pixels in `r`.
    TBitmap Screen(const TRect& r)
    {
        XImage* image = XGetImage(display, DefaultRootWindow(display), r.left, r.top,
                                  static_cast<unsigned>(r.Width()),
                                  static_cast<unsigned>(r.Height()), AllPlanes, ZPixmap);
        TBitmap shot(r.Width(), r.Height());
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                shot.SetPixel(x, y, RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
            }
        XDestroyImage(image);
        return shot;
    }

    static int Differences(const TBitmap& a, const TBitmap& b)
    {
        int count = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                count += ColorToRGB(a.Pixel(x, y)) != b.Pixel(x, y);
        return count;
    }

    Display* display = nullptr;
    std::unique_ptr<X11Popups> popups;
    std::string input;
    std::function<void()> atFirstStep;
    std::thread driver;
    std::atomic<int> driverStatus = 0;
    std::chrono::steady_clock::time_point deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(10);
};

TEST_F(PopupsX11, DISABLED_MenuShowsItsPictureAndKeysChooseInASubmenu)
{
    const std::vector<TMenuEntry> items = Menu();
    const TMenuFace face = LayoutMenu(items, 96);
    TBitmap shown;
    atFirstStep = [&] { shown = Screen({100, 100, 100 + face.size.cx, 100 + face.size.cy}); };
    input = "key --delay 60 Down Down Right Down Return";
    EXPECT_EQ(popups->TrackMenu(items, {100, 100}, 96), 2);
    EXPECT_EQ(Differences(PaintMenu(items, face, -1), shown), 0);
}

TEST_F(PopupsX11, DISABLED_MenuChoosesByClickAndAClickOutsideDismisses)
{
    const std::vector<TMenuEntry> items = Menu();
    const TRect exit = LayoutMenu(items, 144).rows[3];
    input = "mousemove --sync " + std::to_string(200 + exit.left + 5) + " " +
            std::to_string(200 + exit.top + exit.Height() / 2) + " click 1";
    EXPECT_EQ(popups->TrackMenu(items, {200, 200}, 144), 8);
    driver.join();
    input = "mousemove --sync 700 600 click 1";
    EXPECT_EQ(popups->TrackMenu(items, {200, 200}, 144), 0);
}

TEST_F(PopupsX11, DISABLED_MessageBoxAnswersKeysAndTheCloseButton)
{
    input = "sleep 0.5 key --delay 60 Tab Return";
    EXPECT_EQ(popups->MessageBox("Replace it?", "Spacewell v.1", TMsgBoxButtons::YesNo,
                                 TMsgBoxIcon::Warning, 144),
              TMsgBoxResult::No);
    driver.join();
    input = "sleep 0.5 key alt+F4";
    EXPECT_EQ(popups->MessageBox("Unable to write", "Spacewell v.1", TMsgBoxButtons::OkCancel,
                                 TMsgBoxIcon::Error, 96),
              TMsgBoxResult::Cancel);
}

TEST_F(PopupsX11, DISABLED_HintStaysOnTheScreenAndHides)
{
    const TFontSpec font = PopupFont(96);
    const TBitmap picture = HintPicture("Refresh [R]", clInfoBk, font);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    popups->ShowHint("Refresh [R]", {width - 10, height - 5}, clInfoBk, font);
    XSync(display, False);
    const TRect place{width - picture.Width(), height - picture.Height(), width, height};
    EXPECT_EQ(Differences(picture, Screen(place)), 0);
    popups->HideHint();
    XSync(display, False);
    EXPECT_GT(Differences(picture, Screen(place)), 0);
}

}  // namespace
