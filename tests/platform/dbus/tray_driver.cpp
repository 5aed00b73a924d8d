// Not a test of its own: an icon for tests/e2e/linux/tray.sh to find on a real panel and click,
// on the session bus of the desktop that script starts. It reports what reaches the program on
// standard output, turns from magenta to cyan and back on each activation with a low-space
// notice, and ends when the
// menu's Exit is chosen (or after two minutes).
#include <iostream>

#include "platform/dbus/bus_fixture.h"

namespace sw::test {
namespace {

IconImage Solid(std::uint32_t colour)
{
    return {16, 16, std::vector<std::uint32_t>(256, colour), std::vector<std::uint8_t>(256, 0)};
}

TEST(TrayDriver, DISABLED_ShowsAnIconUntilExitIsChosen)
{
    constexpr std::uint32_t kMagenta = 0xFF00FF;
    constexpr std::uint32_t kCyan = 0xFFFF00;
    GuiQueue gui;
    RecordingEvents events;
    events.menuOnShow = {Item(1, "Show"), Item(2, "Exit")};
    const auto area = MakeDbusNotifyArea(gui.Poster());
    const auto window = area->CreateTrayWindow(events);
    events.window = window.get();
    ASSERT_TRUE(window->ShowIcon(Solid(kMagenta), "Spacewell driver"))
        << "no StatusNotifierWatcher on the session bus";
    std::cout << "shown" << std::endl;

    bool cyan = false;
    std::size_t told = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < deadline) {
        gui.Drain();
        for (; told < events.log.size(); ++told) {
            const std::string& what = events.log[told];
            std::cout << what << std::endl;
            if (what == "chosen 2")
                return;
            if (what.starts_with("activated")) {
                cyan = !cyan;
                const NotifyBalloon notice{"Low disk space", "C: 1 GB free", BalloonIcon::Warning,
                                           5000};
                window->ChangeIcon({Solid(cyan ? kCyan : kMagenta), std::nullopt, notice});
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "Exit was not chosen within two minutes";
}

}  // namespace
}  // namespace sw::test
