// The tray icon itself: its picture, tip and balloon as sent to the shell and when, the
// animation, the icon shown again after the shell restarts, and the session's end.
#include "controls/tray_icon.h"

#include <exception>
#include <utility>

#include "gfx/color.h"
#include "ui/application.h"
#include "ui/hint_text.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

constexpr TTrayVisibilities kDefaultVisibility =
    TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList, tvAutoHide});

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
    ApplyVisibilityAtLoad();
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
        InstallAppWindowHook();
        AddIcon();
    } else {
        StopAnimation();
        RemoveAppWindowHook();
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
    if (FWindow->ShowIcon(FImage, FTip))
        Include(IconTaken);
    if (FAnimated)
        StartAnimation();
}

void TTrayIcon::RemoveIcon()
{
    if (!Has(IconInTray))
        return;
    Exclude(IconInTray);
    Exclude(IconTaken);
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
    if (!Shell().pointerMoves)
        RefreshStaleTip();
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
        sw::NotifyBalloon{title.substr(0, sw::kBalloonTitleLimit),
                          text.substr(0, sw::kBalloonTextLimit), IconOf(kind), timeoutMs};
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

void TTrayIcon::Guarded(const std::function<void()>& step)
{
    try {
        step();
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
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
