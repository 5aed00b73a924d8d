// Nearly full drives: the warning ramp, the tray's warning picture and one balloon per drive that
// becomes low, also when the drives fill by themselves while the window is shown or hidden; the
// switch that turns it all off, the threshold from the settings file, and a double click on a
// row opening the drive.
#include "app_fixture.h"

#include "app/app_icon.h"
#include "app/palette.h"
#include "app/settings.h"
#include "ui/menus.h"

namespace {

const std::string kIni = "C:\\Program Files\\Spacewell\\OrvaneTully.ini";

class LowSpaceTest : public MainWindowTest {
protected:
    // Every balloon shown so far: title, then text.
    std::vector<std::string> Balloons() const
    {
        std::vector<std::string> shown;
        for (const sw::NotifyIconCall& call : Platform.notifyArea->Calls)
            if (call.change.balloon && !call.change.balloon->text.empty())
                shown.push_back(call.change.balloon->title + ": " + call.change.balloon->text +
                                (call.change.balloon->icon == sw::BalloonIcon::Warning
                                     ? ""
                                     : " (not a warning)"));
        return shown;
    }
    // The first ramp column of the bar in `slot`.
    TColor RampStart(int slot) { return Pixel(27, 22 * slot + 40); }
    sw::IconImage TrayPicture() const { return Platform.notifyArea->ShownIcon()->image; }
    void Refresh() { Headless().TypeChar('r'); }
    void IniFile(const std::string& text)
    {
        Platform.profiles->SetText(kIni, text);
        Platform.paths->ExistingFiles.insert(kIni);
    }
};

TEST_F(LowSpaceTest, ADriveFillingAndEmptyingIsWarnedOfOnceEachTimeItFills)
{
    Fixed('C', 40000, 10000);
    Fixed('D', 65536, 8000);
    Start();
    const sw::IconImage plain = TrayPicture();
    EXPECT_EQ(RampStart(1), clGreen);
    EXPECT_TRUE(Balloons().empty());

    Fixed('D', 65536, 3072);
    Refresh();
    EXPECT_EQ(RampStart(0), clGreen);
    EXPECT_EQ(RampStart(1), palette::kWarningStart);
    EXPECT_EQ(Bar(1).Caption(), "[Used, Free] = 95 %, 3072 MB;") << "caption as usual";
    EXPECT_NE(TrayPicture(), plain);
    EXPECT_TRUE(Form->WarningIconShown());
    EXPECT_EQ(Balloons(),
              std::vector<std::string>{"Low disk space: D: 3072 MB free of 65536 MB (5 %)"});
    Refresh();
    EXPECT_EQ(Balloons().size(), 1u) << "not again while it stays low";
    EXPECT_NE(TrayPicture(), plain) << "the warning picture stays while it stays low";

    Fixed('D', 65536, 6800);
    Refresh();
    EXPECT_EQ(RampStart(1), clGreen) << "10.4 % free is not low";
    EXPECT_EQ(TrayPicture(), plain);
    Fixed('D', 65536, 3000);
    Refresh();
    EXPECT_EQ(RampStart(1), palette::kWarningStart);
    EXPECT_EQ(Balloons().size(), 1u) << "it never rose a point above the threshold";

    Fixed('D', 65536, 8000);
    Refresh();
    Fixed('D', 65536, 3000);
    Headless().TypeChar('g');
    ASSERT_EQ(Balloons().size(), 2u);
    EXPECT_EQ(Balloons()[1], "Low disk space: D: 2.93 GB free of 64 GB (5 %)") << "current unit";

    Platform.drives->Remove('D');
    Refresh();
    EXPECT_EQ(TrayPicture(), plain);
    Fixed('D', 65536, 3000);
    Refresh();
    EXPECT_EQ(Balloons().size(), 3u) << "gone and back";
}

// The clock alone, no key: a filling drive's row is made again in place while shown, and only
// the tooltip, the picture and the balloon follow while hidden; unchanged figures draw nothing.
TEST_F(LowSpaceTest, DrivesFillingByThemselvesAreNoticedShownAndHidden)
{
    Fixed('C', 40000, 10000);
    Fixed('D', 100000, 50000);
    Start();
    const THeadlessWindow& window = *Headless().Window(Form->Handle());
    const TGradientBar* unchanged = &Bar(0);
    const int height = Form->Height();
    const auto watch = [this] { Headless().AdvanceTime(TMainWindow::kWatchMs); };
    int presents = window.presents;
    watch();
    EXPECT_EQ(window.presents, presents) << "nothing changed, nothing drawn";

    Fixed('D', 100000, 5000);
    watch();
    EXPECT_EQ(window.presents, presents + 1);
    EXPECT_EQ(&Bar(0), unchanged) << "only the row that changed";
    EXPECT_EQ(Bar(1).Caption(), "[Used, Free] = 95 %, 5000 MB;");
    EXPECT_EQ(RampStart(1), palette::kWarningStart);
    EXPECT_EQ(Form->Height(), height);
    EXPECT_EQ(Form->TrayIcon->Hint(), "FS/TS ( MB): C: 10000/40000  D: 5000/100000  ");
    EXPECT_TRUE(Form->WarningIconShown());
    EXPECT_EQ(Balloons(),
              std::vector<std::string>{"Low disk space: D: 5000 MB free of 100000 MB (5 %)"});

    Headless().TypeChar('m');
    presents = window.presents;
    const TGradientBar* hiddenBar = &Bar(1);
    Fixed('D', 100000, 60000);
    watch();
    EXPECT_FALSE(Form->WarningIconShown());
    Fixed('D', 100000, 2000);
    watch();
    EXPECT_EQ(Form->TrayIcon->Hint(), "FS/TS ( MB): C: 10000/40000  D: 2000/100000  ");
    EXPECT_TRUE(Form->WarningIconShown());
    EXPECT_EQ(Balloons().size(), 2u) << "it had risen above the threshold meanwhile";
    EXPECT_EQ(window.presents, presents) << "hidden, the window is not drawn";
    EXPECT_EQ(&Bar(1), hiddenBar);

    ASSERT_TRUE(PressHotkey());
    EXPECT_EQ(Bar(1).Caption(), "[Used, Free] = 98 %, 2000 MB;") << "shown with fresh rows";
    Platform.drives->Remove('C');
    watch();
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 98 %, 2000 MB;") << "a drive gone moves rows";
}

TEST_F(LowSpaceTest, TheWarningMarkReadsAsAnExclamationMarkInAWholeDisc)
{
    const TColor red = 0x0000E0;
    // At 16 pixels, the mark's column from the disc's top down to its ring.
    const TBitmap small = SpacewellWarningIconPicture(16);
    std::string column;
    for (int y = 7; y <= 15; ++y)
        column += small.Pixel(11, y) == red ? 'r' : small.Pixel(11, y) == clWhite ? 'w' : '?';
    EXPECT_EQ(column, "wrwwwrwrw") << "ring, red, stroke, gap, dot, red, ring";
    for (int size : {16, 20, 24, 32}) {
        SCOPED_TRACE(size);
        const TBitmap image = SpacewellWarningIconPicture(size);
        for (int i = 0; i < size; ++i) {
            EXPECT_NE(image.Pixel(size - 1, i), red) << "the ring is whole at the right edge";
            EXPECT_NE(image.Pixel(i, size - 1), red) << "and at the bottom";
        }
    }
}

TEST_F(LowSpaceTest, DrivesBecomingLowTogetherShareOneBalloonAndDiscsNeverCount)
{
    Fixed('C', 40000, 10000);
    sw::FakeDrive share;
    share.kind = sw::DriveKind::Network;
    share.totalBytes = 1000 * MiB;
    share.freeBytes = 10 * MiB;
    Platform.drives->Set('N', share);
    sw::FakeDrive disc = share;
    disc.kind = sw::DriveKind::CdRom;
    disc.freeBytes = 0;
    Platform.drives->Set('E', disc);
    Fixed('F', 2000, 100);
    Start();
    EXPECT_EQ(Balloons(),
              std::vector<std::string>{"Low disk space: F: 100 MB free of 2000 MB (5 %)\n"
                                       "N: 10 MB free of 1000 MB (1 %)"});
    EXPECT_NE(RampStart(1), palette::kWarningStart) << "a full disc is normal";
    EXPECT_EQ(RampStart(3), palette::kWarningStart);
}

TEST_F(LowSpaceTest, SwitchedOffEverythingIsAsWithoutTheWarningAndItIsSaved)
{
    Fixed('C', 40000, 10000);
    Fixed('D', 65536, 3000);
    Start();
    const sw::IconImage warning = TrayPicture();
    ChooseFromTrayMenu({"Warn When Low"});
    EXPECT_FALSE(Form->WarnWhenLowItem->Checked());
    EXPECT_EQ(RampStart(1), clGreen);
    EXPECT_NE(TrayPicture(), warning);
    Fixed('E', 1000, 10);
    Refresh();
    EXPECT_EQ(Balloons().size(), 1u) << "only the one from before";
    EXPECT_FALSE(Form->WarningIconShown());

    Headless().TypeChar('q');
    EXPECT_NE(Platform.profiles->Text(kIni).find("AutoStart=0\nWarnWhenLow=0\n"),
              std::string::npos);
    Application().Reset();
    UseHeadlessBackend();
    Platform.paths->ExistingFiles.insert(kIni);
    Start();
    EXPECT_FALSE(Form->WarnWhenLowItem->Checked());
    EXPECT_EQ(RampStart(1), clGreen);
    ChooseFromTrayMenu({"Warn When Low"});
    EXPECT_EQ(RampStart(1), palette::kWarningStart);
    EXPECT_EQ(Balloons().size(), 2u) << "switched on, the low drives are news again";
}

TEST_F(LowSpaceTest, TheThresholdComesFromTheFileWithinOneToFifty)
{
    Fixed('C', 1000, 150);
    IniFile("[OPTIONS]\r\nModel=2\r\nLowSpacePercent=20\r\n");
    Start();
    EXPECT_EQ(RampStart(0), palette::kWarningStart) << "15 % free is below 20 %";

    sw::FakeProfileFiles profiles;
    for (const char* value : {"1", "50", "0", "51", "-5", "abc"}) {
        SCOPED_TRACE(value);
        profiles.SetText("s.ini", std::string("[OPTIONS]\nLowSpacePercent=") + value + "\n");
        const int expected = std::string(value) == "1" ? 1 : std::string(value) == "50" ? 50 : 10;
        EXPECT_EQ(ReadSettings(*profiles.Open("s.ini"), Settings{}).lowSpacePercent, expected);
    }
}

TEST_F(LowSpaceTest, ADoubleClickOpensTheDriveWithoutMovingTheWindow)
{
    Fixed('C', 40000, 10000);
    Empty('E', sw::DriveKind::CdRom);
    Start();
    const TRect before = Form->BoundsRect();
    Headless().DoubleClick({523 + 150, 288 + 40});
    Headless().DoubleClick({523 + 12, 288 + 41});
    Headless().DoubleClick({523 + 150, 288 + 62});
    ASSERT_EQ(Platform.shell->Calls.size(), 2u) << "the letter and the bar; no disc, no folder";
    EXPECT_EQ(Headless().MessageCount(), 1);
    EXPECT_EQ(Headless().LastMessageText(), "Insert a disc into drive E:");
    EXPECT_EQ(Headless().LastMessageCaption(), "Spacewell v.1");
    EXPECT_EQ(Platform.shell->Calls[0].verb, "open");
    EXPECT_EQ(Platform.shell->Calls[0].target, "C:\\");
    EXPECT_EQ(Platform.shell->Calls[1].target, "C:\\");
    EXPECT_EQ(Form->BoundsRect(), before);

    Headless().MouseDown({523 + 150, 288 + 40});
    Headless().MouseUp({523 + 170, 288 + 50});
    EXPECT_EQ(Form->Left(), 543) << "a single press still drags";
    EXPECT_EQ(Platform.shell->Calls.size(), 2u);
}

}  // namespace
