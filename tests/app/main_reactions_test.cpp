// The main window at work, one user story per test: its buttons and menu as designed, the keys
// on its buttons, the hotkey, the tray icon's clicks and the menu's options.
#include "app_fixture.h"

#include "controls/tray_icon.h"
#include "controls/push_button.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

class MainReactionsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Fixed('C', 40000, 10000);
        Start();
    }

    // The C: drive's free space changes behind the program's back; a scan shows it.
    void FreeUp(std::int64_t freeMB) { Fixed('C', 40000, freeMB); }
    std::string Caption() { return Bar(0).Caption(); }

    // The menu as the shell was last given it, opened with a right click and dismissed.
    std::vector<TMenuEntry> MenuShown()
    {
        Headless().ChooseMenuItem([](const std::vector<TMenuEntry>&, TPoint) { return 0; });
        ClickTray(sw::PointerButton::Right);
        return Headless().LastMenu();
    }
};

std::string Checked(const std::vector<TMenuEntry>& items)
{
    std::string checked;
    for (const TMenuEntry& e : items)
        if (e.checked)
            checked += e.caption + ";";
    return checked;
}

TEST_F(MainReactionsTest, ButtonsStandInTheTitleBandAndOverTheFirstRows)
{
    struct Expected {
        TPushButton* button;
        TRect bounds;
        const char* caption;
        const char* hint;
        int tabOrder;
        bool bold;
    };
    const Expected buttons[] = {
        {Form->CloseButton, Bounds(258, 9, 15, 15), "x", "Close [Q]", 2, true},
        {Form->HideButton, Bounds(243, 9, 15, 15), "_", "Minimize [M]", 1, true},
        {Form->RefreshButton, Bounds(228, 9, 15, 15), "r", "Refresh [R]", 0, true},
        {Form->MemoryButton, Bounds(258, 30, 15, 42), ">>", "RAM Info", 3, false},
    };
    for (const Expected& e : buttons) {
        SCOPED_TRACE(e.caption);
        EXPECT_EQ(e.button->BoundsRect(), e.bounds);
        EXPECT_EQ(e.button->Caption(), e.caption);
        EXPECT_EQ(e.button->Hint(), e.hint);
        EXPECT_EQ(e.button->TabOrder(), e.tabOrder);
        EXPECT_EQ(e.button->Font().bold, e.bold);
        EXPECT_EQ(e.button->ColorScheme(), TColorScheme::csSky);
        EXPECT_FALSE(e.button->Gradient());
        EXPECT_FALSE(e.button->Ctl3D());
        EXPECT_EQ(e.button->ColorFace(), 0xFFE0C1u);
        EXPECT_EQ(e.button->ColorGrad(), 0x37BEFFu);
        EXPECT_EQ(e.button->OverColorFace(), 0xFFCD9Bu);
        EXPECT_EQ(e.button->DownColorLight(), 0xFF9122u);
        EXPECT_EQ(e.button->DisabledColorText(), clGray);
        EXPECT_EQ(e.button->ColorFocusRect(), 0xDC9B14u);
    }
    EXPECT_EQ(Form->MemoryButton->Layout(), TButtonLayout::blGlyphTop);
    EXPECT_FALSE(Form->MemoryButton->Glyph().Empty());
    EXPECT_TRUE(Form->RefreshButton->Focused()) << "first in tab order";
    // The ">>" button is windowed: it covers the bars' right ends in its 15 columns.
    EXPECT_EQ(Pixel(259, 33), 0xFFE0C1u);
    EXPECT_EQ(Pixel(250, 31), clSilver);
}

TEST_F(MainReactionsTest, TrayMenuAsDesigned)
{
    EXPECT_TRUE(Form->TrayIcon->Active());
    EXPECT_EQ(Form->TrayIcon->PopupMenu(), Form->TrayMenu);
    EXPECT_TRUE(Form->TrayIcon->Snap());
    ASSERT_NE(Platform.notifyArea->ShownIcon(), nullptr);
    EXPECT_EQ(Form->TrayIcon->Hint(), Form->TrayHint()) << "the scan's summary";

    const std::vector<TMenuEntry> menu = MenuShown();
    std::string captions;
    for (const TMenuEntry& e : menu)
        captions += e.caption + "|";
    EXPECT_EQ(captions, "Always On Top|GB|Transparency|-|Model|-|AutoStart|Start Minimized|"
                        "Warn When Low|-|"
                        "Show Tully|Exit|");
    EXPECT_EQ(Checked(menu), "Warn When Low;");
    EXPECT_EQ(Checked(menu[2].items), "30%;");
    EXPECT_EQ(menu[2].items.size(), 9u);
    EXPECT_EQ(menu[2].items[8].caption, "Custom...");
    EXPECT_FALSE(menu[2].items[8].enabled);
    EXPECT_TRUE(menu[2].items[0].radio);
    EXPECT_EQ(Checked(menu[4].items), "[2]: Percentage, Value;");
    EXPECT_EQ(menu[4].items[4].caption, "[5]: Total");
    ASSERT_NE(menu[10].picture, nullptr);
    ASSERT_NE(menu[11].picture, nullptr);
    EXPECT_EQ(menu[10].picture->Pixel(8, 3), 0xB35900u) << "Show Tully: a window";
    EXPECT_EQ(menu[11].picture->Pixel(7, 7), 0x0000C0u) << "Exit: a red cross";
    EXPECT_TRUE(Shown()) << "a right click only opens the menu";
}

TEST_F(MainReactionsTest, LettersWorkOnEveryButtonAndF5OnlyOnTheRefreshButton)
{
    for (TPushButton* button :
         {Form->RefreshButton, Form->HideButton, Form->CloseButton, Form->MemoryButton}) {
        SCOPED_TRACE(button->Caption());
        button->SetFocus();
        FreeUp(20000);
        Headless().PressKey(TKey::F5);
        EXPECT_EQ(Caption(), button == Form->RefreshButton ? "[Used, Free] = 50 %, 20000 MB;"
                                                           : "[Used, Free] = 75 %, 10000 MB;");
        FreeUp(10000);
        Headless().PressKey(TKey{'R'}, 'r');
        EXPECT_EQ(Caption(), "[Used, Free] = 75 %, 10000 MB;");
    }
    // Neither a digit outside 1..5 nor a space or any other letter does anything.
    const int components = Form->ComponentCount();
    for (char key : {'7', '0', ' ', 'x', 'D'})
        Headless().TypeChar(key);
    EXPECT_EQ(Form->Model(), 2);
    EXPECT_EQ(Form->ComponentCount(), components);
    EXPECT_TRUE(Shown());
}

TEST_F(MainReactionsTest, DigitsPickTheModelAndGSwitchesTheUnitBothWays)
{
    Headless().TypeChar('1');
    EXPECT_EQ(Form->Model(), 1);
    EXPECT_EQ(Caption(), "[Used, Free] = 75 %, 25 %;");
    EXPECT_TRUE(Form->ModelItems[0]->Checked());
    EXPECT_FALSE(Form->ModelItems[1]->Checked());
    Headless().TypeChar('5');
    EXPECT_TRUE(Form->ModelItems[4]->Checked());

    Headless().TypeChar('3');
    Headless().TypeChar('g');
    EXPECT_TRUE(Form->GigabytesItem->Checked());
    EXPECT_EQ(Form->SizeUnit(), "GB");
    EXPECT_EQ(Caption(), "[Used, Free] = 29.297 GB, 25 %;");
    Headless().TypeChar('G');
    EXPECT_FALSE(Form->GigabytesItem->Checked());
    EXPECT_EQ(Caption(), "[Used, Free] = 30000 MB, 25 %;");
}

TEST_F(MainReactionsTest, HotkeyHidesWithAFreshScanAndShowsAgain)
{
    EXPECT_TRUE(Form->WindowShown);
    FreeUp(20000);
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(Form->WindowShown);
    EXPECT_FALSE(Headless().AppWindowVisible()) << "no taskbar button while in the tray";
    EXPECT_EQ(Caption(), "[Used, Free] = 50 %, 20000 MB;") << "scanned on the way to the tray";
    // The shell gets the new tooltip when the pointer next moves over the icon.
    Platform.notifyArea->MovePointer();
    EXPECT_EQ(Platform.notifyArea->ShownIcon()->tip, "FS/TS ( MB): C: 20000/40000  ");

    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(Form->WindowShown);
    EXPECT_TRUE(Headless().AppWindowVisible());
    // Another hotkey id reaching the window does nothing.
    Headless().Hotkey(2, Form->Handle());
    EXPECT_TRUE(Shown());
}

TEST_F(MainReactionsTest, MinimizeKeyThenShowTullyLeavesTheHotkeyOneStepBehind)
{
    Headless().TypeChar('m');
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(Form->WindowShown);

    ChooseFromTrayMenu({"Show Tully"});
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(Form->WindowShown) << "Show Tully does not tell the hotkey";
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(Shown()) << "the show sequence again: nothing visible changes";
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown());
}

// A desktop whose host of status items refuses the icon (none runs): a hidden window could not
// come back, so each way of hiding only minimizes it, its taskbar button stays, and the hotkey
// restores it. A system tray takes the icon whenever its shell starts: there hiding hides.
TEST_F(MainWindowTest, WithoutAnIconEveryHideMinimizesAndTheHotkeyRestores)
{
    Fixed('C', 40000, 10000);
    Headless().SetOffers({true, TMenuDrawing::Program, TNotifyAreaKind::StatusItem});
    Platform.notifyArea->RefusesIcons = true;
    Start();
    const std::vector<std::pair<const char*, std::function<void()>>> hides{
        {"M", [] { Headless().TypeChar('m'); }},
        {"_", [this] { Form->HideButton->Click(); }},
        {"hotkey", [this] { PressHotkey(); }},
    };
    for (const auto& [name, hide] : hides) {
        SCOPED_TRACE(name);
        hide();
        EXPECT_TRUE(Headless().AppMinimized());
        EXPECT_TRUE(Form->Visible()) << "minimized, not hidden";
        EXPECT_TRUE(Headless().AppWindowVisible()) << "the taskbar button stays";
        ASSERT_TRUE(PressHotkey());
        EXPECT_TRUE(Shown());
        EXPECT_FALSE(Headless().AppMinimized());
    }
    Headless().SetOffers({true, TMenuDrawing::Program, TNotifyAreaKind::SystemTray});
    Headless().TypeChar('m');
    EXPECT_FALSE(Form->Visible()) << "a system tray's icon comes with its shell";
    EXPECT_FALSE(Headless().AppWindowVisible());
}

// Set to start minimized on a bare window manager (no application window, no icon): the
// window starts minimized instead of hidden out of reach.
TEST_F(MainWindowTest, WithoutAnIconAStartMinimizedStaysInReach)
{
    const std::string ini = "C:\\Program Files\\Spacewell\\OrvaneTully.ini";
    Platform.profiles->SetText(ini, "[OPTIONS]\r\nMinimized=1\r\n");
    Platform.paths->ExistingFiles.insert(ini);
    Fixed('C', 40000, 10000);
    Headless().SetOffers({false, TMenuDrawing::Program, TNotifyAreaKind::StatusItem});
    Platform.notifyArea->RefusesIcons = true;
    Start();
    EXPECT_TRUE(Headless().AppMinimized());
    EXPECT_TRUE(Form->Visible()) << "minimized, not hidden";
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(Shown());
}

// The desktop's panel took the icon and quit later: hiding now would lose the window.
TEST_F(MainWindowTest, APanelThatLeavesAfterTheStartMakesHidingMinimize)
{
    Fixed('C', 40000, 10000);
    Headless().SetOffers({true, TMenuDrawing::Program, TNotifyAreaKind::StatusItem});
    Start();
    Platform.notifyArea->RefusesIcons = true;
    Headless().TypeChar('m');
    EXPECT_TRUE(Headless().AppMinimized());
    EXPECT_TRUE(Form->Visible()) << "minimized, not hidden";
}

TEST_F(MainReactionsTest, TrayLeftClickTakesTheWindowAwayAndBringsItBack)
{
    ClickTray();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(Form->WindowShown);

    FreeUp(30000);
    ClickTray();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(Form->WindowShown);
    EXPECT_EQ(Caption(), "[Used, Free] = 25 %, 30000 MB;") << "back with fresh figures";
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown()) << "the hotkey agrees with the tray";

    ClickTray(sw::PointerButton::Middle);
    EXPECT_FALSE(Shown()) << "only the left button counts";
}

TEST_F(MainReactionsTest, AnOpenMemoryWindowGoesToTheTrayAndComesBackWithTheMainWindow)
{
    Form->MemoryButton->Click();
    ASSERT_EQ(Form->MemoryButton->Caption(), "<<");
    auto memoryShown = [&] { return Headless().IsShown(Form->MemoryPanel->Handle()); };
    ASSERT_TRUE(memoryShown());

    ClickTray();
    EXPECT_FALSE(Shown());
    EXPECT_FALSE(memoryShown());
    ClickTray();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(memoryShown());

    Headless().TypeChar('m');
    EXPECT_FALSE(memoryShown());
    ClickTray();
    EXPECT_TRUE(Shown());
    EXPECT_TRUE(memoryShown()) << "still open: the button says so";
}

TEST_F(MainReactionsTest, TransparencyAndModelFromTheMenu)
{
    ChooseFromTrayMenu({"Transparency", "50%"});
    EXPECT_EQ(Form->Transparency(), 50);
    EXPECT_TRUE(Form->AlphaBlend());
    EXPECT_EQ(Headless().Window(Form->Handle())->params.alpha, 128);
    EXPECT_EQ(Checked(Headless().LastMenu()[2].items), "30%;") << "the menu as it was opened";
    EXPECT_TRUE(Form->TransparencyItems[5]->Checked());
    EXPECT_FALSE(Form->TransparencyItems[3]->Checked());

    ChooseFromTrayMenu({"Transparency", "0%"});
    EXPECT_FALSE(Form->AlphaBlend());
    EXPECT_FALSE(Headless().Window(Form->Handle())->params.layered) << "opaque";
    ChooseFromTrayMenu({"Transparency", "70%"});
    EXPECT_TRUE(Headless().Window(Form->Handle())->params.layered);
    EXPECT_EQ(Headless().Window(Form->Handle())->params.alpha, 77);
    ChooseFromTrayMenu({"Transparency", "Custom..."});
    EXPECT_TRUE(Form->TransparencyItems[7]->Checked()) << "the disabled item cannot be chosen";

    ChooseFromTrayMenu({"Model", "[4]: Value, Value"});
    EXPECT_EQ(Form->Model(), 4);
    EXPECT_TRUE(Form->ModelItems[3]->Checked());
    EXPECT_FALSE(Form->ModelItems[1]->Checked());
    EXPECT_EQ(Caption(), "[Used, Free] = 30000 MB, 10000 MB;");
    // Every new row checks its model's item again, whatever the user did to the check.
    Form->ModelItems[0]->SetChecked(true);
    Headless().TypeChar('r');
    EXPECT_TRUE(Form->ModelItems[3]->Checked());
}

TEST_F(MainReactionsTest, AlwaysOnTopKeepsTheHotkeyAlive)
{
    ChooseFromTrayMenu({"Always On Top"});
    EXPECT_TRUE(Form->OnTopItem->Checked());
    EXPECT_EQ(Form->FormStyle(), TFormStyle::fsStayOnTop);
    EXPECT_TRUE(Headless().Window(Form->Handle())->params.topmost);
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown());
    ASSERT_TRUE(PressHotkey());
    EXPECT_TRUE(Shown());

    ChooseFromTrayMenu({"Always On Top"});
    EXPECT_EQ(Form->FormStyle(), TFormStyle::fsNormal);
    EXPECT_FALSE(Headless().Window(Form->Handle())->params.topmost);
    ASSERT_TRUE(PressHotkey());
    EXPECT_FALSE(Shown());
}

TEST_F(MainReactionsTest, QuitByKeyOrMenuSavesAndGivesTheHotkeyBack)
{
    const std::string ini = "C:\\Program Files\\Spacewell\\OrvaneTully.ini";
    Headless().TypeChar('q');
    EXPECT_TRUE(Application().Terminated());
    EXPECT_TRUE(Platform.profiles->Exists(ini));
    EXPECT_TRUE(Platform.hotkeys->Registrations().empty());
}

TEST_F(MainWindowTest, ExitFromTheMenuEndsTheProgram)
{
    Fixed('C', 1000, 500);
    Start();
    ChooseFromTrayMenu({"Exit"});
    EXPECT_TRUE(Application().Terminated());
}

TEST_F(MainWindowTest, ATakenHotkeyIsSilentAndTheRestWorks)
{
    Fixed('C', 1000, 500);
    ASSERT_TRUE(Platform.hotkeys->Register(0x9999, 7, ssAlt | ssCtrl, TKey{'D'}));
    Start();
    EXPECT_EQ(Headless().MessageCount(), 0);
    EXPECT_TRUE(Shown());
    Headless().TypeChar('m');
    EXPECT_FALSE(Shown());
}

}  // namespace
