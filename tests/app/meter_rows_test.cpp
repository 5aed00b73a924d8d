// Where the meter rows go: one slot every 22 pixels below the title band, the window ending
// 8 pixels below the last bar, and only the latest scan's rows on the window.
#include "app_fixture.h"

namespace {

TEST_F(MainWindowTest, RowsStackBySlotAndTheWindowEndsBelowTheLastBar)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Fixed('E', 1000, 500);
    Start();
    struct Expected {
        int barTop, labelTop;
    };
    const Expected expected[] = {{30, 35}, {52, 57}, {74, 79}};
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Bar(i).BoundsRect(), Bounds(26, expected[i].barTop, 248, 20));
        EXPECT_EQ(Letter(i).Left(), 8);
        EXPECT_EQ(Letter(i).Top(), expected[i].labelTop);
        // Auto-size: the text height of the bold 13-pixel face.
        EXPECT_EQ(Letter(i).Height(), 13);
    }
    EXPECT_EQ(Letter(0).Width(), 12);  // "C:" in bold
    EXPECT_EQ(Form->Height(), 102);
    EXPECT_EQ(Form->Border_Form->Height(), 102);
}

TEST_F(MainWindowTest, EachRowSetsTheHeightForItsSlot)
{
    const struct {
        int drives;
        int height;
    } cases[] = {{1, 58}, {2, 80}, {3, 102}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drives);
        for (int i = 0; i < c.drives; ++i)
            Fixed(static_cast<char>('C' + i), 1000, 500);
        Start();
        EXPECT_EQ(Form->Height(), c.height);
        EXPECT_EQ(Form->ClientHeight(), c.height);
        EXPECT_EQ(Form->Width(), 282);
        Application().Reset();
    }
}

TEST_F(MainWindowTest, ASkippedSlotLeavesAnEmptyBandInTheWindowColour)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Empty('E', sw::kDriveRemovable);
    Fixed('F', 1000, 500);
    Start();
    ASSERT_EQ(Form->MeterRows().size(), 3u);
    EXPECT_EQ(Bar(2).Top(), 96);
    EXPECT_EQ(Letter(2).Caption(), "F:");
    EXPECT_EQ(Form->Height(), 124);
    for (int y = 72; y < 96; ++y)
        for (int x : {8, 26, 150, 273})
            ASSERT_EQ(Pixel(x, y), 0xFFEEDDu) << x << "," << y;
}

TEST_F(MainWindowTest, ARefreshWithFewerDrivesShortensTheWindow)
{
    Fixed('C', 1000, 500);
    Empty('D', sw::kDriveRemovable);
    Fixed('E', 1000, 500);
    Start();
    EXPECT_EQ(Form->Height(), 102);
    // Two slots lost at the end: 44 pixels shorter.
    Platform.drives->Remove('E');
    Form->ScanDrives("MB");
    EXPECT_EQ(Form->Height(), 58);
    ASSERT_EQ(Form->MeterRows().size(), 1u);
    // The vanished row's band is gone with the window's shorter height; the old bar is freed.
    EXPECT_EQ(Form->Image().Height(), 58);
}

TEST_F(MainWindowTest, ANewScanReplacesTheRowsOfTheLastOne)
{
    Fixed('C', 1000, 500);
    Fixed('D', 2000, 100);
    Start();
    const int components = Form->ComponentCount();
    for (int i = 0; i < 5; ++i)
        Form->ScanDrives("MB");
    EXPECT_EQ(Form->ComponentCount(), components);
    EXPECT_EQ(Form->MeterRows().size(), 2u);
    EXPECT_EQ(Form->ControlCount(), components - 1);  // all but the timer lie on the window
}

TEST_F(MainWindowTest, ASlotEmptiedByRefreshShowsTheWindowColourNotAnOldRow)
{
    Fixed('C', 1000, 500);
    Fixed('D', 1000, 500);
    Fixed('E', 1000, 500);
    Start();
    sw::FakeDrive gone;
    gone.type = sw::kDriveRemovable;
    gone.mediaPresent = false;
    Platform.drives->Set('D', gone);
    Form->ScanDrives("MB");
    EXPECT_EQ(Form->Height(), 102);
    EXPECT_EQ(Pixel(10, 60), 0xFFEEDDu);
    EXPECT_EQ(Pixel(100, 60), 0xFFEEDDu);
}

}  // namespace
