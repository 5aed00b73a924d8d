// The memory window on its own, beside a stub host: figures read as it shows and while shown,
// gauges and texts for awkward amounts of memory, the place, colour and transparency it takes
// from its host, keys and its close button handed to the host, dragging, and its pixels.
#include "memory_fixture.h"

#include "controls/border.h"
#include "controls/level_bar.h"
#include "controls/link_label.h"
#include "controls/scroll_text.h"
#include "controls/track_bar.h"
#include "ui/label.h"

namespace {

constexpr std::int64_t MiB = 1024 * KiB;
constexpr std::int64_t GiB = 1024 * MiB;

TEST_F(MemoryWindowTest, FiguresAreReadAsTheWindowShowsAndFollowTheLocale)
{
    Memory(1048576 * KiB, 524288 * KiB, 4194303 * KiB, 120563 * KiB);
    Start();
    EXPECT_EQ(Panel->PhysicalTotalFigure->Caption(), "RAM Total") << "no refresh yet";
    EXPECT_FALSE(PanelShown());

    // Hidden, the timer would only wake the program: nothing is read.
    const int readsBefore = Platform.memory->Reads;
    Refresh();
    EXPECT_EQ(Platform.memory->Reads, readsBefore);
    EXPECT_FALSE(PanelShown());
    Open();
    EXPECT_EQ(Platform.memory->Reads - readsBefore, 4) << "each figure is its own query";
    EXPECT_EQ(Panel->PhysicalTotalFigure->Caption(), "1 GB = 1048576 KB ~ 1024 MB");
    EXPECT_EQ(Panel->PhysicalAvailableFigure->Caption(), "0.5 GB = 524288 KB ~ 512 MB");
    EXPECT_EQ(Panel->VirtualTotalFigure->Caption(), "4 GB = 4194303 KB ~ 4095 MB");
    EXPECT_EQ(Panel->VirtualAvailableFigure->Caption(), "0.115 GB = 120563 KB ~ 117 MB");
    EXPECT_EQ(Panel->TotalScaleLabel->Caption(), "1 GB");
    EXPECT_EQ(Panel->AvailableScaleLabel->Caption(), "0.5 GB");
    EXPECT_EQ(Panel->TotalTrackBar->Position(), 10);
    EXPECT_EQ(Panel->AvailableTrackBar->Position(), 5);
    EXPECT_EQ(Panel->AvailableLevel->Position(), 50);

    Platform.locale->Separator = ',';
    Memory(1048576 * KiB, 120563 * KiB, 4194303 * KiB, 524288 * KiB);
    Refresh();
    EXPECT_EQ(Panel->PhysicalAvailableFigure->Caption(), "0,115 GB = 120563 KB ~ 117 MB");
    EXPECT_EQ(Panel->VirtualAvailableFigure->Caption(), "0,5 GB = 524288 KB ~ 512 MB");
    EXPECT_EQ(Panel->AvailableScaleLabel->Caption(), "0,115 GB");
    EXPECT_EQ(Panel->AvailableLevel->Position(), 11) << "11.498 %";
    EXPECT_EQ(Panel->AvailableTrackBar->Position(), 1);
}

TEST_F(MemoryWindowTest, GaugesTruncateWhileTextsRound)
{
    Start();
    Open();
    // 1.99987 GiB: the text rounds to 2, the thumb stays at 1.9.
    Memory(2147352576, 2147352576 / 4);
    Refresh();
    EXPECT_EQ(Panel->TotalScaleLabel->Caption(), "2 GB");
    EXPECT_EQ(Panel->TotalTrackBar->Position(), 19);
    EXPECT_EQ(Panel->AvailableLevel->Position(), 25);

    // The largest figure a 32-bit record could hold.
    Memory(4294967295, 0);
    Refresh();
    EXPECT_EQ(Panel->PhysicalTotalFigure->Caption(), "4 GB = 4194303 KB ~ 4095 MB");
    EXPECT_EQ(Panel->TotalTrackBar->Position(), 39);
    EXPECT_EQ(Panel->AvailableLevel->Position(), 0);

    // More than the track bar's 10 GB: it stops at its end.
    Memory(64 * GiB, 48 * GiB);
    Refresh();
    EXPECT_EQ(Panel->TotalScaleLabel->Caption(), "64 GB");
    EXPECT_EQ(Panel->TotalTrackBar->Position(), 100);
    EXPECT_EQ(Panel->AvailableTrackBar->Position(), 100);
    EXPECT_EQ(Panel->AvailableLevel->Position(), 75);

    // No total at all: nothing to divide by, so nothing counts as free.
    Memory(0, 512 * MiB);
    Refresh();
    EXPECT_EQ(Panel->PhysicalTotalFigure->Caption(), "0 GB = 0 KB ~ 0 MB");
    EXPECT_EQ(Panel->TotalTrackBar->Position(), 0);
    EXPECT_EQ(Panel->AvailableLevel->Position(), 0);
}

TEST_F(MemoryWindowTest, TakesTheHostsWidthColourAndMiddleEachTimeItShows)
{
    Start();
    Open();
    EXPECT_EQ(Panel->BoundsRect(), Bounds(650, 288 - 29, 282, 212)) << "left is the slide's";
    EXPECT_EQ(Panel->Color(), 0xFFEEDDu);
    EXPECT_EQ(Panel->TitleBorder->BoundsRect(), Bounds(0, 0, 282, 212));
    EXPECT_EQ(PanelWindow().params.bounds, Bounds(650, 259, 282, 212));

    // Halves go to the even neighbour: 2.5 moves by 2, 3.5 by 4, both ways.
    const struct {
        int hostHeight;
        int top;
    } cases[] = {{217, 288 + 2}, {219, 288 + 4}, {207, 288 - 2}, {256, 288 + 22}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hostHeight);
        Panel->Hide();
        Host->Place = Bounds(523, 288, 282, c.hostHeight);
        Open();
        EXPECT_EQ(Panel->Top(), c.top);
        EXPECT_EQ(Panel->Height(), 212);
    }

    // A host that moved, grew and changed colour while the window was hidden.
    Panel->Hide();
    Host->Place = Bounds(100, 400, 300, 154);
    Host->Body = 0x336699;
    Open();
    EXPECT_EQ(Panel->BoundsRect(), Bounds(650, 400 - 29, 300, 212));
    EXPECT_EQ(Panel->TitleBorder->BoundsRect(), Bounds(0, 0, 300, 212));
    EXPECT_EQ(PanelPixel(150, 190), 0x336699u);
}

TEST_F(MemoryWindowTest, CopiesTheHostsTransparency)
{
    Start();
    EXPECT_FALSE(PanelWindow().params.layered) << "designed without blending";
    Open();
    EXPECT_TRUE(PanelWindow().params.layered);
    EXPECT_EQ(PanelWindow().params.alpha, 179) << "worked out from 30 %, not copied";

    Host->Percent = 0;
    Host->Blend = false;
    Panel->SyncTransparency();
    EXPECT_FALSE(PanelWindow().params.layered) << "opaque like the host";

    // Closed or open, the window copies whenever it is told.
    Panel->Hide();
    Host->Percent = 50;
    Host->Blend = true;
    Panel->SyncTransparency();
    EXPECT_FALSE(PanelShown());
    EXPECT_TRUE(PanelWindow().params.layered);
    EXPECT_EQ(PanelWindow().params.alpha, 128);
}

TEST_F(MemoryWindowTest, KeysAndTheCloseButtonGoToTheHost)
{
    Start();
    Open();
    ASSERT_EQ(Headless().Foreground(), Panel->Handle());
    EXPECT_EQ(Panel->ActiveControl(), Panel->CloseButton) << "the one control that takes focus";
    Headless().TypeChar('g');
    Headless().TypeChar('q');
    EXPECT_EQ(Host->Keys, "gq") << "no key commands of its own";
    EXPECT_TRUE(PanelShown());

    // The close button hides at once, where the window stands, and tells the host.
    const std::uint32_t beforeClose = Headless().Now();
    ClickClose();
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Panel->Left(), 650);
    EXPECT_EQ(Headless().Now(), beforeClose);
    EXPECT_EQ(Host->Closed, 1);
}

TEST_F(MemoryWindowTest, DragsByItsBodyAndOpensTheProductPageFromItsHiddenLink)
{
    Start();
    Open();
    const TPoint grab = Panel->ClientToScreen({40, 200});
    Headless().MouseDown(grab);
    Headless().MouseMove({grab.x - 300, grab.y + 50});
    Headless().MouseUp({grab.x - 300, grab.y + 50});
    EXPECT_EQ(Panel->Left(), 650 - 300);
    EXPECT_EQ(Panel->Top(), 259 + 50);

    // Never reachable by the pointer, but a press on the link would open the product page.
    Panel->ProductLinkMouseDown(Panel->ProductLink, TMouseButton::mbRight, 0, 1, 1);
    ASSERT_EQ(Platform.shell->Calls.size(), 1u);
    EXPECT_EQ(Platform.shell->Calls[0].verb, "open");
    EXPECT_EQ(Platform.shell->Calls[0].target, "www.example.com/software.php?prodid=7");
    EXPECT_EQ(Platform.shell->Calls[0].parent, Panel->Handle()) << "owned by the memory window";
}

TEST_F(MemoryWindowTest, ShowsItsFrameHeadingsPictureGaugesAndCloseButton)
{
    Memory(4 * GiB, 2 * GiB);
    Start();
    Refresh();
    Open();
    EXPECT_EQ(PanelPixel(0, 0), 0xFFA851u) << "frame highlight";
    EXPECT_EQ(PanelPixel(281, 211), 0xB35900u) << "frame shadow";
    EXPECT_EQ(PanelPixel(150, 190), 0xFFEEDDu) << "the host's colour";
    EXPECT_EQ(PanelPixel(96, 8), 0xB35900u) << "heading";
    EXPECT_EQ(PanelPixel(96, 129), 0xB35900u) << "second heading, below the track bar above it";
    EXPECT_EQ(PanelPixel(240, 130), 0xB35900u) << "the program's picture";
    EXPECT_EQ(PanelPixel(265, 21), 0xFFE0C1u) << "close button face";
    // Thumbs at 4.0 and 2.0 GB: their black outline where the track bars put them.
    for (TTrackBar* bar : {Panel->TotalTrackBar, Panel->AvailableTrackBar}) {
        const TRect thumb = bar->ThumbRect();
        EXPECT_EQ(PanelPixel(bar->Left() + thumb.left, bar->Top() + thumb.top), clBlack);
    }
    EXPECT_LT(Panel->AvailableTrackBar->ThumbRect().left, Panel->TotalTrackBar->ThumbRect().left);

    // A tick repaints the second heading alone, and the track bar's bottom row, which lies over
    // its top row, goes back on from the bar's picture: the window shows what a whole repaint
    // draws.
    Panel->VirtualMemoryHeading->Tick();
    const TBitmap ticked = PanelWindow().image;
    Panel->PaintImage();
    for (int y = 0; y < ticked.Height(); ++y)
        for (int x = 0; x < ticked.Width(); ++x)
            ASSERT_EQ(ticked.Pixel(x, y), Panel->Image().Pixel(x, y)) << x << "," << y;
}

}  // namespace
