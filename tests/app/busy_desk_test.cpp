// A desk with every letter from B: to Z: in use, on a 1024x768 screen: the window fits it,
// refreshes reach the screen whole and once, a burst of refreshes costs one more scan, the
// tooltip ends on a whole entry, and the open memory window goes where the window is dragged.
#include "app_fixture.h"

#include <memory>

#include "app/memory_form.h"
#include "controls/push_button.h"

namespace {

class BusyDeskTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Platform.drives = Drives;
        Headless().SetScreenSize({1024, 768});
        Headless().SetWorkAreas({kDesk});
        for (char letter = 'B'; letter <= 'Z'; ++letter)
            Fixed(letter, 52428800 + letter, 5242880 + letter);
    }

    int Presents() { return Headless().Window(Form->Handle())->presents; }

    // Drags the main window by its body, from a point on its title band.
    void Drag(int dx, int dy)
    {
        const TPoint from{Form->Left() + 100, Form->Top() + 40};
        Headless().MouseDown(from);
        Headless().MouseMove({from.x + dx, from.y + dy});
        Headless().MouseUp({from.x + dx, from.y + dy});
    }

    const TRect kDesk = Rect(0, 0, 1024, 738);
    std::shared_ptr<CountingDrives> Drives = std::make_shared<CountingDrives>();
};

TEST_F(BusyDeskTest, TwentyFiveDrivesOnASmallScreen)
{
    Start();
    ASSERT_EQ(Form->MeterRows().size(), 25u);
    // 25 slots: 586 pixels high, lifted from the designed top 288 just enough to end on the
    // work area; the designed left fits and stays.
    EXPECT_EQ(Form->BoundsRect(), Bounds(523, 738 - 586, 282, 586));

    // A refresh with the same drives reaches the screen once, at its full height.
    const int presents = Presents();
    Form->RefreshButtonClick(Form->RefreshButton);
    EXPECT_EQ(Presents(), presents + 1);
    EXPECT_EQ(Form->Height(), 586);
    EXPECT_EQ(Headless().Window(Form->Handle())->image.Height(), 586);

    // The tooltip ends after a whole entry, with three dots, within its 127 characters.
    const std::string tip = Form->TrayIcon->Hint();
    ASSERT_LE(tip.size(), 127u);
    ASSERT_EQ(tip.substr(tip.size() - 5), "  ...");
    const std::string whole = tip.substr(0, tip.size() - 3);
    EXPECT_EQ(Form->TrayHint().substr(0, whole.size()), whole);
    EXPECT_EQ(Form->TrayHint().substr(whole.size() + 1, 2), ": ") << "the next entry begins";

    // Held keys: what came while a scan ran folds into one more scan after it.
    Form->RefreshButton->SetFocus();
    Headless().SetInputWaiting(true);
    const int scans = Drives->Scans;
    for (int i = 0; i < 150; ++i) {
        Headless().PressKey(TKey{'R'}, 'r');
        Headless().PressKey(TKey::F5);
    }
    EXPECT_EQ(Drives->Scans, scans + 1) << "only the first press scanned";
    Headless().SetInputWaiting(false);
    Headless().AdvanceTime(1000);
    EXPECT_EQ(Drives->Scans, scans + 2) << "and one scan for all the others";

    // The open memory window goes where the main window is dragged, on the same side.
    Form->MemoryButtonClick(Form->MemoryButton);
    TForm& panel = MemoryWindowOf(*Form);
    const TPoint offset{panel.Left() - Form->Left(), panel.Top() - Form->Top()};
    EXPECT_EQ(offset.x, -282 - 10) << "no room on the right";
    Drag(-100, -100);
    EXPECT_EQ(Form->BoundsRect().TopLeft(), (TPoint{423, 52}));
    EXPECT_EQ(panel.Left() - Form->Left(), offset.x);
    EXPECT_EQ(panel.Top() - Form->Top(), offset.y);
    // Dragged low, it stays on the work area as it opened.
    Drag(0, 500);
    EXPECT_EQ(panel.Left() - Form->Left(), offset.x);
    EXPECT_EQ(panel.BoundsRect().bottom, 738);

    // One drive left: the window is tall enough for the ">>" button, and back on the area.
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        Platform.drives->Remove(letter);
    Platform.drives->Remove('B');
    Headless().PressKey(TKey{'R'}, 'r');
    ASSERT_EQ(Form->MeterRows().size(), 1u);
    EXPECT_EQ(Form->Height(), Form->MemoryButton->Top() + Form->MemoryButton->Height() + 8);
    EXPECT_EQ(Form->Top(), 552) << "as dragged: the shorter window fits there";
}

// On a work area shorter than the window, its title band stays on the area: top first.
TEST_F(BusyDeskTest, AWindowTallerThanItsWorkAreaKeepsItsTopOnIt)
{
    Headless().SetWorkAreas({Rect(0, 100, 1024, 500)});
    Start();
    EXPECT_EQ(Form->BoundsRect(), Bounds(523, 100, 282, 586));
}

// Two monitors, one above the other: a window saved beside the lower one comes onto it, and
// the memory window opens on it too.
TEST_F(BusyDeskTest, StackedMonitorsTakeTheNearestByTheVerticalGap)
{
    const TRect lower = Rect(0, 768, 1024, 1536);
    Headless().SetWorkAreas({kDesk, lower});
    Platform.paths->Executable = "C:\\Spacewell\\spacewell.exe";
    Platform.profiles->SetText("C:\\Spacewell\\spacewell.ini",
                               "[SETTINGS]\r\nLeft=2000\r\nTop=900\r\n");
    Platform.paths->ExistingFiles.insert("C:\\Spacewell\\spacewell.ini");
    Start();
    EXPECT_EQ(Form->BoundsRect().TopLeft(), (TPoint{1024 - 282, 900}));
    Form->MemoryButtonClick(Form->MemoryButton);
    const TRect panel = MemoryWindowOf(*Form).BoundsRect();
    EXPECT_EQ(panel.top, 900 + (586 - 212) / 2);
    EXPECT_EQ(panel.Intersect(lower), panel);
}

}  // namespace
