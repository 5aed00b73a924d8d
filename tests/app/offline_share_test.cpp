// A network share that stops answering never holds the window: its row says so, a refresh does
// not ask it twice, its late answer shows up by itself, and the program quits while it hangs.
// The fake drives' answers block until the test lets them go; the scan's workers are real
// threads, so the program's loop is pumped while they answer.
#include "app_fixture.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "meter/drive_scanner.h"

namespace {

constexpr const char* kNotResponding = "   NOT RESPONDING !";

using MeterRowControls = TMainWindow::MeterRowControls;

class OfflineShareTest : public MainWindowTest {
protected:
    void Network(char letter, std::int64_t totalMB, std::int64_t freeMB)
    {
        sw::FakeDrive d;
        d.kind = sw::DriveKind::Network;
        d.totalBytes = totalMB * MiB;
        d.freeBytes = freeMB * MiB;
        d.serial = 0x5EA50001;
        Platform.drives->Set(letter, d);
    }

    // The row whose label reads letter + ":", or nullptr.
    const MeterRowControls* RowOf(char letter) const
    {
        for (const auto& row : Form->MeterRows())
            if (row.label->Caption() == std::string(1, letter) + ":")
                return &row;
        return nullptr;
    }

    std::string Letters() const
    {
        std::string letters;
        for (const auto& row : Form->MeterRows())
            letters += row.label->Caption()[0];
        return letters;
    }

    // Runs the program's loop until `done` holds, for at most five seconds of real time.
    static bool PumpUntil(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < end) {
            Headless().ProcessMessages();
            if (done())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
};

TEST_F(OfflineShareTest, AHungShareNeverHoldsTheWindowAndShowsUpWhenItAnswers)
{
    Fixed('C', 40183, 14805);
    Network('N', 2000, 500);
    Network('O', 1000, 100);
    Fixed('S', 1000, 250);
    // N: the system still knows the kind, the share answers nothing else. O: nothing at all.
    Platform.drives->Hang('N', sw::FakeHang::AfterKind);
    Platform.drives->Hang('O');
    Start();
    ASSERT_TRUE(Shown());

    // The first scan: N keeps its slot and says it did not answer; O, never heard of, takes none.
    ASSERT_EQ(Letters(), "CNS");
    const MeterRowControls* n = RowOf('N');
    EXPECT_EQ(n->bar->Top(), 52);
    EXPECT_EQ(n->bar->Caption(), kNotResponding);
    EXPECT_EQ(n->bar->Position(), 0);
    EXPECT_EQ(n->bar->StartColor(), sw::kClYellow);
    EXPECT_EQ(n->bar->EndColor(), sw::kClRed);
    EXPECT_EQ(n->label->Hint(), "The drive did not answer");
    EXPECT_EQ(RowOf('S')->bar->Top(), 74);
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( MB): C: 14805/40183  S: 250/1000  ");

    // R: the shares still busy from the first scan are not asked again.
    Headless().PressKey(TKey{'R'}, 'r');
    EXPECT_EQ(Platform.drives->Waiting('N'), 1);
    EXPECT_EQ(Platform.drives->Waiting('O'), 1);
    EXPECT_EQ(Letters(), "CNS");
    EXPECT_EQ(RowOf('N')->bar->Caption(), kNotResponding);

    // N answers: its row shows its figures by itself, no key pressed.
    Platform.drives->Unhang('N');
    ASSERT_TRUE(PumpUntil([&] { return RowOf('N')->bar->Caption() != kNotResponding; }));
    EXPECT_EQ(RowOf('N')->bar->Caption(), "[Used, Free] = 75 %, 500 MB;");
    EXPECT_EQ(RowOf('N')->label->Hint(), "5EA5 - 0001");
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( MB): C: 14805/40183  N: 500/2000  S: 250/1000  ");

    // For ten seconds the late answer is N's fresh answer: a refresh does not ask again.
    Network('N', 2000, 1000);
    Headless().PressKey(TKey{'R'}, 'r');
    EXPECT_EQ(RowOf('N')->bar->Caption(), "[Used, Free] = 75 %, 500 MB;");

    // Later the share hangs again, the kind question too: the kind it said last keeps its row.
    Headless().AdvanceTime(sw::kKeptForMs);
    Platform.drives->Hang('N');
    Headless().PressKey(TKey{'R'}, 'r');
    EXPECT_EQ(Letters(), "CNS");
    EXPECT_EQ(RowOf('N')->bar->Caption(), kNotResponding);
    EXPECT_EQ(Platform.drives->Waiting('N'), 1);

    // Hidden, the window still scans when the answer comes, so the tooltip is current.
    Headless().PressKey(TKey{'M'}, 'm');
    ASSERT_FALSE(Shown());
    Platform.drives->Unhang('N');
    ASSERT_TRUE(
        PumpUntil([&] { return Form->TrayHint().find("N: 1000/2000") != std::string::npos; }));
    EXPECT_EQ(Form->TrayIcon->Hint(), Form->TrayHint());
    EXPECT_FALSE(Shown());

    // Q while O still hangs: the program ends, and its windows go without waiting for O.
    ASSERT_TRUE(PressHotkey());
    ASSERT_TRUE(Shown());
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated());
    Application().Reset();
    EXPECT_EQ(Platform.drives->Waiting('O'), 1);
    // The stuck worker comes back to find the window gone and touches nothing of it.
    Platform.drives->Unhang('O');
    EXPECT_TRUE(PumpUntil([&] { return Platform.drives->Waiting('O') == 0; }));
}

}  // namespace
