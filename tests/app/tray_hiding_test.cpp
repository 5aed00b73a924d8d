// Hiding the program to the tray and restoring it, as the tray icon's clicks, options and
// load ask it of the application: the taskbar window, the minimized state and the main form.
#include "app/tray_hiding.h"
#include "controls/tray_fixture.h"
#include "ui/menus.h"

namespace {

class TrayHidingTest : public TrayIconTest {
protected:
    TrayHidingTest() { program = &hiding; }

    TTrayHiding hiding;
};

TEST_F(TrayHidingTest, DoubleClickWithoutHandlerClicksTheDefaultItemAndRestores)
{
    TPopupMenu menu(nullptr);
    auto* plain = new TMenuItem(nullptr);
    auto* preferred = new TMenuItem(nullptr);
    preferred->SetDefault(true);
    menu.Items()->Add(plain);
    menu.Items()->Add(preferred);
    int plainClicks = 0;
    int preferredClicks = 0;
    plain->OnClick = [&](TObject*) { ++plainClicks; };
    preferred->OnClick = [&](TObject*) { ++preferredClicks; };
    MakeTray(TrayVisibilities({tvVisibleTaskBar, tvRestoreDbClick}));
    tray->SetPopupMenu(&menu);
    tray->HideToTray();
    ASSERT_FALSE(tray->AppIsShown());
    area->DoubleClick(sw::PointerButton::Left);
    EXPECT_EQ(preferredClicks, 1);
    EXPECT_EQ(plainClicks, 0);
    EXPECT_TRUE(tray->AppIsShown());
    tray->SetPopupMenu(nullptr);
}

TEST_F(TrayHidingTest, RightClickWithOnClickAlsoDeliversADelayedClick)
{
    TPopupMenu menu(nullptr);
    menu.Items()->Add(new TMenuItem(nullptr));
    MakeTray();
    tray->SetPopupMenu(&menu);
    RecordClicks();
    area->Pointer = {300, 400};
    area->Click(sw::PointerButton::Right);
    EXPECT_EQ(Headless().MenuCount(), 1) << "the shell's context-menu notification opens it";
    EXPECT_EQ(Headless().LastMenuPoint(), (TPoint{300, 400}));
    ASSERT_EQ(area->ForegroundRequests.size(), 1u);
    EXPECT_EQ(area->ClosedMenus, area->ForegroundRequests) << "the menu's close is reported";
    Headless().AdvanceTime(500);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].button, TMouseButton::mbRight);
    EXPECT_TRUE(tray->AppIsShown()) << "a right click performs no click action";
    tray->SetPopupMenu(nullptr);
}

TEST_F(TrayHidingTest, LeftClickHidesAShownApplicationAndRestoresAHiddenOne)
{
    MakeTray(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    tray->SetSnap(true);
    area->Click(sw::PointerButton::Left);
    Headless().AdvanceTime(500);
    EXPECT_FALSE(mainForm->Visible());
    EXPECT_TRUE(Headless().AppMinimized());
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_FALSE(InVisibilities(tray->Visibility(), tvVisibleTaskBar));

    area->Click(sw::PointerButton::Left);
    Headless().AdvanceTime(500);
    EXPECT_TRUE(mainForm->Visible());
    EXPECT_FALSE(Headless().AppMinimized());
    EXPECT_TRUE(Headless().AppWindowVisible());
    EXPECT_TRUE(InVisibilities(tray->Visibility(), tvVisibleTaskBar));
}

TEST_F(TrayHidingTest, VisibilityWhileInactiveIsOnlyStored)
{
    MakeTray(kFormVisibility, false);
    tray->SetVisibility(TrayVisibilities({tvAutoHideIcon}));
    EXPECT_EQ(tray->Visibility(), TrayVisibilities({tvAutoHideIcon}));
    EXPECT_TRUE(area->Calls.empty());
    EXPECT_TRUE(area->TaskListRequests.empty());
    EXPECT_TRUE(mainForm->Visible());
    EXPECT_TRUE(Headless().AppWindowVisible());
    EXPECT_FALSE(Headless().AppMinimized());
}

TEST_F(TrayHidingTest, HideToTrayOfAMinimizedApplicationSkipsTheSnapStep)
{
    MakeTray(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    tray->SetSnap(true);
    Application().Minimize();
    tray->HideToTray();
    EXPECT_TRUE(mainForm->Visible()) << "the main form keeps its visibility";
    EXPECT_TRUE(Application().ShowMainForm());
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_FALSE(InVisibilities(tray->Visibility(), tvVisibleTaskBar));
}

TEST_F(TrayHidingTest, AutoHideIconShowsTheIconOnlyWhileHidden)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar, tvAutoHideIcon}));
    EXPECT_EQ(area->ShownIcon(), nullptr) << "a shown application has no icon";
    tray->HideToTray();
    EXPECT_NE(area->ShownIcon(), nullptr);
    tray->RestoreFromTray();
    EXPECT_EQ(area->ShownIcon(), nullptr);

    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar}));
    EXPECT_NE(area->ShownIcon(), nullptr) << "removing the option adds the icon";
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvAutoHideIcon}));
    EXPECT_EQ(area->ShownIcon(), nullptr);
}

TEST_F(TrayHidingTest, LoadingWithoutTaskBarHidesUntilTheFormAddsIt)
{
    tray = std::make_unique<TTrayIcon>(nullptr, area);
    tray->SetProgram(program);
    tray->BeginLoading();
    tray->SetActive(true);
    tray->SetVisibility(kFormVisibility);
    EXPECT_FALSE(tray->Active());
    tray->EndLoading();
    EXPECT_TRUE(tray->Active());
    EXPECT_NE(area->ShownIcon(), nullptr);
    EXPECT_FALSE(Application().ShowMainForm());
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_FALSE(tray->AppIsShown()) << "hidden without being minimized";
    EXPECT_FALSE(tray->AppIsMinimized());

    tray->SetVisibility(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    EXPECT_TRUE(Application().ShowMainForm());
    EXPECT_TRUE(Headless().AppWindowVisible());
    EXPECT_TRUE(tray->AppIsShown());
}

TEST_F(TrayHidingTest, MinimizeCommandOnTheApplicationWindowHidesToTray)
{
    MakeTray(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    Application().Perform(TSysCommand::Restore);
    EXPECT_TRUE(Headless().AppWindowVisible());
    const TSysCommand minimize = TSysCommand::Minimize;
    Application().Perform(minimize);
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_TRUE(Headless().AppMinimized());

    tray->RestoreFromTray();
    tray->SetActive(false);
    Application().Perform(minimize);
    EXPECT_TRUE(Headless().AppWindowVisible()) << "the hook goes with the icon";
}

TEST_F(TrayHidingTest, LeftClickActionIsJudgedAfterOnClickAndOpensTheDropDownMenu)
{
    TPopupMenu menu(nullptr);
    menu.Items()->Add(new TMenuItem(nullptr));
    MakeTray(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    tray->SetDropDownMenu(&menu);
    // The handler hides the application itself; the click action then sees it hidden.
    tray->OnClick = [this](TObject*, TMouseButton, TShiftState, int, int) { tray->HideToTray(); };
    area->Pointer = {40, 50};
    area->Click(sw::PointerButton::Left);
    Headless().AdvanceTime(500);
    EXPECT_TRUE(tray->AppIsShown()) << "hidden by OnClick, restored by the click action";
    EXPECT_EQ(Headless().MenuCount(), 1);
    EXPECT_EQ(Headless().LastMenuPoint(), (TPoint{40, 50}));
    EXPECT_EQ(area->ForegroundRequests.size(), 1u);
    EXPECT_EQ(area->ClosedMenus.size(), 1u);
    tray->SetDropDownMenu(nullptr);
}

TEST_F(TrayHidingTest, DoubleClickHidesAShownApplicationWithMinimizeDbClick)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar, tvMinimizeDbClick}));
    area->DoubleClick(sw::PointerButton::Left);
    EXPECT_FALSE(tray->AppIsShown());
    EXPECT_FALSE(Headless().AppWindowVisible());
    area->DoubleClick(sw::PointerButton::Right);
    EXPECT_FALSE(tray->AppIsShown()) << "only the left button acts";
}

TEST_F(TrayHidingTest, VisibilityChangesMoveTheApplication)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar}));
    tray->SetVisibility(TrayVisibilities({}));
    EXPECT_FALSE(tray->AppIsShown()) << "taking away the taskbar option hides to the tray";
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar}));
    EXPECT_TRUE(tray->AppIsShown());

    // Auto-hide added while not shown hides again (the taskbar option goes with it).
    Application().Minimize();
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvAutoHide}));
    EXPECT_FALSE(Headless().AppWindowVisible());
    EXPECT_FALSE(InVisibilities(tray->Visibility(), tvVisibleTaskBar));
}

TEST_F(TrayHidingTest, LoadingWithoutTaskListHidesFromTheTaskList)
{
    tray = std::make_unique<TTrayIcon>(nullptr, area);
    tray->SetProgram(program);
    tray->BeginLoading();
    tray->SetActive(true);
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar}));
    tray->EndLoading();
    EXPECT_EQ(area->TaskListRequests, std::vector<bool>{false});
    EXPECT_TRUE(Headless().AppWindowVisible());
}

}  // namespace
