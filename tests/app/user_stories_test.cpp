// Longer walks through the program, each looking at what the user sees after every step: every
// item of the tray menu chosen once, the memory window following the main window to the tray and
// back by every road, the timers and the hotkey at their designed values, and a settings file
// that sets every option at once.
#include "app_fixture.h"

#include <optional>

#include "app/memory_form.h"
#include "controls/push_button.h"
#include "ui/menus.h"

namespace {

const std::string kFolder = "C:\\Program Files\\Spacewell";
const std::string kIni = kFolder + "\\spacewell.ini";

class UserStoriesTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Platform.paths->Executable = kFolder + "\\spacewell.exe";
        Fixed('C', 40000, 10000);
    }

    TMemoryPanel& Panel() { return MemoryWindowOf(*Form); }
    bool PanelShown() { return Headless().IsShown(Panel().Handle()); }
    const TWindowParams& MainParams() { return Headless().Window(Form->Handle())->params; }
    const TWindowParams& PanelParams() { return Headless().Window(Panel().Handle())->params; }
    std::string Caption() { return Bar(0).Caption(); }
    // Scans so far: each reads the serial of C: once.
    std::size_t Scans()
    {
        return Platform.drives->SerialsReadLoudly().size() +
               Platform.drives->SerialsReadSilently().size();
    }
    // Which of the two windows are on screen: "main+memory", "main", "memory" or "none".
    std::string OnScreen()
    {
        if (Shown())
            return PanelShown() ? "main+memory" : "main";
        return PanelShown() ? "memory" : "none";
    }
    // Ctrl+Alt+D under the id the system knows the registration by.
    void Hotkey() { Headless().Hotkey(1, Form->Handle()); }
    std::string CheckedItems(TMenuItem& menu)
    {
        std::string checked;
        for (TMenuItem* item : menu.ItemList())
            if (item->Checked())
                checked += item->Caption() + ";";
        return checked;
    }
};

TEST_F(UserStoriesTest, EveryMenuItemDoesWhatItSays)
{
    Start();
    Form->MemoryButton->Click();
    Form->MemoryButton->Click();
    ASSERT_TRUE(Form->MemoryWindowEverOpened) << "from now on the memory window follows";

    const struct {
        const char* caption;
        int alpha;  // 0: blending off
    } transparencies[] = {{"40%", 153}, {"0%", 0},   {"10%", 230}, {"60%", 102},
                          {"20%", 204}, {"70%", 77}, {"30%", 179}, {"50%", 128}};
    for (const auto& t : transparencies) {
        SCOPED_TRACE(t.caption);
        ChooseFromTrayMenu({"Transparency", t.caption});
        EXPECT_EQ(CheckedItems(*Form->TransparencyMenu), std::string(t.caption) + ";");
        EXPECT_EQ(Form->Transparency(), std::stoi(t.caption));
        EXPECT_EQ(MainParams().layered, t.alpha != 0);
        EXPECT_EQ(PanelParams().layered, t.alpha != 0);
        if (t.alpha != 0) {
            EXPECT_EQ(MainParams().alpha, t.alpha);
            EXPECT_EQ(PanelParams().alpha, t.alpha);
        }
    }

    const struct {
        const char* caption;
        const char* bar;
    } models[] = {{"[5]: Total", "[Total] = 40000 MB;"},
                  {"[1]: Percentages", "[Used, Free] = 75 %, 25 %;"},
                  {"[3]: Value, Percentage", "[Used, Free] = 30000 MB, 25 %;"},
                  {"[4]: Value, Value", "[Used, Free] = 30000 MB, 10000 MB;"},
                  {"[2]: Percentage, Value", "[Used, Free] = 75 %, 10000 MB;"}};
    for (const auto& m : models) {
        SCOPED_TRACE(m.caption);
        Fixed('C', 40000, 10000);
        ChooseFromTrayMenu({"Model", m.caption});
        EXPECT_EQ(CheckedItems(*Form->ModelMenu), std::string(m.caption) + ";");
        EXPECT_EQ(Form->Model(), m.caption[1] - '0');
        EXPECT_EQ(Caption(), m.bar);
    }

    ChooseFromTrayMenu({"GB"});
    EXPECT_EQ(Caption(), "[Used, Free] = 75 %, 9.766 GB;");
    ChooseFromTrayMenu({"GB"});
    EXPECT_EQ(Caption(), "[Used, Free] = 75 %, 10000 MB;");
    ChooseFromTrayMenu({"Always On Top"});
    EXPECT_TRUE(MainParams().topmost);
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell"),
              kFolder + "\\spacewell.exe");
    ChooseFromTrayMenu({"AutoStart"});
    EXPECT_EQ(Platform.autostart->Entry(sw::AutostartScope::Machine, "Spacewell"), std::nullopt);
    ChooseFromTrayMenu({"Start Minimized"});
    EXPECT_TRUE(Shown()) << "it acts at the next start";

    Headless().TypeChar('m');
    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_TRUE(Shown());
    ChooseFromTrayMenu({"Exit"});
    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(Platform.profiles->Text(kIni),
              "[SETTINGS]\nLeft=523\nTop=288\n[OPTIONS]\nModel=2\nTransparency=50\nGB=0\n"
              "OnTop=1\nMinimized=1\nAutoStart=0\nWarnWhenLow=1\n");
}

TEST_F(UserStoriesTest, AnOpenMemoryWindowFollowsTheMainWindowByEveryRoad)
{
    Start();
    Form->MemoryButton->Click();
    ASSERT_TRUE(PanelShown());

    // "M" typed: both go to the tray; "Show Tully" brings both back.
    Headless().TypeChar('M');
    EXPECT_EQ(OnScreen(), "none");
    EXPECT_FALSE(Headless().AppWindowVisible()) << "no taskbar button";
    EXPECT_FALSE(Form->WindowShown);
    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_EQ(OnScreen(), "main+memory");
    EXPECT_FALSE(Form->WindowShown) << "the menu leaves the hotkey's belief alone";

    // The hotkey, believing the window hidden, shows it first; then it hides both with a fresh
    // scan, and shows both again.
    Hotkey();
    EXPECT_EQ(OnScreen(), "main+memory");
    EXPECT_TRUE(Form->WindowShown);
    Fixed('C', 40000, 20000);
    const std::size_t scans = Scans();
    Hotkey();
    EXPECT_EQ(Scans(), scans + 1);
    EXPECT_EQ(Caption(), "[Used, Free] = 50 %, 20000 MB;");
    EXPECT_EQ(OnScreen(), "none");
    Hotkey();
    EXPECT_EQ(OnScreen(), "main+memory");
    EXPECT_EQ(Scans(), scans + 2) << "the hotkey shows figures read as it shows";

    // The tray icon takes both away, and brings both back with fresh figures.
    ClickTray();
    EXPECT_EQ(OnScreen(), "none");
    Fixed('C', 40000, 30000);
    ClickTray();
    EXPECT_EQ(Scans(), scans + 3);
    EXPECT_EQ(Caption(), "[Used, Free] = 25 %, 30000 MB;");
    EXPECT_EQ(OnScreen(), "main+memory");
    EXPECT_TRUE(Form->WindowShown);

    // "_" clicked, and the tray icon brings both back.
    Form->HideButton->Click();
    EXPECT_EQ(OnScreen(), "none");
    ClickTray();
    EXPECT_EQ(OnScreen(), "main+memory");
    EXPECT_EQ(Form->MemoryButton->Caption(), "<<");

    // Closed by "<<", it stays away whichever road brings the main window back.
    Form->MemoryButton->Click();
    ASSERT_FALSE(PanelShown());
    Hotkey();
    EXPECT_EQ(OnScreen(), "none");
    Hotkey();
    EXPECT_EQ(OnScreen(), "main");
    ClickTray();
    EXPECT_EQ(OnScreen(), "none");
    ClickTray();
    EXPECT_EQ(OnScreen(), "main");
    Headless().TypeChar('M');
    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_EQ(OnScreen(), "main");

    // The other upper-case keys work the main window as the lower-case ones do.
    Headless().TypeChar('G');
    EXPECT_EQ(Form->SizeUnit(), "GB");
    Headless().TypeChar('Q');
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(UserStoriesTest, TimersAndTheHotkeyKeepTheirDesignedValues)
{
    Platform.memory->Status = {1024 * MiB, 512 * MiB, 0, 0};
    Start();
    ASSERT_EQ(Platform.hotkeys->Registrations().size(), 1u);
    const sw::HotkeyRegistration hotkey = Platform.hotkeys->Registrations().front();
    EXPECT_EQ(hotkey.id, 1);
    EXPECT_EQ(hotkey.window, Form->Handle());
    EXPECT_EQ(hotkey.modifiers, ssAlt | ssCtrl);
    EXPECT_EQ(hotkey.key, TKey{'D'});
    Headless().Hotkey(2, Form->Handle());
    EXPECT_TRUE(Shown()) << "another id is not ours";
    Hotkey();
    EXPECT_FALSE(Shown());
    Hotkey();

    EXPECT_EQ(Form->WatchTimer->Interval(), 10000u);
    EXPECT_TRUE(Form->WatchTimer->Enabled());

    // The memory window refreshes twice a second while it is open: find a refresh, then time
    // the next one.
    Form->MemoryButton->Click();
    const TLabel& ramFree = *Panel().PhysicalAvailableFigure;
    Platform.memory->Status.availPhys = 256 * MiB;
    int waited = 0;
    while (ramFree.Caption() != "0.25 GB = 262144 KB ~ 256 MB" && waited < 1000) {
        Headless().AdvanceTime(1);
        ++waited;
    }
    ASSERT_LT(waited, 1000) << "the memory window never refreshed";
    Platform.memory->Status.availPhys = 128 * MiB;
    Headless().AdvanceTime(499);
    EXPECT_EQ(ramFree.Caption(), "0.25 GB = 262144 KB ~ 256 MB");
    Headless().AdvanceTime(1);
    EXPECT_EQ(ramFree.Caption(), "0.125 GB = 131072 KB ~ 128 MB");

    // A single click on the tray icon waits out the double-click time before it acts.
    Platform.notifyArea->Click(sw::PointerButton::Left);
    Headless().AdvanceTime(Headless().DoubleClickTime() - 1);
    EXPECT_TRUE(Shown());
    Headless().AdvanceTime(1);
    EXPECT_FALSE(Shown());
}

TEST_F(UserStoriesTest, ASettingsFileSetsEveryOptionInOrder)
{
    Platform.profiles->SetText(kIni, "[SETTINGS]\r\nLeft=100\r\nTop=200\r\n[OPTIONS]\r\n"
                                     "Model=3\r\nTransparency=60\r\nGB=1\r\nOnTop=1\r\n"
                                     "Minimized=1\r\nAutoStart=1\r\n");
    Platform.paths->ExistingFiles.insert(kIni);
    Start();
    EXPECT_EQ(Scans(), 2u) << "one scan with the model, one with the unit";
    EXPECT_EQ(Form->BoundsRect().TopLeft(), (TPoint{100, 200}));
    EXPECT_EQ(Form->Model(), 3);
    EXPECT_EQ(CheckedItems(*Form->ModelMenu), "[3]: Value, Percentage;");
    EXPECT_EQ(Form->Transparency(), 60);
    EXPECT_EQ(CheckedItems(*Form->TransparencyMenu), "60%;");
    EXPECT_TRUE(MainParams().layered);
    EXPECT_EQ(MainParams().alpha, 102);
    EXPECT_TRUE(Form->GigabytesItem->Checked());
    EXPECT_EQ(Caption(), "[Used, Free] = 29.297 GB, 25 %;");
    EXPECT_TRUE(Form->OnTopItem->Checked());
    EXPECT_TRUE(MainParams().topmost);
    EXPECT_TRUE(Form->StartMinimizedItem->Checked());
    EXPECT_FALSE(Shown()) << "started minimized";
    EXPECT_TRUE(Form->AutoStartItem->Checked());
}

}  // namespace
