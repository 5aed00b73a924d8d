// Settings that survive a restart, and autostart at logon: the file the first close writes and
// the next start reads, the value rules, which file triggers the load, a file that cannot be
// written, and the Run value with the check mark that follows it.
#include "app_fixture.h"

#include <functional>

#include "app/settings.h"
#include "controls/tray_icon.h"
#include "ui/menus.h"

namespace {

const std::string kFolder = "C:\\Program Files\\My Tools";
const std::string kIni = kFolder + "\\spacewell.ini";
const std::string kFixedIni = kFolder + "\\OrvaneTully.ini";

class SettingsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Platform.paths->Executable = kFolder + "\\spacewell.exe";
        Fixed('C', 40000, 10000);
    }

    // A settings file that exists on disk, as the platform sees it.
    void IniFile(const std::string& text, const std::string& name = kIni)
    {
        Platform.profiles->SetText(name, text);
        Platform.paths->ExistingFiles.insert(name);
    }

    // Quits with "q" and starts the program again over the same platform.
    void Restart()
    {
        Headless().TypeChar('q');
        ASSERT_TRUE(Application().Terminated());
        Platform.paths->ExistingFiles.insert(kIni);
        Application().Reset();
        UseHeadlessBackend();
        Start();
    }

    std::optional<std::string> RunValue()
    {
        return Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell");
    }
};

TEST_F(SettingsTest, FirstCloseWritesTheDefaultsAndEveryChangeSurvivesARestart)
{
    Start();
    Headless().TypeChar('q');
    EXPECT_EQ(Platform.profiles->Text(kIni),
              "[SETTINGS]\nLeft=523\nTop=288\n[OPTIONS]\nModel=2\nTransparency=30\nGB=0\n"
              "OnTop=0\nMinimized=0\nAutoStart=0\nWarnWhenLow=1\n");

    Application().Reset();
    UseHeadlessBackend();
    Start();
    Headless().MouseDown({600, 300});
    Headless().MouseUp({640, 250});
    ChooseFromTrayMenu({"Transparency", "50%"});
    ChooseFromTrayMenu({"Always On Top"});
    ChooseFromTrayMenu({"AutoStart"});
    Headless().TypeChar('4');
    Headless().TypeChar('g');
    Restart();

    EXPECT_EQ(Form->Left(), 563);
    EXPECT_EQ(Form->Top(), 238);
    EXPECT_EQ(Form->Model(), 4);
    EXPECT_TRUE(Form->ModelItems[3]->Checked());
    EXPECT_EQ(Headless().Window(Form->Handle())->params.alpha, 128);
    EXPECT_TRUE(Form->TransparencyItems[5]->Checked());
    EXPECT_EQ(Form->SizeUnit(), "GB");
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 29.297 GB, 9.766 GB;");
    EXPECT_EQ(Form->FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_TRUE(Form->AutoStartItem->Checked());
    EXPECT_TRUE(Shown());
}

// The file edited by hand while the program runs: at the quit every key of its own is written
// back over the edit; comments, other keys and other sections stay.
TEST_F(SettingsTest, AHandEditWhileRunningKeepsAllButTheProgramsOwnKeys)
{
    IniFile("[SETTINGS]\r\nLeft=10\r\n[OPTIONS]\r\nModel=4\r\n");
    Start();
    Platform.profiles->SetText(kIni, "; mine\r\n[SETTINGS]\r\nLeft=400\r\n[OPTIONS]\r\nModel=1\r\n"
                                     "LowSpacePercent=5\r\n; note\r\n[Other]\r\nKey=x\r\n");
    Headless().TypeChar('q');
    ASSERT_TRUE(Application().Terminated());
    const std::string text = Platform.profiles->Text(kIni);
    EXPECT_EQ(text.rfind("; mine\r\n[SETTINGS]\r\nLeft=10\r\n", 0), 0u) << text;
    for (const char* kept : {"Model=4\r\nLowSpacePercent=5\r\n; note\r\n", "[Other]\r\nKey=x\r\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in " << text;
}

TEST_F(SettingsTest, AFileWithOnlyAPositionLeavesTheOptionsAtZero)
{
    IniFile("[SETTINGS]\r\nLeft=-3000\r\nTop=5000\r\n");
    Start();
    EXPECT_EQ(Form->Left(), 0) << "brought back from off the screen into its nearest corner";
    EXPECT_EQ(Form->Top(), Screen().Height() - Form->Height());
    EXPECT_EQ(Form->Model(), 0);
    EXPECT_EQ(Bar(0).Caption(), "") << "no model, no caption";
    EXPECT_TRUE(Form->ModelItems[1]->Checked()) << "the designed check stays";
    EXPECT_EQ(Form->Transparency(), 0);
    EXPECT_TRUE(Form->TransparencyItems[0]->Checked());
    EXPECT_FALSE(Headless().Window(Form->Handle())->params.layered) << "opaque";
    EXPECT_EQ(Form->SizeUnit(), "MB");
    EXPECT_FALSE(Form->GigabytesItem->Checked());
}

TEST_F(SettingsTest, ValuesAreDecimalOrHexAndAnythingElseIsTheDefault)
{
    const struct {
        const char* text;
        int model;
    } models[] = {{"0x3", 3}, {"$A", 10}, {"abc", 0}, {"99999999999", 0},
                  {"", 0},    {"0x", 0},  {"-2", -2}};
    for (const auto& m : models) {
        SCOPED_TRACE(m.text);
        IniFile(std::string("[options]\r\nmodel=") + m.text +
                "\r\nTransparency=25\r\nGB=2\r\nAutoStart=1\r\n");
        Start();
        EXPECT_EQ(Form->Model(), m.model);
        EXPECT_EQ(Form->Transparency(), 25);
        EXPECT_EQ(Headless().Window(Form->Handle())->params.alpha, 192) << "255 - 63";
        for (TMenuItem* item : Form->TransparencyMenu->ItemList())
            EXPECT_FALSE(item->Checked()) << item->Caption();
        EXPECT_TRUE(Form->GigabytesItem->Checked()) << "any value but 0 is true";
        EXPECT_EQ(Form->SizeUnit(), "GB");
        EXPECT_TRUE(Form->AutoStartItem->Checked());
        EXPECT_FALSE(RunValue()) << "autostart is neither asked nor changed";
        Application().Reset();
        UseHeadlessBackend();
    }
}

TEST_F(SettingsTest, StartMinimizedShowsOnlyTheTrayIconUntilTheHotkey)
{
    IniFile("[OPTIONS]\r\nMinimized=1\r\n");
    Start();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_NE(Platform.notifyArea->ShownIcon(), nullptr);
    EXPECT_FALSE(Form->WindowShown);
    EXPECT_FALSE(InVisibilities(Form->TrayIcon->Visibility(), tvVisibleTaskBar));
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(Form->WindowShown);
}

TEST_F(SettingsTest, EitherFileNameTriggersTheLoadAndTheExecutablesNameIsRead)
{
    const std::string settings = "[OPTIONS]\r\nModel=5\r\n";
    IniFile(settings, kFixedIni);
    Start();
    EXPECT_EQ(Form->Model(), 0) << "loaded, from a spacewell.ini that is not there";
    Application().Reset();
    UseHeadlessBackend();

    IniFile(settings);
    Start();
    EXPECT_EQ(Form->Model(), 5) << "found beside the program under its own name";
    Application().Reset();
    UseHeadlessBackend();

    Platform.paths->Executable = kFolder + "\\OrvaneTully.exe";
    IniFile("[OPTIONS]\r\nModel=1\r\n", kFixedIni);
    Start();
    EXPECT_EQ(Form->Model(), 1);
}

TEST_F(SettingsTest, AReadOnlyFileKeepsTheWindowOpenUntilItCanBeWritten)
{
    IniFile("[SETTINGS]\r\nLeft=10\r\n");
    Platform.profiles->SetUnwritable(kIni, true);
    Start();
    Headless().TypeChar('q');
    EXPECT_FALSE(Application().Terminated());
    EXPECT_EQ(Headless().LastMessageText(), "Unable to write to " + kIni + ".");
    EXPECT_EQ(Headless().LastMessageCaption(), "Spacewell v.1");
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Platform.profiles->Text(kIni), "[SETTINGS]\r\nLeft=10\r\n");
    ASSERT_TRUE(PressHotkey()) << "the hotkey is still registered";
    EXPECT_FALSE(Shown());
    ASSERT_TRUE(PressHotkey());

    Platform.profiles->SetUnwritable(kIni, false);
    ChooseFromTrayMenu({"Exit"});
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(Headless().MessageCount(), 1);
    EXPECT_NE(Platform.profiles->Text(kIni).find("AutoStart=0"), std::string::npos);
}

TEST_F(SettingsTest, AutoStartWritesTheQuotedPathAndDeletesIt)
{
    Start();
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(RunValue(), kFolder + "\\spacewell.exe");
    EXPECT_TRUE(Form->AutoStartItem->Checked());
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_FALSE(RunValue());
    EXPECT_FALSE(Form->AutoStartItem->Checked());
    EXPECT_EQ(Headless().MessageCount(), 0);
}

TEST_F(SettingsTest, AutoStartCheckedInTheFileIsClearedEvenWithoutAValue)
{
    IniFile("[OPTIONS]\r\nAutoStart=1\r\n");
    Start();
    EXPECT_TRUE(Form->AutoStartItem->Checked());
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_FALSE(Form->AutoStartItem->Checked());
    EXPECT_EQ(Headless().MessageCount(), 0) << "deleting a missing value is silent";
}

TEST_F(SettingsTest, AutoStartThatCannotBeWrittenSaysSoAndKeepsTheCheck)
{
    Start();
    for (bool denyKey : {true, false}) {
        SCOPED_TRACE(denyKey ? "key denied" : "value denied");
        Platform.autostart->DenyAccess = denyKey;
        Platform.autostart->DenyWrites = !denyKey;
        const int before = Headless().MessageCount();
        ChooseFromTrayMenu({"AutoStart"});
        EXPECT_EQ(Headless().MessageCount(), before + 1);
        EXPECT_EQ(Headless().LastMessageText(), "Failed to set data for 'Spacewell'");
        EXPECT_FALSE(Form->AutoStartItem->Checked());
        EXPECT_FALSE(RunValue());
    }
}

// The value and its file, without a window: what a read keeps, the order of the writes, and
// which file is read and written where.
TEST(SettingsValueTest, ReadKeepsWhatTheFileLacksAndWriteKeepsTheFilesOrder)
{
    sw::FakeProfileFiles profiles;
    profiles.SetText(kIni, "[options]\r\nGB=2\r\nTransparency=95\r\nModel=abc\r\n");
    Settings current;
    current.left = -7;
    current.model = 3;
    current.onTop = true;
    const Settings read = ReadSettings(*profiles.Open(kIni), current);
    Settings expected = current;
    expected.gigabytes = true;
    expected.transparency = 30;
    EXPECT_EQ(read, expected) << "95 % is past the most; abc is no number";

    WriteSettings(*profiles.Open("new.ini"), read);
    EXPECT_EQ(profiles.Text("new.ini"),
              "[SETTINGS]\nLeft=-7\nTop=288\n[OPTIONS]\nModel=3\n"
              "Transparency=30\nGB=1\nOnTop=1\nMinimized=0\nAutoStart=0\nWarnWhenLow=1\n");
}

// The same rule on both systems: beside the program while its folder may be written, else in the
// user's folder, made at the first save; until that file exists, the one beside is read.
TEST(SettingsValueTest, TheFileLiesBesideTheProgramOrInTheUsersFolder)
{
    struct System {
        std::string folder, exe, userFolder, fixedIni;
    };
    const System systems[] = {
        {kFolder, kFolder + "\\spacewell.exe", "C:\\Users\\ann\\AppData\\Roaming\\Spacewell",
         kFixedIni},
        {"/opt/spacewell", "/opt/spacewell/spacewell", "/home/ann/.config/spacewell",
         "/opt/spacewell/OrvaneTully.ini"},
    };
    for (const auto& system : systems) {
        SCOPED_TRACE(system.exe);
        sw::FakePaths paths;
        sw::FakeProfileFiles profiles;
        paths.Executable = system.exe;
        paths.UserSettings = system.userFolder;
        const std::string beside =
            system.folder + system.exe[system.folder.size()] + "spacewell.ini";
        EXPECT_EQ(SettingsFileFor(paths), beside);
        EXPECT_EQ(SettingsFileToRead(paths, beside), "") << "no file yet";
        paths.ExistingFiles.insert(system.fixedIni);
        EXPECT_EQ(SettingsFileToRead(paths, beside), beside) << "the fixed name triggers";
        paths.LockedFolders.insert(system.folder);
        const std::string userIni =
            system.userFolder + system.exe[system.folder.size()] + "spacewell.ini";
        EXPECT_EQ(SettingsFileFor(paths), userIni);
        EXPECT_EQ(SettingsFileToRead(paths, userIni), beside) << "until the user's file exists";
        SaveSettingsFile(profiles, paths, userIni, Settings{});
        EXPECT_EQ(paths.CreatedFolders, std::set<std::string>{system.userFolder});
        paths.ExistingFiles.insert(userIni);
        EXPECT_EQ(SettingsFileToRead(paths, userIni), userIni);
    }
}

// One row per key: alone in a file it changes its own value and no other, and the value written
// is read back (the threshold is read only).
TEST(SettingsValueTest, EveryKeyReadsIntoItsOwnValueAndMakesTheRoundTrip)
{
    struct Row {
        const char* section;
        const char* key;
        const char* text;
        std::function<void(Settings&)> set;
        bool written = true;
    };
    const Row rows[] = {
        {"SETTINGS", "Left", "-40", [](Settings& s) { s.left = -40; }},
        {"SETTINGS", "Top", "77", [](Settings& s) { s.top = 77; }},
        {"OPTIONS", "Model", "4", [](Settings& s) { s.model = 4; }},
        {"OPTIONS", "Transparency", "60", [](Settings& s) { s.transparency = 60; }},
        {"OPTIONS", "GB", "1", [](Settings& s) { s.gigabytes = true; }},
        {"OPTIONS", "OnTop", "1", [](Settings& s) { s.onTop = true; }},
        {"OPTIONS", "Minimized", "1", [](Settings& s) { s.startMinimized = true; }},
        {"OPTIONS", "AutoStart", "1", [](Settings& s) { s.autoStart = true; }},
        {"OPTIONS", "WarnWhenLow", "0", [](Settings& s) { s.warnWhenLow = false; }},
        {"OPTIONS", "LowSpacePercent", "25", [](Settings& s) { s.lowSpacePercent = 25; }, false},
    };
    for (const Row& row : rows) {
        sw::FakeProfileFiles profiles;
        profiles.SetText("one.ini", std::string("[") + row.section + "]\r\n" + row.key + "=" +
                                        row.text + "\r\n");
        Settings expected;
        row.set(expected);
        EXPECT_EQ(ReadSettings(*profiles.Open("one.ini"), Settings{}), expected) << row.key;
        WriteSettings(*profiles.Open("round.ini"), expected);
        EXPECT_EQ(ReadSettings(*profiles.Open("round.ini"), Settings{}),
                  row.written ? expected : Settings{})
            << row.key;
    }
}

}  // namespace
