// The memory window with the real main window as its host, in the stories that walk both: the
// ">>"/"<<" slide and the close button, the place it takes beside the main window (also when the
// main window's height changes, and where neither side has room), the transparency chosen from
// the tray menu, and keys typed in it working the main window.
#include "app_fixture.h"

#include "app/memory_form.h"
#include "controls/push_button.h"

namespace {

class MemoryBesideMainTest : public MainWindowTest {
protected:
    TMemoryPanel& Panel() { return MemoryWindowOf(*Form); }
    void ClickShowRAM() { Form->MemoryButton->Click(); }
    bool PanelShown() { return Headless().IsShown(Panel().Handle()); }
    const THeadlessWindow& PanelWindow() { return *Headless().Window(Panel().Handle()); }
};

TEST_F(MemoryBesideMainTest, SlidesOutBesideTheMainWindowAndBack)
{
    Fixed('C', 1000, 500);
    Start();
    const std::uint32_t start = Headless().Now();
    const int presents = PanelWindow().presents;
    ClickShowRAM();
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(Panel().Left(), 523 + 282 + 10);
    EXPECT_EQ(Form->MemoryButton->Caption(), "<<");
    EXPECT_TRUE(Form->MemoryWindowOpen());
    EXPECT_TRUE(Form->MemoryWindowEverOpened);
    EXPECT_EQ(Headless().Now() - start, 10u * 5) << "ten steps 5 ms apart";
    EXPECT_GE(PanelWindow().presents - presents, 10) << "each step shows at once";

    ClickShowRAM();
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Panel().Left(), 815 - 210);
    EXPECT_EQ(Form->MemoryButton->Caption(), ">>");
    EXPECT_FALSE(Form->MemoryWindowOpen());
    EXPECT_TRUE(Form->MemoryWindowEverOpened) << "never cleared";
    EXPECT_EQ(Headless().Now() - start, 10u * 5 + 20u * 5);

    // The close button hides at once, where the window stands.
    ClickShowRAM();
    const std::uint32_t beforeClose = Headless().Now();
    const TPoint closeButton = Panel().CloseButton->ClientToScreen({7, 7});
    Headless().Click(closeButton);
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Panel().Left(), 815);
    EXPECT_EQ(Form->MemoryButton->Caption(), ">>");
    EXPECT_FALSE(Form->MemoryWindowOpen());
    EXPECT_EQ(Headless().Now(), beforeClose);
    ClickShowRAM();
    EXPECT_TRUE(PanelShown());
}

TEST_F(MemoryBesideMainTest, TakesTheMainWindowsPlaceEachTimeItShows)
{
    Start();  // no drives: the main window keeps its designed 154 pixels
    ASSERT_EQ(Form->Height(), 154);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect(), Bounds(815, 288 - 29, 282, 212));
    EXPECT_EQ(Panel().Color(), 0xFFEEDDu);
    EXPECT_EQ(PanelWindow().params.bounds, Bounds(815, 259, 282, 212));

    ClickShowRAM();
    Form->SetHeight(219);
    ClickShowRAM();
    EXPECT_EQ(Panel().Top(), 288 + 4);

    // Hidden and shown again with the main window (here by its own close button and the
    // button again), it comes back beside where the main window is now.
    Headless().Click(Panel().CloseButton->ClientToScreen({7, 7}));
    Form->SetBounds(100, 400, 282, 154);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect(), Bounds(100 + 282 + 10, 400 - 29, 282, 212));
}

// A drive that comes or goes changes the main window's height: the open memory window goes
// where closing and opening it again would put it.
TEST_F(MemoryBesideMainTest, FollowsAChangeOfTheMainWindowsHeight)
{
    Fixed('C', 1000, 500);
    Start();
    ClickShowRAM();
    for (const char letter : {'D', 'E', 'F', 'G'})
        Fixed(letter, 1000, 500);
    const int before = Form->Height();
    Form->RefreshButton->Click();
    ASSERT_GT(Form->Height(), before);
    const TRect followed = Panel().BoundsRect();
    ClickShowRAM();
    ClickShowRAM();
    EXPECT_EQ(followed, Panel().BoundsRect());
}

// At 200 % on a desk 1280 pixels wide, the main window at its designed place leaves neither
// side room: the memory window opens on the left, which has more, wholly on the screen.
TEST_F(MemoryBesideMainTest, OnANarrowWorkAreaAt192DpiItStaysWhollyOnIt)
{
    const TRect desk = Rect(0, 0, 1280, 984);
    Headless().SetWorkAreas({desk});
    Headless().SetSystemDpi(192);
    Fixed('C', 1000, 500);
    Start();
    ASSERT_EQ(Form->BoundsRect(), Bounds(523, 288, 564, Form->Height()));
    ClickShowRAM();
    EXPECT_EQ(Panel().Left(), 0) << "\"TOTAL:\" whole, over part of the main window";
    EXPECT_EQ(Panel().BoundsRect().Intersect(desk), Panel().BoundsRect());

    // Nearer the right edge the left side has room enough: the usual gap, no overlap.
    ClickShowRAM();
    Form->SetBounds(716, 288, Form->Width(), Form->Height());
    ClickShowRAM();
    EXPECT_EQ(Panel().Left(), 716 - 20 - 564);
}

TEST_F(MemoryBesideMainTest, CopiesTheMainWindowsTransparency)
{
    Fixed('C', 1000, 500);
    Start();
    // A first start: 30 % chosen, but the main window keeps its designed alpha.
    EXPECT_EQ(Form->AlphaBlendValue(), 200);
    EXPECT_FALSE(PanelWindow().params.layered);
    ClickShowRAM();
    EXPECT_TRUE(PanelWindow().params.layered);
    EXPECT_EQ(PanelWindow().params.alpha, 179) << "worked out from 30 %, not copied";
    EXPECT_EQ(Form->AlphaBlendValue(), 200);

    ChooseFromTrayMenu({"Transparency", "0%"});
    EXPECT_FALSE(Headless().Window(Form->Handle())->params.layered);
    EXPECT_FALSE(PanelWindow().params.layered) << "opaque like the main window";

    // Once opened, the memory window follows even while closed.
    ClickShowRAM();
    ChooseFromTrayMenu({"Transparency", "50%"});
    EXPECT_FALSE(PanelShown());
    EXPECT_TRUE(PanelWindow().params.layered);
    EXPECT_EQ(PanelWindow().params.alpha, 128);
}

TEST_F(MemoryBesideMainTest, KeysTypedInItWorkTheMainWindow)
{
    Fixed('C', 2048, 1024);
    Start();
    ClickShowRAM();
    ASSERT_EQ(Headless().Foreground(), Panel().Handle());
    Headless().TypeChar('g');
    EXPECT_EQ(Form->SizeUnit(), "GB");
    EXPECT_FALSE(Application().Terminated());
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated()) << "the main window closed, ending the program";
}

}  // namespace
