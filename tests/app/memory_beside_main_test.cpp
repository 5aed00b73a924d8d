// The memory window with the real main window as its host, in the stories that walk both: the
// ">>"/"<<" slide and the close button, the place it takes beside the main window, the
// transparency chosen from the tray menu, and keys typed in it working the main window.
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
