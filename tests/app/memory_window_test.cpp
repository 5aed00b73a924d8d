// The memory window as a user meets it: figures kept current while it is hidden, gauges and
// texts for awkward amounts of memory, its place beside the main window, the slide out and
// back, the transparency it copies, and keys typed in it acting on the main window.
#include "memory_fixture.h"

#include "controls/link_label.h"
#include "controls/border.h"
#include "controls/level_bar.h"
#include "controls/track_bar.h"

namespace {

constexpr std::int64_t GiB = 1024 * MiB;

TEST_F(MemoryWindowTest, FiguresAreCurrentBeforeTheFirstOpeningAndFollowTheLocale)
{
    Memory(1048576 * KiB, 524288 * KiB, 4194303 * KiB, 120563 * KiB);
    Fixed('C', 1000, 500);
    Start();
    EXPECT_EQ(Panel().Label_RamTotal->Caption(), "RAM Total") << "no refresh yet";
    EXPECT_FALSE(PanelShown());

    const int readsBefore = Platform.memory->Reads;
    Refresh();
    EXPECT_EQ(Platform.memory->Reads - readsBefore, 4) << "each figure is its own query";
    EXPECT_FALSE(PanelShown());
    ClickShowRAM();
    EXPECT_EQ(Panel().Label_RamTotal->Caption(), "1 GB = 1048576 KB ~ 1024 MB");
    EXPECT_EQ(Panel().Label_RamFree->Caption(), "0.5 GB = 524288 KB ~ 512 MB");
    EXPECT_EQ(Panel().Label_VRAM_TOTAL->Caption(), "4 GB = 4194303 KB ~ 4095 MB");
    EXPECT_EQ(Panel().Label_VRAM_FREE->Caption(), "0.115 GB = 120563 KB ~ 117 MB");
    EXPECT_EQ(Panel().Label_GB_Total->Caption(), "1 GB");
    EXPECT_EQ(Panel().Label_GB_Available->Caption(), "0.5 GB");
    EXPECT_EQ(Panel().TB_TOTAL->Position(), 10);
    EXPECT_EQ(Panel().TB_Available->Position(), 5);
    EXPECT_EQ(Panel().LB_AVLB->Position(), 50);

    Platform.locale->Separator = ',';
    Memory(1048576 * KiB, 120563 * KiB, 4194303 * KiB, 524288 * KiB);
    Refresh();
    EXPECT_EQ(Panel().Label_RamFree->Caption(), "0,115 GB = 120563 KB ~ 117 MB");
    EXPECT_EQ(Panel().Label_VRAM_FREE->Caption(), "0,5 GB = 524288 KB ~ 512 MB");
    EXPECT_EQ(Panel().Label_GB_Available->Caption(), "0,115 GB");
    EXPECT_EQ(Panel().LB_AVLB->Position(), 11) << "11.498 %";
    EXPECT_EQ(Panel().TB_Available->Position(), 1);
}

TEST_F(MemoryWindowTest, GaugesTruncateWhileTextsRound)
{
    Start();
    // 1.99987 GiB: the text rounds to 2, the thumb stays at 1.9.
    Memory(2147352576, 2147352576 / 4);
    Refresh();
    EXPECT_EQ(Panel().Label_GB_Total->Caption(), "2 GB");
    EXPECT_EQ(Panel().TB_TOTAL->Position(), 19);
    EXPECT_EQ(Panel().LB_AVLB->Position(), 25);

    // The largest figure a 32-bit record could hold.
    Memory(4294967295, 0);
    Refresh();
    EXPECT_EQ(Panel().Label_RamTotal->Caption(), "4 GB = 4194303 KB ~ 4095 MB");
    EXPECT_EQ(Panel().TB_TOTAL->Position(), 39);
    EXPECT_EQ(Panel().LB_AVLB->Position(), 0);

    // More than the track bar's 10 GB: it stops at its end.
    Memory(64 * GiB, 48 * GiB);
    Refresh();
    EXPECT_EQ(Panel().Label_GB_Total->Caption(), "64 GB");
    EXPECT_EQ(Panel().TB_TOTAL->Position(), 100);
    EXPECT_EQ(Panel().TB_Available->Position(), 100);
    EXPECT_EQ(Panel().LB_AVLB->Position(), 75);

    // No total at all: nothing to divide by, so nothing counts as free.
    Memory(0, 512 * MiB);
    Refresh();
    EXPECT_EQ(Panel().Label_RamTotal->Caption(), "0 GB = 0 KB ~ 0 MB");
    EXPECT_EQ(Panel().TB_TOTAL->Position(), 0);
    EXPECT_EQ(Panel().LB_AVLB->Position(), 0);
}

TEST_F(MemoryWindowTest, SlidesOutBesideTheMainWindowAndBack)
{
    Fixed('C', 1000, 500);
    Start();
    const std::uint32_t start = Headless().Now();
    const int presents = PanelWindow().presents;
    ClickShowRAM();
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(Panel().Left(), 523 + 282 + 10);
    EXPECT_EQ(Form->Button_ShowRAM->Caption(), "<<");
    EXPECT_TRUE(Form->MemoryWindowOpened);
    EXPECT_EQ(Headless().Now() - start, 10u * 5) << "ten steps 5 ms apart";
    EXPECT_GE(PanelWindow().presents - presents, 10) << "each step shows at once";

    ClickShowRAM();
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Panel().Left(), 815 - 210);
    EXPECT_EQ(Form->Button_ShowRAM->Caption(), ">>");
    EXPECT_TRUE(Form->MemoryWindowOpened) << "never cleared";
    EXPECT_EQ(Headless().Now() - start, 10u * 5 + 20u * 5);

    // The close button hides at once, where the window stands.
    ClickShowRAM();
    const std::uint32_t beforeClose = Headless().Now();
    const TPoint closeButton = Panel().xButton->ClientToScreen({7, 7});
    Headless().Click(closeButton);
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Panel().Left(), 815);
    EXPECT_EQ(Form->Button_ShowRAM->Caption(), ">>");
    EXPECT_EQ(Headless().Now(), beforeClose);
    ClickShowRAM();
    EXPECT_TRUE(PanelShown());
}

TEST_F(MemoryWindowTest, TakesTheMainWindowsWidthColourAndMiddleEachTimeItShows)
{
    Start();  // no drives: the main window keeps its designed 154 pixels
    ASSERT_EQ(Form->Height(), 154);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect(), Bounds(815, 288 - 29, 282, 212));
    EXPECT_EQ(Panel().Color(), 0xFFEEDDu);
    EXPECT_EQ(Panel().Border_Form->BoundsRect(), Bounds(0, 0, 282, 212));
    EXPECT_EQ(PanelWindow().params.bounds, Bounds(815, 259, 282, 212));

    // Halves go to the even neighbour: 2.5 moves by 2, 3.5 by 4, both ways.
    const struct {
        int mainHeight;
        int top;
    } cases[] = {{217, 288 + 2}, {219, 288 + 4}, {207, 288 - 2}, {256, 288 + 22}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mainHeight);
        ClickShowRAM();
        Form->SetHeight(c.mainHeight);
        ClickShowRAM();
        EXPECT_EQ(Panel().Top(), c.top);
        EXPECT_EQ(Panel().Height(), 212);
    }

    // Hidden and shown again with the main window (here by its own close button and the
    // button again), it comes back beside where the main window is now.
    Headless().Click(Panel().xButton->ClientToScreen({7, 7}));
    Form->SetBounds(100, 400, 282, 154);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect(), Bounds(100 + 282 + 10, 400 - 29, 282, 212));
}

TEST_F(MemoryWindowTest, CopiesTheMainWindowsTransparency)
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

TEST_F(MemoryWindowTest, KeysTypedInItWorkTheMainWindow)
{
    Fixed('C', 2048, 1024);
    Start();
    ClickShowRAM();
    ASSERT_EQ(Headless().Foreground(), Panel().Handle());
    EXPECT_EQ(Panel().ActiveControl(), Panel().xButton) << "the one control that takes focus";
    Headless().TypeChar('g');
    EXPECT_EQ(Form->SizeUnit(), "GB");
    EXPECT_FALSE(Application().Terminated());
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated()) << "the main window closed, ending the program";
}

TEST_F(MemoryWindowTest, DragsByItsBodyAndOpensTheProductPageFromItsHiddenLink)
{
    Start();
    ClickShowRAM();
    const TPoint grab = Panel().ClientToScreen({40, 200});
    Headless().MouseDown(grab);
    Headless().MouseMove({grab.x - 300, grab.y + 50});
    Headless().MouseUp({grab.x - 300, grab.y + 50});
    EXPECT_EQ(Panel().Left(), 815 - 300);
    EXPECT_EQ(Panel().Top(), 259 + 50);

    // Never reachable by the pointer, but a press on the link would open the product page.
    Panel().Label_ProductMouseDown(Panel().Label_Product, TMouseButton::mbRight, 0, 1, 1);
    ASSERT_EQ(Platform.shell->Calls.size(), 1u);
    EXPECT_EQ(Platform.shell->Calls[0].verb, "open");
    EXPECT_EQ(Platform.shell->Calls[0].target, "www.example.com/software.php?prodid=7");
}

TEST_F(MemoryWindowTest, ShowsItsFrameHeadingsPictureGaugesAndCloseButton)
{
    Memory(4 * GiB, 2 * GiB);
    Start();
    Refresh();
    ClickShowRAM();
    EXPECT_EQ(PanelPixel(0, 0), 0xFFA851u) << "frame highlight";
    EXPECT_EQ(PanelPixel(281, 211), 0xB35900u) << "frame shadow";
    EXPECT_EQ(PanelPixel(150, 190), 0xFFEEDDu) << "the main window's colour";
    EXPECT_EQ(PanelPixel(96, 8), 0xB35900u) << "heading";
    EXPECT_EQ(PanelPixel(96, 129), 0xB35900u) << "second heading, below the track bar above it";
    EXPECT_EQ(PanelPixel(240, 130), 0xB35900u) << "the program's picture";
    EXPECT_EQ(PanelPixel(265, 21), 0xFFE0C1u) << "close button face";
    // Thumbs at 4.0 and 2.0 GB: their black outline where the track bars put them.
    for (TVrTrackBar* bar : {Panel().TB_TOTAL, Panel().TB_Available}) {
        const TRect thumb = bar->ThumbRect();
        EXPECT_EQ(PanelPixel(bar->Left() + thumb.left, bar->Top() + thumb.top), clBlack);
    }
    EXPECT_LT(Panel().TB_Available->ThumbRect().left, Panel().TB_TOTAL->ThumbRect().left);
}

}  // namespace
