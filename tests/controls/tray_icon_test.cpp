// The tray icon against a fake shell: what reaches the shell, when clicks are delivered, and
// what a desktop that tells clicks apart and draws the menu itself gets. Hiding and restoring
// the program is tests/app/tray_hiding_test.cpp.
#include <stdexcept>

#include "controls/tray_fixture.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

// The shell's layouts and versions are the Win32 backend's (tests/win32/tray_notify_area_test):

// on every shell the component shows its icon with one call.

TEST_F(TrayIconTest, ActivationShowsTheIconWithItsTipOnEveryShell)
{
    TBitmap image(2, 2);
    Application().Icon().SetImage(image, clNone);
    const sw::NotifyAreaFeatures oldShell{63, false, false, false};
    for (const sw::NotifyAreaFeatures& shell : {sw::NotifyAreaFeatures{}, oldShell}) {
        area->Calls.clear();
        area->ShellFeatures = shell;
        MakeTray();
        tray->SetHint("Spacewell|drives");
        tray->SetActive(false);
        area->Calls.clear();
        tray->SetActive(true);
        ASSERT_EQ(area->Calls.size(), 1u) << "one call, nothing before or after it";
        const sw::NotifyIconCall& show = area->Calls.front();
        EXPECT_EQ(show.kind, sw::NotifyCallKind::Show);
        EXPECT_EQ(show.window, area->LatestWindow());
        ASSERT_TRUE(show.change.image && show.change.tip);
        EXPECT_EQ(show.change.image->width, 2);
        EXPECT_EQ(*show.change.tip, "Spacewell");
        EXPECT_FALSE(show.change.balloon);
        tray.reset();
        EXPECT_EQ(area->ShownIcon(), nullptr) << "destruction removes the icon";
        EXPECT_EQ(area->Calls.back().kind, sw::NotifyCallKind::Remove);
    }
}

TEST_F(TrayIconTest, IconFallsBackToTheApplicationIcon)
{
    TBitmap image(2, 2);
    image.SetPixel(0, 1, clFuchsia);
    Application().Icon().SetImage(image, clFuchsia);
    MakeTray();
    const sw::FakeShownIcon* shown = area->ShownIcon();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->image.width, 2);
    EXPECT_EQ(shown->image.mask, (std::vector<std::uint8_t>{0, 0, 1, 0}));

    TBitmap own(3, 3);
    TIcon icon;
    icon.SetImage(own, clNone);
    tray->SetIcon(icon);
    EXPECT_EQ(area->ShownIcon()->image.width, 3) << "a new icon reaches the shell at once";
    EXPECT_TRUE(ImageOnly(area->Calls.back()));
}

TEST_F(TrayIconTest, IconIndexPicksFromTheListElseTheIconElseTheApplicationIcon)
{
    TImageList icons(nullptr);
    icons.SetWidth(4);
    icons.SetHeight(4);
    icons.Add(TBitmap(4, 4));
    icons.Add(TBitmap(4, 4));
    TBitmap own(3, 3);
    TIcon icon;
    icon.SetImage(own, clNone);
    TBitmap app(2, 2);
    Application().Icon().SetImage(app, clNone);
    MakeTray();
    struct Case {
        TImageList* list;
        int index;
        bool ownIcon;
        int shownWidth;
    };
    for (Case c : {Case{&icons, 1, true, 4}, Case{&icons, 2, true, 3}, Case{&icons, -1, false, 2},
                   Case{nullptr, 0, true, 3}, Case{nullptr, 0, false, 2}}) {
        tray->SetIcons(c.list);
        tray->SetIcon(c.ownIcon ? icon : TIcon());
        tray->SetIconIndex(c.index);
        EXPECT_EQ(area->ShownIcon()->image.width, c.shownWidth) << c.index;
    }
    tray->SetIcons(nullptr);
}

TEST_F(TrayIconTest, AnimationStepsThroughTheListWhileInTheTray)
{
    TImageList icons(nullptr);
    for (int i = 0; i < 3; ++i)
        icons.Add(TBitmap(16, 16));
    MakeTray();
    tray->SetIcons(&icons);
    std::vector<int> steps;
    tray->OnAnimate = [&](TObject*, int index) { steps.push_back(index); };
    tray->SetDelay(50);
    tray->SetAnimated(true);
    Headless().AdvanceTime(200);
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 0, 1}));
    tray->SetActive(false);
    Headless().AdvanceTime(200);
    EXPECT_EQ(steps.size(), 4u) << "no animation without the icon";
    tray->SetIcons(nullptr);
}

TEST_F(TrayIconTest, BalloonIsCutToTheShellsLimitsAndClosesOnItsTimer)
{
    MakeTray();
    int shown = 0;
    int hidden = 0;
    tray->OnBalloonShow = [&](TObject*) { ++shown; };
    tray->OnBalloonHide = [&](TObject*) { ++hidden; };
    tray->BalloonHint(std::string(80, 't'), std::string(300, 'b'), TBalloonType::btInfo, 3000);
    const sw::FakeShownIcon* icon = area->ShownIcon();
    EXPECT_EQ(icon->balloon.title.size(), 63u);
    EXPECT_EQ(icon->balloon.text.size(), 255u);
    EXPECT_EQ(icon->balloon.icon, sw::BalloonIcon::Info) << "the kind's icon, not its order";
    ASSERT_TRUE(area->Calls.back().change.balloon);
    EXPECT_EQ(area->Calls.back().change.balloon->timeoutMs, 3000u);
    EXPECT_EQ(shown, 1);
    Headless().AdvanceTime(3000);
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(area->ShownIcon()->balloon, sw::NotifyBalloon{}) << "an empty balloon closes it";
    EXPECT_FALSE(area->TimerRunning(2));

    area->ShellFeatures.balloons = false;
    const std::size_t calls = area->Calls.size();
    tray->BalloonHint("title", "text", TBalloonType::btWarning, 3000);
    EXPECT_EQ(area->Calls.size(), calls) << "a shell without balloons is not asked";
    EXPECT_EQ(shown, 1);
}

TEST_F(TrayIconTest, BalloonReportsFromTheShell)
{
    MakeTray();
    int hidden = 0;
    int clicked = 0;
    tray->OnBalloonHide = [&](TObject*) { ++hidden; };
    tray->OnBalloonClick = [&](TObject*) { ++clicked; };
    tray->BalloonHint("title", "text", TBalloonType::btError, 3000);
    EXPECT_EQ(area->ShownIcon()->balloon.icon, sw::BalloonIcon::Error);
    area->Balloon(sw::BalloonEvent::Shown);
    EXPECT_EQ(hidden + clicked, 0) << "the shell showing it changes nothing";
    area->Balloon(sw::BalloonEvent::Clicked);
    EXPECT_EQ(clicked, 1);
    EXPECT_FALSE(area->TimerRunning(2)) << "a clicked balloon needs no timer";
    EXPECT_EQ(hidden, 0);
    for (sw::BalloonEvent end : {sw::BalloonEvent::Hidden, sw::BalloonEvent::TimedOut}) {
        tray->BalloonHint("title", "text", TBalloonType::btInfo, 3000);
        area->Balloon(end);
        EXPECT_FALSE(area->TimerRunning(2));
        EXPECT_TRUE(area->ShownIcon()->balloon.text.empty());
    }
    EXPECT_EQ(hidden, 2);
}

TEST_F(TrayIconTest, SingleClickArrivesOneDoubleClickTimeAfterTheButtonUp)
{
    area->DoubleClickMs = 430;
    MakeTray(TrayVisibilities({tvVisibleTaskBar}));
    RecordClicks();
    area->Pointer = {5, 6};
    area->Button(sw::ButtonAction::Down, sw::PointerButton::Left);
    Headless().AdvanceTime(100);
    area->Pointer = {700, 1010, true, false, false};
    area->Button(sw::ButtonAction::Up, sw::PointerButton::Left);
    area->Pointer = {1, 1};
    Headless().AdvanceTime(429);
    EXPECT_TRUE(clicks.empty());
    Headless().AdvanceTime(1);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].button, TMouseButton::mbLeft);
    EXPECT_EQ(clicks[0].shift, ssShift);
    EXPECT_EQ(clicks[0].x, 700);
    EXPECT_EQ(clicks[0].y, 1010);
    EXPECT_FALSE(area->TimerRunning(3)) << "the click timer fires once";
    Headless().AdvanceTime(5000);
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(TrayIconTest, DoubleClickDeliversNoClick)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar}));
    RecordClicks();
    int doubleClicks = 0;
    tray->OnDblClick = [&](TObject*, TMouseButton b, TShiftState, int, int) {
        EXPECT_EQ(b, TMouseButton::mbLeft);
        ++doubleClicks;
    };
    area->DoubleClick(sw::PointerButton::Left);
    Headless().AdvanceTime(2000);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(TrayIconTest, WithoutOnClickOrClickOptionsNoClickIsScheduled)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar, tvAutoHide}));
    for (sw::PointerButton button :
         {sw::PointerButton::Left, sw::PointerButton::Right, sw::PointerButton::Middle}) {
        area->Click(button);
        EXPECT_FALSE(area->TimerRunning(3)) << static_cast<int>(button);
    }
    tray->SetVisibility(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    area->Click(sw::PointerButton::Right);
    EXPECT_FALSE(area->TimerRunning(3)) << "click options count for the left button only";
    area->Click(sw::PointerButton::Left);
    EXPECT_TRUE(area->TimerRunning(3));
}

TEST_F(TrayIconTest, OldShellOpensTheContextMenuOnTheRightButtonUp)
{
    area->ShellFeatures.menuRequests = false;
    TPopupMenu menu(nullptr);
    menu.Items()->Add(new TMenuItem(nullptr));
    MakeTray();
    tray->SetPopupMenu(&menu);
    bool asked = false;
    tray->OnContextPopup = [&](TObject*, TPoint, bool& handled) {
        asked = true;
        handled = false;
    };
    area->Click(sw::PointerButton::Right);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Headless().MenuCount(), 1);
    tray->OnContextPopup = [](TObject*, TPoint, bool& handled) { handled = true; };
    area->Click(sw::PointerButton::Right);
    EXPECT_EQ(Headless().MenuCount(), 1) << "a handled context popup opens no menu";
    tray->SetPopupMenu(nullptr);
}

TEST_F(TrayIconTest, HintReachesTheShellAtTheNextMove)
{
    MakeTray();
    tray->SetHint("Free space|long help");
    EXPECT_EQ(ShownTip(), "") << "setting the hint sends nothing";
    std::vector<std::string> moves;
    tray->OnMouseMove = [&](TObject*, TShiftState, int, int) { moves.push_back(ShownTip()); };
    area->MovePointer();
    EXPECT_EQ(ShownTip(), "Free space");
    EXPECT_EQ(moves, std::vector<std::string>{"Free space"}) << "the tip is sent before the event";
    EXPECT_TRUE(TipOnly(area->Calls.back()));

    const std::size_t calls = area->Calls.size();
    tray->SetHint("Free space|long help");
    area->MovePointer();
    EXPECT_EQ(area->Calls.size(), calls) << "the same hint marks nothing";
}

// A status item's host never reports moves: a tip kept for the next move would never arrive.
TEST_F(TrayIconTest, HintReachesAShellWithoutMovesAtOnce)
{
    area->ShellFeatures.pointerMoves = false;
    MakeTray();
    tray->SetHint("Free space|long help");
    EXPECT_EQ(ShownTip(), "Free space");
    EXPECT_TRUE(TipOnly(area->Calls.back()));
    const std::size_t calls = area->Calls.size();
    area->MovePointer();
    EXPECT_EQ(area->Calls.size(), calls) << "a tip sent is not sent again";
}

TEST_F(TrayIconTest, TipIsCutToTheShellsLimit)
{
    const std::string longHint(200, 'x');
    for (std::size_t limit : {127u, 63u}) {
        area->ShellFeatures.tipLength = limit;
        MakeTray();
        tray->SetHint(longHint);
        area->MovePointer();
        EXPECT_EQ(ShownTip(), std::string(limit, 'x'));
        EXPECT_EQ(tray->Hint(), longHint) << "the property keeps the whole text";

        // The same limit when the tip goes out with the icon itself.
        tray->SetActive(false);
        tray->SetActive(true);
        EXPECT_EQ(ShownTip(), std::string(limit, 'x'));
    }
}

TEST_F(TrayIconTest, OldShellJoinsLinesWithAHyphen)
{
    for (bool multiLine : {false, true}) {
        area->ShellFeatures.multiLineTips = multiLine;
        MakeTray();
        tray->SetHint("C: 10 MB\r\nD: 20 MB\n");
        area->MovePointer();
        EXPECT_EQ(ShownTip(), multiLine ? "C: 10 MB\r\nD: 20 MB\n" : "C: 10 MB - D: 20 MB\n");
    }
}

TEST_F(TrayIconTest, TaskbarRestartBringsBackTheIconWithTheTipLastSent)
{
    TBitmap image(4, 4);
    TIcon icon;
    icon.SetImage(image, clNone);
    MakeTray();
    tray->SetIcon(icon);
    tray->SetHint("first");
    area->MovePointer();
    tray->SetHint("second");

    area->RestartShell();
    ASSERT_NE(area->ShownIcon(), nullptr);
    EXPECT_EQ(ShownTip(), "first");
    EXPECT_EQ(area->ShownIcon()->image.width, 4);
    ASSERT_GE(area->Calls.size(), 2u);
    EXPECT_EQ(area->Calls.back().kind, sw::NotifyCallKind::Show) << "shown anew, not changed";
    EXPECT_EQ(area->Calls[area->Calls.size() - 2].kind, sw::NotifyCallKind::Remove);
    area->MovePointer();
    EXPECT_EQ(ShownTip(), "second");
}

TEST_F(TrayIconTest, SessionEndRemovesTheIconAndACancelledEndAddsItBack)
{
    MakeTray();
    EXPECT_EQ(area->QueryEndSession(), true);
    area->EndSession(true);
    EXPECT_EQ(area->ShownIcon(), nullptr);
    area->EndSession(false);
    EXPECT_NE(area->ShownIcon(), nullptr);
    tray->SetActive(false);
    area->EndSession(false);
    EXPECT_EQ(area->ShownIcon(), nullptr) << "a cancelled end adds only an active icon";
}

TEST_F(TrayIconTest, TaskListVisibilityFollowsTheOption)
{
    MakeTray(kFormVisibility | TrayVisibilities({tvVisibleTaskBar}));
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar}));
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvAutoHide}));
    tray->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvAutoHide, tvVisibleTaskList}));
    EXPECT_EQ(area->TaskListRequests, (std::vector<bool>{false, true}));
}

TEST_F(TrayIconTest, FailingHandlerReachesTheErrorBox)
{
    MakeTray();
    tray->OnMouseMove = [](TObject*, TShiftState, int, int) { throw std::runtime_error("boom"); };
    area->MovePointer();
    EXPECT_EQ(Headless().MessageCount(), 1);
    EXPECT_EQ(Headless().LastMessageText(), "boom.");
}

TEST_F(TrayIconTest, FreedMenuIsForgotten)
{
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    MakeTray();
    tray->SetPopupMenu(menu.get());
    tray->SetDropDownMenu(menu.get());
    menu.reset();
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_EQ(tray->DropDownMenu(), nullptr);
    area->Click(sw::PointerButton::Right);
    EXPECT_EQ(Headless().MenuCount(), 0);
}

TEST_F(TrayIconTest, MouseDownAndUpAreReportedWhetherOrNotAClickFollows)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar}));
    std::vector<std::string> events;
    auto record = [&](const char* kind) {
        return [&events, kind](TObject*, TMouseButton b, TShiftState s, int x, int y) {
            events.push_back(std::string(kind) + " " + std::to_string(static_cast<int>(b)) + " " +
                             std::to_string(s) + " " + std::to_string(x) + "," + std::to_string(y));
        };
    };
    tray->OnMouseDown = record("down");
    tray->OnMouseUp = record("up");
    area->Pointer = {7, 8, false, true, false};
    area->Button(sw::ButtonAction::Down, sw::PointerButton::Middle);
    area->Button(sw::ButtonAction::Up, sw::PointerButton::Middle);
    const std::string middle = std::to_string(static_cast<int>(TMouseButton::mbMiddle));
    const std::string ctrl = std::to_string(ssCtrl);
    EXPECT_EQ(events, (std::vector<std::string>{"down " + middle + " " + ctrl + " 7,8",
                                                "up " + middle + " " + ctrl + " 7,8"}));
    EXPECT_FALSE(area->TimerRunning(3));
}

TEST_F(TrayIconTest, KeyboardSelectionOpensTheContextMenu)
{
    TPopupMenu menu(nullptr);
    menu.Items()->Add(new TMenuItem(nullptr));
    MakeTray();
    tray->SetPopupMenu(&menu);
    area->RequestMenu(sw::MenuRequest::KeySelect);
    EXPECT_EQ(Headless().MenuCount(), 1);
    tray->SetPopupMenu(nullptr);
}

TEST_F(TrayIconTest, FreedImageListGivesWayToTheFallbackIcon)
{
    TBitmap app(2, 2);
    Application().Icon().SetImage(app, clNone);
    auto icons = std::make_unique<TImageList>(nullptr);
    icons->Add(TBitmap(16, 16));
    MakeTray();
    tray->SetIcons(icons.get());
    EXPECT_EQ(area->ShownIcon()->image.width, 16);
    icons.reset();
    EXPECT_EQ(tray->Icons(), nullptr);
    EXPECT_EQ(area->ShownIcon()->image.width, 2);
    EXPECT_TRUE(ImageOnly(area->Calls.back()));
}

TEST_F(TrayIconTest, DestructionCancelsAPendingClickAndLeavesTheTaskList)
{
    MakeTray(TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList}));
    RecordClicks();
    area->Click(sw::PointerButton::Left);
    tray.reset();
    Headless().AdvanceTime(1000);
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(area->ShownIcon(), nullptr);
    EXPECT_EQ(area->TaskListRequests, std::vector<bool>{false})
        << "a tray icon freed while the program goes on takes it out of the task list";
}

TEST_F(TrayIconTest, ProgramEndLeavesTheTaskListAlone)
{
    auto* owned = new TTrayIcon(mainForm, area);
    owned->SetVisibility(TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList}));
    owned->SetActive(true);
    Application().Terminate();
    Application().Run();
    EXPECT_EQ(area->ShownIcon(), nullptr);
    EXPECT_TRUE(area->TaskListRequests.empty());
}

// A desktop that tells clicks apart and draws the menu itself: an activation is a left click at
// once, a menu asked at a point pops up there, and the drawn menu is described afresh each time
// it opens, hidden items left out, and chosen by the id it was given.
TEST_F(TrayIconTest, DesktopThatTellsClicksApartAndDrawsTheMenuFromADescription)
{
    area->ShellFeatures.desktopMenus = true;
    TPopupMenu menu(nullptr);
    auto* unit = new TMenuItem(nullptr);
    unit->SetCaption("GB");
    unit->SetAutoCheck(true);
    auto* hidden = new TMenuItem(nullptr);
    hidden->SetVisible(false);
    auto* model = new TMenuItem(nullptr);
    auto* first = new TMenuItem(nullptr);
    auto* second = new TMenuItem(nullptr);
    for (TMenuItem* radio : {first, second}) {
        radio->SetRadioItem(true);
        radio->SetAutoCheck(true);
        radio->SetGroupIndex(1);
        model->Add(radio);
    }
    second->SetChecked(true);
    auto* custom = new TMenuItem(nullptr);
    custom->SetEnabled(false);
    for (TMenuItem* item : {unit, hidden, model, custom})
        menu.Items()->Add(item);
    int popups = 0;
    menu.OnPopup = [&](TObject*) { ++popups; };
    MakeTray();
    tray->SetPopupMenu(&menu);
    RecordClicks();

    area->Activate(30, 40);
    ASSERT_EQ(clicks.size(), 1u) << "no wait for a double click";
    EXPECT_EQ(clicks[0].button, TMouseButton::mbLeft);
    EXPECT_EQ(clicks[0].x, 30);
    EXPECT_EQ(clicks[0].y, 40);
    area->AskMenuAt(5, 6);
    EXPECT_EQ(Headless().MenuCount(), 1);
    EXPECT_EQ(Headless().LastMenuPoint(), (TPoint{5, 6}));

    const sw::NotifyMenu shown = area->OpenDesktopMenu();
    EXPECT_EQ(popups, 2);
    ASSERT_EQ(shown.size(), 3u) << "the hidden item is left out";
    EXPECT_EQ(shown[0].caption, "GB");
    EXPECT_EQ(shown[0].toggle, sw::NotifyMenuToggle::Check);
    EXPECT_FALSE(shown[0].checked);
    ASSERT_EQ(shown[1].items.size(), 2u);
    EXPECT_EQ(shown[1].items[1].toggle, sw::NotifyMenuToggle::Radio);
    EXPECT_TRUE(shown[1].items[1].checked);
    EXPECT_EQ(shown[1].items[1].group, 1);
    EXPECT_FALSE(shown[2].enabled);
    EXPECT_EQ(shown[2].toggle, sw::NotifyMenuToggle::None);
    area->ChooseMenuItem(shown[0].id);
    area->ChooseMenuItem(shown[1].items[0].id);
    EXPECT_TRUE(unit->Checked());
    EXPECT_TRUE(first->Checked());
    EXPECT_FALSE(second->Checked());
    EXPECT_TRUE(area->OpenDesktopMenu()[0].checked) << "described afresh";
    EXPECT_EQ(Headless().MenuCount(), 1) << "the desktop drew the menu";
    tray->SetPopupMenu(nullptr);
}

}  // namespace
