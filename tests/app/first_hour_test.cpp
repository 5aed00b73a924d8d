// A new user's first hour, one story per test: a full drive, the memory panel going with the main
// window and handing the keys back when it closes, fresh figures whenever the window appears, the
// panel kept on the screen, a second start, hand-edited transparencies and the window appearing
// only once the program runs. The panel is looked at as the platform window a user sees.
#include "app_fixture.h"

#include <climits>

#include "app/memory_form.h"
#include "app/palette.h"
#include "controls/push_button.h"
#include "platform/fake/fake_single_instance.h"
#include "ui/menus.h"

namespace {

class FirstHourTest : public MainWindowTest {
protected:
    TMemoryPanel& Panel() { return MemoryWindowOf(*Form); }
    bool MainVisible() { return Headless().Window(Form->Handle())->visible; }
    bool PanelVisible() { return Headless().Window(Panel().Handle())->visible; }
    // Both windows on the screen, or both off it.
    bool BothShown() { return Shown() && Headless().IsShown(Panel().Handle()); }
    bool BothHidden() { return !MainVisible() && !PanelVisible(); }
    void ClickShowRAM() { Form->MemoryButton->Click(); }
};

TEST_F(FirstHourTest, AFullDriveShowsAFullBarWithItsCaptionAndTooltipEntry)
{
    Fixed('C', 40000, 10000);
    Fixed('D', 64, 0);
    Start();
    ASSERT_EQ(Form->MeterRows().size(), 2u);
    EXPECT_EQ(Bar(1).Position(), 100);
    EXPECT_EQ(Pixel(27, 52 + 10), palette::kWarningStart) << "full, so low on space";
    EXPECT_NE(Pixel(250, 52 + 10), clSilver) << "filled up to the \">>\" button";
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( MB): C: 10000/40000  D: 0/64  ");
    const char* const captions[] = {"[Used, Free] = 100 %, 0 %;", "[Used, Free] = 100 %, 0 MB;",
                                    "[Used, Free] = 64 MB, 0 %;", "[Used, Free] = 64 MB, 0 MB;",
                                    "[Total] = 64 MB;"};
    for (char key = '1'; key <= '5'; ++key) {
        Headless().TypeChar(key);
        EXPECT_EQ(Bar(1).Caption(), captions[key - '1']) << "model " << key;
        EXPECT_EQ(Bar(1).Position(), 100) << "model " << key;
    }
    Headless().TypeChar('2');
    Headless().TypeChar('g');
    EXPECT_EQ(Bar(1).Caption(), "[Used, Free] = 100 %, 0 GB;");
    EXPECT_EQ(Form->TrayHint(), "FS/TS ( GB): C: 10/39  D: 0/0.062  ");
}

TEST_F(FirstHourTest, TheOpenPanelGoesAndComesWithTheMainWindowOnEveryPath)
{
    Fixed('C', 40000, 10000);
    Start();
    ClickShowRAM();
    ASSERT_TRUE(BothShown());

    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(BothHidden()) << "hotkey";
    EXPECT_EQ(Form->MemoryButton->Caption(), "<<");
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(BothShown()) << "hotkey";
    EXPECT_EQ(Panel().Left(), 815);
    EXPECT_EQ(Headless().Foreground(), Form->Handle());

    Headless().TypeChar('m');
    EXPECT_TRUE(BothHidden()) << "M";
    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_TRUE(BothShown()) << "Show Tully";

    ClickTray();
    EXPECT_TRUE(BothHidden()) << "tray click";
    ClickTray();
    EXPECT_TRUE(BothShown()) << "tray click";

    Form->HideButton->Click();
    EXPECT_TRUE(BothHidden()) << "_";
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(BothShown());
    EXPECT_EQ(Form->MemoryButton->Caption(), "<<");
}

TEST_F(FirstHourTest, EveryCloseOfThePanelSaysSoAndHandsTheKeysBack)
{
    Fixed('C', 40000, 10000);
    Start();
    ClickShowRAM();
    ASSERT_EQ(Headless().Foreground(), Panel().Handle());

    // Alt+F4 as the platform delivers it: a close request to the panel's window.
    Headless().Window(Panel().Handle())->handler->WndCloseRequest();
    EXPECT_FALSE(PanelVisible());
    EXPECT_EQ(Form->MemoryButton->Caption(), ">>");
    EXPECT_FALSE(Form->MemoryWindowOpen());
    EXPECT_EQ(Headless().Foreground(), Form->Handle());
    ClickShowRAM();
    EXPECT_TRUE(BothShown()) << "the next click opens it again";

    // The panel's own close button: R works at once, then M, on the main window's button.
    Headless().Click(Panel().CloseButton->ClientToScreen({7, 7}));
    EXPECT_EQ(Headless().Foreground(), Form->Handle());
    ASSERT_NE(Form->ActiveControl(), nullptr);
    Fixed('C', 40000, 20000);
    Headless().TypeChar('r');
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 50 %, 20000 MB;");
    Headless().TypeChar('m');
    EXPECT_FALSE(MainVisible());

    // Closed while the main window is away, it leaves the main window where it is.
    ASSERT_TRUE(PressHotkey());
    ClickShowRAM();
    Headless().TypeChar('m');
    Panel().Close();
    EXPECT_FALSE(MainVisible());
    EXPECT_EQ(Form->MemoryButton->Caption(), ">>");
}

TEST_F(FirstHourTest, TheWindowAlwaysAppearsWithFiguresOfTheMoment)
{
    Fixed('C', 40000, 20000);
    Start();
    ASSERT_TRUE(PressHotkey());
    Fixed('C', 40000, 15000);
    ASSERT_TRUE(PressHotkey());
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 62 %, 15000 MB;") << "hotkey";

    Headless().TypeChar('m');
    Fixed('C', 40000, 30000);
    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 25 %, 30000 MB;") << "Show Tully";

    ClickTray();
    Fixed('C', 40000, 10000);
    ClickTray();
    EXPECT_EQ(Bar(0).Caption(), "[Used, Free] = 75 %, 10000 MB;") << "tray click";
}

TEST_F(FirstHourTest, ThePanelOpensOnTheScreen)
{
    Fixed('C', 40000, 10000);
    Start();
    ASSERT_EQ(Screen().Width(), 1280);
    ASSERT_EQ(Screen().Height(), 1024);
    ASSERT_EQ(Form->Height(), 80);

    // No room on the right: it slides out to the left, its right edge 10 pixels off.
    Form->SetBounds(1000, 400, 282, 80);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect().right, 1000 - 10);
    EXPECT_EQ(Panel().Top(), 400 - 66);
    ClickShowRAM();

    // At the top and bottom edges it stays inside the screen.
    Form->SetBounds(300, 20, 282, 58);
    ClickShowRAM();
    EXPECT_EQ(Panel().BoundsRect(), Bounds(300 + 282 + 10, 0, 282, 212));
    ClickShowRAM();
    Form->SetBounds(300, 1000, 282, 58);
    ClickShowRAM();
    EXPECT_EQ(Panel().Top(), 1024 - 212);
    ClickShowRAM();

    // Just room on the right: as designed.
    Form->SetBounds(1280 - 282 - 10 - 282, 400, 282, 58);
    ClickShowRAM();
    EXPECT_EQ(Panel().Left(), 1280 - 282);
    ClickShowRAM();

    // A settings file may put the window at the end of the coordinate range: nothing wraps.
    Form->SetBounds(INT_MAX - 100, INT_MAX - 100, 282, 58);
    ClickShowRAM();
    const int openLeft = INT_MAX - 100 - 10 - Panel().Width();
    EXPECT_EQ(Panel().Left(), openLeft);
    EXPECT_EQ(Panel().Top(), 1024 - 212);
    ClickShowRAM();
    EXPECT_EQ(Panel().Left(), openLeft - 210);
}

TEST_F(FirstHourTest, ASecondStartShowsTheRunningCopyAndEnds)
{
    sw::FakeSingleInstance instance;
    Fixed('C', 40000, 10000);
    RunProgram(Platform.Services(), instance);
    Form = dynamic_cast<TMainWindow*>(Application().MainForm());
    ASSERT_NE(Form, nullptr);
    Headless().TypeChar('m');
    ASSERT_FALSE(Shown());
    const std::size_t windows = Headless().Windows().size();

    sw::FakePlatform second;
    EXPECT_EQ(RunProgram(second.Services(), instance), 0);
    EXPECT_EQ(instance.ShowRequests, 1);
    EXPECT_EQ(Headless().Windows().size(), windows) << "no window of its own";
    EXPECT_EQ(second.notifyArea->LiveWindows(), 0) << "no tray icon";
    EXPECT_TRUE(second.notifyArea->Calls.empty());
    EXPECT_EQ(second.profiles->Writes(), 0);
    EXPECT_TRUE(second.hotkeys->Registrations().empty());
    EXPECT_TRUE(Shown()) << "the running copy came back, as by the hotkey";
    EXPECT_TRUE(Form->WindowShown);

    // Already shown: it stays, and the hotkey still hides it next.
    RunProgram(second.Services(), instance);
    EXPECT_EQ(instance.ShowRequests, 2);
    EXPECT_TRUE(Shown());
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown());
}

TEST_F(FirstHourTest, TheWindowAppearsOnlyOnceTheProgramRuns)
{
    Fixed('C', 40000, 10000);
    Form = CreateMainWindow(Platform.Services());
    EXPECT_FALSE(MainVisible()) << "not during its creation";
    EXPECT_TRUE(Platform.hotkeys->Holder(ssAlt | ssCtrl, TKey{'D'}).has_value());
    Application().Run();
    EXPECT_TRUE(Shown());
}

struct TransparencyCase {
    const char* value;
    int stored;
    bool blended;
    int alpha;
};

TEST_F(FirstHourTest, AHandEditedTransparencyOutsideTheMenuRangeCountsAsTheDefault)
{
    const std::string ini = "C:\\Spacewell\\OrvaneTully.ini";
    Platform.paths->Executable = "C:\\Spacewell\\OrvaneTully.exe";
    Platform.paths->ExistingFiles.insert(ini);
    const TransparencyCase cases[] = {{"100", 30, true, 179}, {"-20", 30, true, 179},
                                      {"91", 30, true, 179},  {"90", 90, true, 26},
                                      {"0", 0, false, 200},   {"25", 25, true, 192}};
    for (const TransparencyCase& c : cases) {
        SCOPED_TRACE(c.value);
        Platform.profiles->SetText(ini, std::string("[OPTIONS]\nModel=2\nTransparency=") + c.value +
                                            "\n");
        Start();
        EXPECT_EQ(Form->Transparency(), c.stored);
        EXPECT_EQ(Form->AlphaBlend(), c.blended);
        EXPECT_EQ(Form->AlphaBlendValue(), c.alpha);
        EXPECT_EQ(Form->TransparencyItems[3]->Checked(), c.stored == 30);
        Headless().TypeChar('q');
        EXPECT_NE(Platform.profiles->Text(ini).find("Transparency=" + std::to_string(c.stored)),
                  std::string::npos);
        Application().Reset();
        UseHeadlessBackend();
    }
}

}  // namespace
