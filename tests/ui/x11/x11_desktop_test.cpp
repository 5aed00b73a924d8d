// The desktop's words about its screens: the work area of the current desktop cut down to
// each monitor, the primary first, and the display scale from the Xft.dpi resource.
#include <gtest/gtest.h>

#include "ui/x11/x11_desktop.h"

TEST(X11Desktop, TheCurrentDesktopsWorkArea)
{
    const std::vector<long> two{0, 0, 1024, 740, 0, 28, 1024, 740};
    EXPECT_EQ(WorkAreaOfDesktop(two, 0), (TRect{0, 0, 1024, 740}));
    EXPECT_EQ(WorkAreaOfDesktop(two, 1), (TRect{0, 28, 1024, 768}));
    EXPECT_EQ(WorkAreaOfDesktop(two, 2), std::nullopt) << "beyond the list";
    EXPECT_EQ(WorkAreaOfDesktop({0, 0, 0, 740}, 0), std::nullopt) << "an empty rectangle";
    EXPECT_EQ(WorkAreaOfDesktop({}, 0), std::nullopt) << "no window manager";
}

TEST(X11Desktop, EachMonitorsWorkAreaThePrimaryFirst)
{
    const TMonitor left{{0, 0, 1280, 1024}, false};
    const TMonitor right{{1280, 0, 3200, 1080}, true};
    const TRect panelAtTheBottom{0, 0, 3200, 1050};
    const struct {
        const char* story;
        std::vector<TMonitor> monitors;
        std::optional<TRect> workArea;
        std::vector<TRect> areas;
    } rows[] = {
        {"one monitor and a panel", {left}, TRect{0, 0, 1280, 996}, {{0, 0, 1280, 996}}},
        {"the primary first, each cut to the work area",
         {left, right},
         panelAtTheBottom,
         {{1280, 0, 3200, 1050}, {0, 0, 1280, 1024}}},
        {"a monitor outside the work area keeps its whole bounds",
         {left, right},
         TRect{0, 0, 1280, 1000},
         {{1280, 0, 3200, 1080}, {0, 0, 1280, 1000}}},
        {"no window manager", {left, right}, std::nullopt, {right.bounds, left.bounds}},
        {"no monitors from RandR", {}, TRect{0, 30, 800, 600}, {{0, 30, 800, 600}}},
        {"nothing known: the screen", {}, std::nullopt, {{0, 0, 800, 600}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MonitorWorkAreas(row.monitors, row.workArea, {800, 600}), row.areas) << row.story;
}

TEST(X11Desktop, TheScaleFromXftDpi)
{
    const struct {
        const char* resources;
        int dpi;
    } rows[] = {
        {"Xft.dpi:\t144\n", 144},   {"Xft.antialias:\t1\nXft.dpi: 120.5\nXft.hinting:\t1\n", 121},
        {"Xft.dpi:\t192", 192},     {"", 96},
        {"Xft.hinting:\t1\n", 96},  {"Xft.dpi:\tlarge\n", 96},
        {"Xft.dpi:\t12\n", 96},     {"Xft.dpi:\t9600\n", 96},
        {"Xcursor.size: 24\n", 96},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DpiOfResources(row.resources), row.dpi) << row.resources;
}
