// The program on an ordinary desk: installed where it may not write, refused the machine's Run
// key, ended by a log-off, restored where no monitor is any more, handed drives that come and
// go, and activated from the taskbar.
#include "app_fixture.h"

#include <memory>

#include "controls/push_button.h"
#include "ui/menus.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Spacewell";
const std::string kIni = kFolder + "\\spacewell.ini";
const std::string kUserData = "C:\\Users\\ann\\AppData\\Roaming";
const std::string kUserIni = kUserData + "\\Spacewell\\spacewell.ini";
const std::string kExe = kFolder + "\\spacewell.exe";

class RealDeskTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Platform.paths->Executable = kFolder + "\\spacewell.exe";
        Platform.paths->UserSettings = kUserData + "\\Spacewell";
        Platform.drives = Drives;
        Fixed('C', 40000, 10000);
    }

    void IniFile(const std::string& name, const std::string& text)
    {
        Platform.profiles->SetText(name, text);
        Platform.paths->ExistingFiles.insert(name);
    }

    // Starts the program again over the same platform, with the files the last run left.
    void Restart()
    {
        for (const std::string& name : {kIni, kUserIni})
            if (Platform.profiles->Exists(name))
                Platform.paths->ExistingFiles.insert(name);
        Application().Reset();
        UseHeadlessBackend();
        Start();
    }

    std::string Letters()
    {
        std::string letters;
        for (const auto& row : Form->MeterRows())
            letters += row.label->Caption().substr(0, 1);
        return letters;
    }

    std::shared_ptr<CountingDrives> Drives = std::make_shared<CountingDrives>();
};

TEST_F(RealDeskTest, ALockedProgramFolderKeepsTheSettingsInTheUsersFolder)
{
    Platform.paths->LockedFolders.insert(kFolder);
    IniFile(kIni, "[SETTINGS]\r\nLeft=100\r\n[OPTIONS]\r\nModel=4\r\n");
    Start();
    EXPECT_EQ(Form->SettingsFileName(), kUserIni);
    EXPECT_EQ(Form->Left(), 100) << "the file beside the program is read while the user has none";
    EXPECT_EQ(Form->Model(), 4);

    Headless().TypeChar('3');
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated()) << "Q quits although the program's folder is locked";
    EXPECT_EQ(Headless().MessageCount(), 0);
    EXPECT_EQ(Platform.paths->CreatedFolders, std::set<std::string>{kUserData + "\\Spacewell"});
    EXPECT_NE(Platform.profiles->Text(kUserIni).find("Left=100\nTop=288\n[OPTIONS]\nModel=3\n"),
              std::string::npos);
    EXPECT_EQ(Platform.profiles->Text(kIni), "[SETTINGS]\r\nLeft=100\r\n[OPTIONS]\r\nModel=4\r\n");

    Platform.profiles->SetText(kIni, "[OPTIONS]\r\nModel=5\r\n");
    Restart();
    EXPECT_EQ(Form->Model(), 3) << "from now on the user's file is the one read";

    // Only when the user's file refuses the write too does the close stop with the error.
    Platform.profiles->SetUnwritable(kUserIni, true);
    Headless().TypeChar('q');
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(Headless().LastMessageText(), "Unable to write to " + kUserIni + ".");
    EXPECT_TRUE(Shown());
}

TEST_F(RealDeskTest, AWritableProgramFolderKeepsItsFileAsAPortableCopyDoes)
{
    IniFile(kUserIni, "[OPTIONS]\r\nModel=1\r\n");
    IniFile(kIni, "[OPTIONS]\r\nModel=5\r\n");
    Start();
    EXPECT_EQ(Form->SettingsFileName(), kIni);
    EXPECT_EQ(Form->Model(), 5);
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated());
    EXPECT_TRUE(Platform.paths->CreatedFolders.empty());
    EXPECT_EQ(Platform.profiles->Text(kUserIni), "[OPTIONS]\r\nModel=1\r\n");
}

TEST_F(RealDeskTest, ARefusedMachineKeyLeavesAutoStartToTheUsersKey)
{
    Platform.autostart->DenyMachineAccess = true;
    Start();
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(Headless().MessageCount(), 0);
    EXPECT_TRUE(Form->AutoStartItem->Checked());
    EXPECT_EQ(Platform.autostart->Entry(sw::AutostartScope::User, "Spacewell"), kExe);
    EXPECT_FALSE(Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell"));

    // With the machine's key open again, the deletion clears both places.
    Platform.autostart->DenyMachineAccess = false;
    Platform.autostart->SetEntry(sw::AutostartScope::Machine, "Spacewell", kExe);
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_FALSE(Form->AutoStartItem->Checked());
    EXPECT_FALSE(Platform.autostart->Entry(sw::AutostartScope::User, "Spacewell"));
    EXPECT_FALSE(Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell"));
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell"), kExe)
        << "the machine's first";
    EXPECT_FALSE(Platform.autostart->Entry(sw::AutostartScope::User, "Spacewell"));

    // A deletion that finds the machine's key refused still clears the user's value, silently.
    Platform.autostart->DenyMachineAccess = true;
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_FALSE(Form->AutoStartItem->Checked());
    EXPECT_EQ(Headless().MessageCount(), 0);

    // Neither key: the error, and the check mark stays.
    Platform.autostart->DenyAccess = true;
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(Headless().LastMessageText(), "Failed to set data for 'Spacewell'");
    EXPECT_FALSE(Form->AutoStartItem->Checked());
}

TEST_F(RealDeskTest, TheSessionsEndSavesTheLatestChangesAndEndsTheProgram)
{
    Start();
    Headless().TypeChar('4');
    EXPECT_TRUE(Headless().QueryEndSession()) << "the program lets the session end";
    EXPECT_FALSE(Application().Terminated()) << "the query alone changes nothing";
    Headless().EndSession();
    EXPECT_TRUE(Application().Terminated());
    EXPECT_NE(Platform.profiles->Text(kIni).find("Model=4\n"), std::string::npos);
    EXPECT_FALSE(Platform.hotkeys->Holder(ssAlt | ssCtrl, TKey{'D'}));

    // A file that refuses the write at that moment is not reported: nobody is left to see it.
    Restart();
    Platform.profiles->SetUnwritable(kIni, true);
    Headless().TypeChar('2');
    Headless().EndSession();
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(Headless().MessageCount(), 0);
    EXPECT_NE(Platform.profiles->Text(kIni).find("Model=4\n"), std::string::npos);
}

TEST_F(RealDeskTest, AWindowWithNoPartOnAnyMonitorComesBackToTheNearest)
{
    const TRect desk = Rect(0, 0, 1024, 738);
    Headless().SetWorkAreas({desk});
    IniFile(kIni, "[SETTINGS]\r\nLeft=5000\r\nTop=5000\r\n");
    Start();
    EXPECT_EQ(Form->BoundsRect(), Bounds(1024 - 282, 738 - Form->Height(), 282, Form->Height()))
        << "in the corner nearest to the saved place";
    Headless().TypeChar('q');
    EXPECT_NE(Platform.profiles->Text(kIni).find("Left=742\r\nTop=" +
                                                 std::to_string(738 - Form->Height())),
              std::string::npos);

    // Partly on the screen: moved just enough to lie wholly on it.
    Platform.profiles->SetText(kIni, "[SETTINGS]\r\nLeft=1000\r\nTop=-20\r\n");
    Restart();
    EXPECT_EQ(Form->BoundsRect().right, Screen().WorkAreas().at(0).right);
    EXPECT_EQ(Form->Top(), 0);

    // A second monitor goes away with both windows on it.
    const TRect right = Rect(1024, 0, 2304, 1024);
    Headless().ChangeDisplay({desk, right});
    Form->SetBounds(1500, 200, Form->Width(), Form->Height());
    Form->MemoryButtonClick(Form->MemoryButton);
    TForm& memory = *Form->MemoryPanel;
    ASSERT_TRUE(Headless().IsShown(memory.Handle()));
    EXPECT_GT(memory.Left(), 1500);
    Headless().ChangeDisplay({desk});
    EXPECT_EQ(Form->Left(), 742);
    EXPECT_EQ(Form->Top(), 200);
    EXPECT_EQ(memory.BoundsRect().Intersect(desk), memory.BoundsRect()) << "wholly on the desk";

    // A monitor change that leaves both wholly on the desk moves neither.
    const TRect before = Form->BoundsRect();
    const TRect memoryBefore = memory.BoundsRect();
    Headless().ChangeDisplay({Rect(0, 0, 1280, 1024)});
    EXPECT_EQ(Form->BoundsRect(), before);
    EXPECT_EQ(memory.BoundsRect(), memoryBefore);
}

// 1024 x 768 to 640 x 480 with both windows at the lower right: the monitors change while the
// taskbar still stands 748 pixels down, and the work area settles afterwards.
TEST_F(RealDeskTest, BothWindowsFitAgainOnceTheTaskbarSettlesAfterADisplayChange)
{
    Headless().SetWorkAreas({Rect(0, 0, 1024, 748)});
    Start();
    Form->SetBounds(740, 570, Form->Width(), Form->Height());
    Form->MemoryButtonClick(Form->MemoryButton);
    TForm& memory = *Form->MemoryPanel;
    ASSERT_EQ(memory.Left(), 740 - 10 - 282) << "no room on the right";

    Headless().ChangeDisplay({Rect(0, 0, 640, 748)});
    EXPECT_EQ(Form->Left(), 640 - 282);
    const TRect settled = Rect(0, 0, 640, 460);
    Headless().ChangeWorkAreas({settled});
    EXPECT_EQ(Form->BoundsRect(), Bounds(358, 460 - Form->Height(), 282, Form->Height()));
    EXPECT_EQ(memory.BoundsRect(), Bounds(358 - 10 - 282, 460 - 212, 282, 212))
        << "beside the main window, centred on it as far as the work area lets it";
    EXPECT_TRUE(Headless().IsShown(memory.Handle()));

    // Wine's taskbar settles without a notice: the work areas are looked at again meanwhile.
    Headless().ChangeDisplay({Rect(0, 0, 1024, 768)});
    Form->SetBounds(740, 768 - Form->Height(), Form->Width(), Form->Height());
    Headless().ChangeDisplay({Rect(0, 0, 640, 768)});
    Headless().SetWorkAreas({settled});
    Headless().AdvanceTime(500);
    EXPECT_EQ(Form->BoundsRect(), Bounds(358, 460 - Form->Height(), 282, Form->Height()));
    EXPECT_EQ(memory.BoundsRect().Intersect(settled), memory.BoundsRect());

    // A taskbar docked on the left leaves neither side room: the memory window covers part of
    // the main window on the side with more room, and the main window stays.
    const TRect docked = Rect(100, 0, 640, 480);
    Headless().ChangeWorkAreas({docked});
    EXPECT_EQ(Form->Left(), 358);
    EXPECT_EQ(memory.Left(), 100);
    EXPECT_EQ(memory.BoundsRect().Intersect(docked), memory.BoundsRect());
}

TEST_F(RealDeskTest, DrivesThatComeAndGoAreScannedOnceTheAnnouncementsSettle)
{
    Start();
    EXPECT_EQ(Letters(), "C");
    const int atStart = Drives->Scans;

    Fixed('E', 2000, 1500);
    for (int i = 0; i < 3; ++i)
        Headless().VolumeChange(true, "E");
    Headless().AdvanceTime(499);
    EXPECT_EQ(Drives->Scans, atStart) << "still waiting for more announcements";
    Headless().AdvanceTime(1);
    EXPECT_EQ(Drives->Scans, atStart + 1) << "three announcements, one scan";
    EXPECT_EQ(Letters(), "CE");

    // Hidden in the tray: the scan still runs, so the tooltip is current.
    Headless().TypeChar('m');
    ASSERT_FALSE(Shown());
    const int hidden = Drives->Scans;
    Platform.drives->Remove('E');
    Headless().VolumeChange(false, "E");
    Headless().AdvanceTime(2000);
    EXPECT_EQ(Drives->Scans, hidden + 1);
    EXPECT_EQ(Form->TrayHint().find("E:"), std::string::npos) << Form->TrayHint();
    EXPECT_NE(Form->TrayHint().find("C:"), std::string::npos) << Form->TrayHint();
    EXPECT_FALSE(Shown()) << "the scan does not show the window";
}

TEST_F(RealDeskTest, KeysWorkAfterTheApplicationIsActivatedFromTheTaskbar)
{
    Start();
    ChooseFromTrayMenu({"Always On Top"});
    Headless().ActivateApp();
    EXPECT_EQ(Headless().Foreground(), Form->Handle()) << "handed on from the application window";
    EXPECT_EQ(Form->ActiveControl(), Form->RefreshButton);
    Headless().TypeChar('4');
    EXPECT_EQ(Form->Model(), 4);

    // Hidden in the tray, an activation shows nothing.
    Headless().TypeChar('m');
    Headless().ActivateApp();
    EXPECT_FALSE(Shown());

    ASSERT_TRUE(PressHotkey());
    ASSERT_TRUE(Shown());
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated());
}

}  // namespace
