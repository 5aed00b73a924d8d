// The memory window's scrolling headings tick only while someone can see them: their workers
// stay parked while the window is closed or hidden with the main window, and go on from where
// they stood, on the same worker, once it shows again. Ticks are counted on real worker threads;
// the waits only bound the loops.
#include <atomic>
#include <chrono>
#include <functional>
#include <utility>

#include "../controls/gui_pump.h"
#include "app_fixture.h"
#include "app/memory_form.h"
#include "controls/push_button.h"
#include "controls/scroll_text.h"

namespace {

using namespace std::chrono_literals;

// One heading with its ticks counted as they run on the GUI thread.
struct CountedHeading {
    explicit CountedHeading(TScrollText& heading)
        : Heading(heading), Worker(heading.Timer().Thread())
    {
        TNotifyEvent tick = heading.Timer().OnTimer;
        heading.Timer().OnTimer = [this, tick](TObject* sender) {
            ++Ticks;
            tick(sender);
        };
    }
    bool Parked() const { return Heading.Timer().Thread()->Parked(); }

    TScrollText& Heading;
    TTimerThread* const Worker;
    std::atomic<int> Ticks = 0;
};

class HiddenScrollTextHeadings : public MainWindowTest {
protected:
    TMemoryPanel& Panel() { return MemoryWindowOf(*Form); }
    void ClickShowRAM() { Form->MemoryButton->Click(); }
    bool PanelShown() { return Headless().IsShown(Panel().Handle()); }

    // Both headings parked, then no tick and no step however long the GUI thread runs.
    void ExpectQuiet(CountedHeading& first, CountedHeading& second, const char* state)
    {
        SCOPED_TRACE(state);
        ASSERT_TRUE(PumpUntil([&] { return first.Parked() && second.Parked(); }));
        const int ticks1 = first.Ticks;
        const int ticks2 = second.Ticks;
        const int offset1 = first.Heading.ScrollOffset();
        PumpFor(300ms);
        EXPECT_EQ(first.Ticks, ticks1);
        EXPECT_EQ(second.Ticks, ticks2);
        EXPECT_EQ(first.Heading.ScrollOffset(), offset1);
    }

    // Both headings tick again on their own workers, each tick one pixel on from where the
    // text stood.
    void ExpectScrolling(CountedHeading& first, CountedHeading& second, const char* state)
    {
        SCOPED_TRACE(state);
        const int ticks1 = first.Ticks;
        const int ticks2 = second.Ticks;
        const int stood = first.Heading.ScrollOffset();
        ASSERT_TRUE(
            PumpUntil([&] { return first.Ticks >= ticks1 + 3 && second.Ticks >= ticks2 + 3; }));
        EXPECT_EQ(first.Heading.ScrollOffset(), stood - (first.Ticks - ticks1));
        EXPECT_EQ(first.Heading.Timer().Thread(), first.Worker);
        EXPECT_EQ(second.Heading.Timer().Thread(), second.Worker);
        EXPECT_EQ(first.Heading.Interval(), 50);
        EXPECT_EQ(first.Heading.PixelStep(), 1);
    }
};

TEST_F(HiddenScrollTextHeadings, TickOnlyWhileTheMemoryWindowIsOnScreen)
{
    Fixed('C', 1000, 500);
    Start();
    CountedHeading memory(*Panel().MemoryHeading);
    CountedHeading virtualMemory(*Panel().VirtualMemoryHeading);
    ASSERT_NE(memory.Worker, nullptr);
    ASSERT_NE(virtualMemory.Worker, nullptr);
    ExpectQuiet(memory, virtualMemory, "created hidden");
    EXPECT_EQ(memory.Ticks, 0);

    ClickShowRAM();
    ASSERT_TRUE(PanelShown());
    ExpectScrolling(memory, virtualMemory, "opened by >>");

    ClickShowRAM();
    ASSERT_FALSE(PanelShown());
    ExpectQuiet(memory, virtualMemory, "closed by <<");

    ClickShowRAM();
    ExpectScrolling(memory, virtualMemory, "opened again");

    // The hotkey hides the main window to the tray, and the open memory window with it.
    ASSERT_TRUE(PressHotkey());
    ASSERT_FALSE(PanelShown());
    ExpectQuiet(memory, virtualMemory, "hidden to the tray with the main window");

    // A click on the tray icon brings the application back, memory window and all.
    ClickTray();
    ASSERT_TRUE(Shown());
    ASSERT_TRUE(PanelShown());
    ExpectScrolling(memory, virtualMemory, "back from the tray");

    // "_" hides both windows itself.
    Form->HideButton->Click();
    ASSERT_FALSE(PanelShown());
    ExpectQuiet(memory, virtualMemory, "minimized by _");

    // Its own close button, after the window came back from the tray.
    ClickTray();
    ASSERT_TRUE(Shown());
    ClickShowRAM();
    ClickShowRAM();
    ASSERT_TRUE(PanelShown());
    ExpectScrolling(memory, virtualMemory, "reopened");
    Panel().CloseButton->Click();
    ASSERT_FALSE(PanelShown());
    ExpectQuiet(memory, virtualMemory, "closed by its own button");
}

// Hidden by "_" each time, the window comes back by every way a user has, the open memory
// window with it, and its headings go on. A show that restores the minimized application before
// the tray icon does (the hotkey's and a second start's) must not leave them parked.
TEST_F(HiddenScrollTextHeadings, GoOnAfterEveryWayOfShowingTheWindow)
{
    Fixed('C', 1000, 500);
    Start();
    CountedHeading memory(*Panel().MemoryHeading);
    CountedHeading virtualMemory(*Panel().VirtualMemoryHeading);
    ClickShowRAM();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"the hotkey", [this] { ASSERT_TRUE(PressHotkey()); }},
        {"a second start", [this] { Form->ShowForSecondStart(); }},
        {"a click on the tray icon", [this] { ClickTray(); }},
        {"Show Tully", [this] { ChooseFromTrayMenu({"Show Tully"}); }},
    };
    for (const auto& [way, show] : ways) {
        Form->HideButton->Click();
        ExpectQuiet(memory, virtualMemory, way);
        show();
        ASSERT_TRUE(PanelShown()) << way;
        ExpectScrolling(memory, virtualMemory, way);
    }
}

}  // namespace
