// The tray icon's rules: what is sent to the shell when, how the shell's notifications become
// events, and how the application is hidden to the tray and restored.
#include "controls/tray_icon.h"

#include <exception>
#include <utility>

#include "gfx/color.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/hint_text.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

constexpr unsigned kAnimationTimer = 1;
constexpr unsigned kBalloonTimer = 2;
constexpr unsigned kClickTimer = 3;

constexpr TTrayVisibilities kDefaultVisibility =
    TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList, tvAutoHide});

// The icon's pixels with its see-through colour turned into the shell's mask.
TShiftState ShiftOf(const sw::TrayPointerState& pointer)
{
    TShiftState shift = 0;
    if (pointer.shift)
        shift |= ssShift;
    if (pointer.ctrl)
        shift |= ssCtrl;
    if (pointer.alt)
        shift |= ssAlt;
    if (pointer.left)
        shift |= ssLeft;
    if (pointer.right)
        shift |= ssRight;
    if (pointer.middle)
        shift |= ssMiddle;
    return shift;
}

std::string ReplaceLineBreaks(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += " - ";
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

sw::BalloonIcon IconOf(TBalloonType kind)
{
    switch (kind) {
    case TBalloonType::btInfo:
        return sw::BalloonIcon::Info;
    case TBalloonType::btWarning:
        return sw::BalloonIcon::Warning;
    case TBalloonType::btError:
        return sw::BalloonIcon::Error;
    case TBalloonType::btNone:
        break;
    }
    return sw::BalloonIcon::None;
}

TMouseButton ButtonOf(sw::PointerButton button)
{
    switch (button) {
    case sw::PointerButton::Right:
        return TMouseButton::mbRight;
    case sw::PointerButton::Middle:
        return TMouseButton::mbMiddle;
    case sw::PointerButton::Left:
        break;
    }
    return TMouseButton::mbLeft;
}

}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner, std::shared_ptr<sw::INotifyArea> area)
    : TComponent(owner), FArea(area ? std::move(area) : sw::DefaultNotifyArea())
{
    FIcon.OnChange = [this](TObject*) { RefreshCurrentIcon(); };
    FWindow = FArea->CreateTrayWindow(*this);
    FVisibility = kDefaultVisibility;
}

TTrayIcon::~TTrayIcon()
{
    FWindow->KillTimer(kClickTimer);
    FWindow->KillTimer(kBalloonTimer);
    ChangeActive(false);
    if (!Application().Destroying())
        SetTaskListVisible(false);
    FIcon.OnChange = nullptr;
    FWindow.reset();
}

std::string TTrayIcon::ShortHint() const { return ::ShortHint(FHint).substr(0, Shell().tipLength); }

void TTrayIcon::Loaded()
{
    TComponent::Loaded();
    RefreshCurrentIcon();
    if (!FActiveAfterLoad)
        return;
    SetActive(true);
    if (!Visible(tvVisibleTaskBar)) {
        Application().SetShowMainForm(false);
        Application().HideApplicationWindow();
        Include(AppHiddenUnminimized);
    }
    if (!Visible(tvVisibleTaskList))
        SetTaskListVisible(false);
}

void TTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == FPopupMenu)
        FPopupMenu = nullptr;
    if (component == FDropDownMenu)
        FDropDownMenu = nullptr;
    if (component == FIcons)
        SetIcons(nullptr);
}

void TTrayIcon::SetActive(bool value)
{
    if (Loading()) {
        FActiveAfterLoad = value;
        return;
    }
    if (value != FActive)
        ChangeActive(value);
}

void TTrayIcon::ChangeActive(bool value)
{
    FActive = value;
    if (value) {
        PrepareIcon();
        if (!Has(AppHookInstalled)) {
            FHookId =
                Application().HookMainWindow([this](TSysCommand c) { return AppWindowHook(c); });
            Include(AppHookInstalled);
        }
        AddIcon();
    } else {
        StopAnimation();
        if (Has(AppHookInstalled)) {
            Application().UnhookMainWindow(FHookId);
            Exclude(AppHookInstalled);
        }
        RemoveIcon();
    }
}

void TTrayIcon::PrepareIcon()
{
    if (FShownIcon.Empty())
        UseIcon(Application().Icon());
    else
        FImage = IconImageOf(FShownIcon.Image(), FShownIcon.TransparentColor());
    FTip = ShortHint();
}

void TTrayIcon::AddIcon()
{
    if (Has(IconInTray) || !FActive || (Visible(tvAutoHideIcon) && AppIsShown()))
        return;
    Include(IconInTray);
    FWindow->ShowIcon(FImage, FTip);
    if (FAnimated)
        StartAnimation();
}

void TTrayIcon::RemoveIcon()
{
    if (!Has(IconInTray))
        return;
    Exclude(IconInTray);
    StopAnimation();
    FWindow->RemoveIcon();
}

void TTrayIcon::ChangeShownIcon(const sw::NotifyIconChange& change)
{
    if (Has(IconInTray))
        FWindow->ChangeIcon(change);
}

void TTrayIcon::RefreshCurrentIcon()
{
    if (Loading())
        return;
    TIcon indexed;
    if (FIcons && FIcons->GetIcon(FIconIndex, indexed))
        UseIcon(indexed);
    else if (!FIcon.Empty())
        UseIcon(FIcon);
    else
        UseIcon(Application().Icon());
}

void TTrayIcon::UseIcon(const TIcon& source)
{
    FShownIcon.Assign(source);
    FImage = IconImageOf(FShownIcon.Image(), FShownIcon.TransparentColor());
    sw::NotifyIconChange change;
    change.image = FImage;
    ChangeShownIcon(change);
}

void TTrayIcon::SetIconIndex(int value)
{
    if (value == FIconIndex)
        return;
    FIconIndex = value;
    RefreshCurrentIcon();
}

void TTrayIcon::SetIcons(TImageList* value)
{
    if (value == FIcons)
        return;
    Watch(FIcons, value);
    FIcons = value;
    RefreshCurrentIcon();
}

void TTrayIcon::SetDropDownMenu(TPopupMenu* value)
{
    if (value == FDropDownMenu)
        return;
    Watch(FDropDownMenu, value);
    FDropDownMenu = value;
}

void TTrayIcon::SetPopupMenu(TPopupMenu* value)
{
    if (value == FPopupMenu)
        return;
    Watch(FPopupMenu, value);
    FPopupMenu = value;
}

// Asks to hear when `next` is freed and stops listening to `previous` unless another property
// still refers to it.
void TTrayIcon::Watch(TComponent* previous, TComponent* next)
{
    FreeNotification(next);
    const int uses = (previous == FIcons) + (previous == FPopupMenu) + (previous == FDropDownMenu);
    if (uses == 1)
        RemoveFreeNotification(previous);
}

void TTrayIcon::SetHint(const std::string& value)
{
    const std::string text = Shell().multiLineTips ? value : ReplaceLineBreaks(value);
    if (text == FHint)
        return;
    FHint = text;
    Include(TipStale);
}

void TTrayIcon::SetAnimated(bool value)
{
    FAnimated = value;
    if (value && Has(IconInTray))
        StartAnimation();
    else
        StopAnimation();
}

void TTrayIcon::SetDelay(unsigned value)
{
    FDelay = value;
    if (Has(AnimationRunning)) {
        StopAnimation();
        StartAnimation();
    }
}

void TTrayIcon::StartAnimation()
{
    Include(AnimationRunning);
    FWindow->SetTimer(kAnimationTimer, FDelay);
}

void TTrayIcon::StopAnimation()
{
    if (!Has(AnimationRunning))
        return;
    Exclude(AnimationRunning);
    FWindow->KillTimer(kAnimationTimer);
}

void TTrayIcon::AnimationStep()
{
    int next = FIconIndex + 1;
    if (next < 0 || !FIcons || next >= FIcons->Count())
        next = 0;
    SetIconIndex(next);
    if (OnAnimate)
        OnAnimate(this, FIconIndex);
}

void TTrayIcon::BalloonHint(const std::string& title, const std::string& text, TBalloonType kind,
                            unsigned timeoutMs)
{
    if (!Shell().balloons || !Has(IconInTray))
        return;
    sw::NotifyIconChange change;
    change.balloon =
        sw::NotifyBalloon{title.substr(0, 63), text.substr(0, 255), IconOf(kind), timeoutMs};
    FWindow->ChangeIcon(change);
    FWindow->SetTimer(kBalloonTimer, timeoutMs);
    if (OnBalloonShow)
        OnBalloonShow(this);
}

void TTrayIcon::HideBalloon()
{
    FWindow->KillTimer(kBalloonTimer);
    // An empty balloon closes the one shown.
    sw::NotifyIconChange change;
    change.balloon = sw::NotifyBalloon{};
    ChangeShownIcon(change);
    if (OnBalloonHide)
        OnBalloonHide(this);
}

bool TTrayIcon::AppIsMinimized() const { return Application().IsApplicationWindowIconic(); }

bool TTrayIcon::AppIsShown() const { return !Has(AppHiddenUnminimized) && !AppIsMinimized(); }

void TTrayIcon::HideToTray()
{
    if (AppIsShown()) {
        if (FSnap) {
            if (TForm* mainForm = Application().MainForm())
                mainForm->SetVisible(false);
            Application().SetShowMainForm(false);
        }
        Application().Minimize();
    }
    Application().HideApplicationWindow();
    FVisibility &= static_cast<TTrayVisibilities>(~TrayVisibilities({tvVisibleTaskBar}));
    if (Visible(tvAutoHideIcon))
        AddIcon();
}

void TTrayIcon::RestoreFromTray()
{
    if (Has(AppHiddenUnminimized)) {
        Exclude(AppHiddenUnminimized);
        Application().Minimize();
        Application().SetShowMainForm(true);
    }
    FVisibility |= TrayVisibilities({tvVisibleTaskBar});
    Application().ShowApplicationWindow();
    Application().Restore();
    if (TForm* mainForm = Application().MainForm())
        mainForm->SetVisible(true);
    if (Visible(tvAutoHideIcon))
        RemoveIcon();
}

// Sees the application window's messages; never claims one, so the minimize still happens.
bool TTrayIcon::AppWindowHook(TSysCommand command)
{
    if (command == TSysCommand::Minimize && Visible(tvAutoHide) && FActive)
        HideToTray();
    return false;
}

void TTrayIcon::SetVisibility(TTrayVisibilities value)
{
    if (value == FVisibility)
        return;
    const TTrayVisibilities added = value & ~FVisibility;
    const TTrayVisibilities removed = FVisibility & ~value;
    FVisibility = value;
    if (!FActive)
        return;
    SetTaskListVisible(Visible(tvVisibleTaskList));
    if (InVisibilities(added, tvAutoHide) && !AppIsShown())
        HideToTray();
    if (InVisibilities(added, tvVisibleTaskBar))
        RestoreFromTray();
    else if (InVisibilities(removed, tvVisibleTaskBar))
        HideToTray();
    if (InVisibilities(added, tvAutoHideIcon) && !AppIsMinimized())
        RemoveIcon();
    if (InVisibilities(removed, tvAutoHideIcon) && !AppIsMinimized())
        AddIcon();
}

void TTrayIcon::SetTaskListVisible(bool value)
{
    if (value == FTaskListVisible)
        return;
    FTaskListVisible = value;
    FArea->SetTaskListVisible(value);
}

void TTrayIcon::Guarded(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
}

TTrayIcon::TPointerAt TTrayIcon::Pointer() const
{
    const sw::TrayPointerState pointer = FArea->PointerState();
    return {ShiftOf(pointer), pointer.x, pointer.y};
}

void TTrayIcon::PointerMoved()
{
    Guarded([this] {
        const TPointerAt at = Pointer();
        MoveHandling(at.shift, at.x, at.y);
    });
}

void TTrayIcon::ButtonChanged(sw::ButtonAction action, sw::PointerButton button)
{
    Guarded([this, action, button] {
        const TPointerAt at = Pointer();
        switch (action) {
        case sw::ButtonAction::Down:
            ButtonDownHandling(ButtonOf(button), at.shift, at.x, at.y);
            break;
        case sw::ButtonAction::Up:
            ButtonUpHandling(ButtonOf(button), at.shift, at.x, at.y);
            break;
        case sw::ButtonAction::DoubleClick:
            DoubleClickHandling(ButtonOf(button), at.shift, at.x, at.y);
            break;
        }
    });
}

// The shell's request after a right click and the one from the keyboard open the same menu.
void TTrayIcon::MenuRequested(sw::MenuRequest)
{
    Guarded([this] {
        const TPointerAt at = Pointer();
        ContextMenuAt(at.x, at.y);
    });
}

void TTrayIcon::BalloonChanged(sw::BalloonEvent event)
{
    Guarded([this, event] {
        switch (event) {
        case sw::BalloonEvent::Hidden:
        case sw::BalloonEvent::TimedOut:
            HideBalloon();
            break;
        case sw::BalloonEvent::Clicked:
            FWindow->KillTimer(kBalloonTimer);
            if (OnBalloonClick)
                OnBalloonClick(this);
            break;
        case sw::BalloonEvent::Shown:
            break;
        }
    });
}

void TTrayIcon::ShellRestarted()
{
    Guarded([this] {
        RemoveIcon();
        if (FActive)
            AddIcon();
    });
}

void TTrayIcon::TimerFired(unsigned id)
{
    Guarded([this, id] {
        if (id == kAnimationTimer)
            AnimationStep();
        else if (id == kBalloonTimer)
            HideBalloon();
        else if (id == kClickTimer)
            DeferredClick();
    });
}

bool TTrayIcon::SessionMayEnd() { return true; }

void TTrayIcon::SessionEnded(bool ending)
{
    Guarded([this, ending] {
        if (ending)
            RemoveIcon();
        else if (FActive)
            AddIcon();
    });
}

void TTrayIcon::MoveHandling(TShiftState shift, int x, int y)
{
    if (Has(TipStale)) {
        Exclude(TipStale);
        FTip = ShortHint();
        sw::NotifyIconChange change;
        change.tip = FTip;
        ChangeShownIcon(change);
    }
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TTrayIcon::ButtonDownHandling(TMouseButton button, TShiftState shift, int x, int y)
{
    Include(ButtonDown);
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

bool TTrayIcon::ClickWorthWaiting(TMouseButton button) const
{
    if (OnClick)
        return true;
    return button == TMouseButton::mbLeft &&
           (FDropDownMenu || Visible(tvRestoreClick) || Visible(tvMinimizeClick));
}

void TTrayIcon::ButtonUpHandling(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Has(ButtonDown)) {
        Exclude(ButtonDown);
        if (ClickWorthWaiting(button)) {
            FSavedClick = {button, shift, x, y};
            if (!Has(ClickPending)) {
                Include(ClickPending);
                FWindow->SetTimer(kClickTimer, FArea->DoubleClickTime());
            }
        }
    }
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
    // A shell that asks for the menu itself does so after a right click.
    if (!Shell().menuRequests && button == TMouseButton::mbRight)
        ContextMenuAt(x, y);
}

void TTrayIcon::DoubleClickHandling(TMouseButton button, TShiftState shift, int x, int y)
{
    if (Has(ClickPending)) {
        Exclude(ClickPending);
        FWindow->KillTimer(kClickTimer);
    }
    if (OnDblClick) {
        OnDblClick(this, button, shift, x, y);
        return;
    }
    if (button != TMouseButton::mbLeft)
        return;
    if (FPopupMenu) {
        for (TMenuItem* item : FPopupMenu->Items()->ItemList())
            if (item->Default()) {
                item->Click();
                break;
            }
    }
    if (AppIsShown()) {
        if (Visible(tvMinimizeDbClick))
            HideToTray();
    } else if (Visible(tvRestoreDbClick)) {
        RestoreFromTray();
    }
}

void TTrayIcon::DeferredClick()
{
    FWindow->KillTimer(kClickTimer);
    if (!Has(ClickPending))
        return;
    Exclude(ClickPending);
    ClickHandling(FSavedClick);
}

void TTrayIcon::ClickHandling(const TSavedClick& click)
{
    if (OnClick)
        OnClick(this, click.button, click.shift, click.x, click.y);
    if (click.button != TMouseButton::mbLeft)
        return;
    if (FDropDownMenu)
        OpenMenu(FDropDownMenu, click.x, click.y);
    if (AppIsShown()) {
        if (Visible(tvMinimizeClick))
            HideToTray();
    } else if (Visible(tvRestoreClick)) {
        RestoreFromTray();
    }
}

void TTrayIcon::ContextMenuAt(int x, int y)
{
    bool handled = false;
    if (OnContextPopup)
        OnContextPopup(this, TPoint{x, y}, handled);
    if (!handled && FPopupMenu)
        OpenMenu(FPopupMenu, x, y);
}

// The hidden window takes the foreground so the menu closes on a click elsewhere.
void TTrayIcon::OpenMenu(TPopupMenu* menu, int x, int y)
{
    FWindow->SetForeground();
    menu->Popup(x, y);
    FWindow->MenuClosed();
}
