// The tray icon's rules: what is sent to the shell when, how the shell's notifications become
// events, and how the application is hidden to the tray and restored.
#include "controls/tray_icon.h"

#include <exception>
#include <utility>

#include "gfx/color.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/imagelist.h"
#include "ui/menus.h"

namespace {

constexpr unsigned kAnimationTimer = 1;
constexpr unsigned kBalloonTimer = 2;
constexpr unsigned kClickTimer = 3;

constexpr TTrayVisibilities kDefaultVisibility =
    TrayVisibilities({tvVisibleTaskBar, tvVisibleTaskList, tvAutoHide});

// The icon's pixels with its see-through colour turned into the shell's mask.
sw::TrayIconImage ImageOf(const TIcon& icon)
{
    sw::TrayIconImage image;
    const TBitmap& bitmap = icon.Image();
    if (bitmap.Empty())
        return image;
    image.width = bitmap.Width();
    image.height = bitmap.Height();
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
    image.pixels.assign(bitmap.Bits(), bitmap.Bits() + count);
    image.mask.assign(count, 0);
    TColor key = icon.TransparentColor();
    if (key == clNone)
        return image;
    key = key == clDefault ? bitmap.Pixel(0, image.height - 1) : ColorToRGB(key);
    for (std::size_t i = 0; i < count; ++i)
        image.mask[i] = (image.pixels[i] & 0xFFFFFF) == key ? 1 : 0;
    return image;
}

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

// The shell numbers a balloon's icons in another order than the kinds are listed.
std::uint32_t InfoFlags(TBalloonType kind)
{
    switch (kind) {
    case TBalloonType::btInfo:
        return sw::kNiifInfo;
    case TBalloonType::btWarning:
        return sw::kNiifWarning;
    case TBalloonType::btError:
        return sw::kNiifError;
    default:
        return sw::kNiifNone;
    }
}

}  // namespace

TTrayIcon::TTrayIcon(TComponent* owner, std::shared_ptr<sw::INotifyArea> area)
    : TComponent(owner), FArea(area ? std::move(area) : sw::DefaultNotifyArea())
{
    FIcon.OnChange = [this](TObject*) { RefreshCurrentIcon(); };
    FWindow = FArea->CreateTrayWindow(
        [this](const sw::TrayMessage& message) { return TrayWindowProc(message); });
    FVisibility = kDefaultVisibility;
    FTaskbarCreatedMessage = FArea->TaskbarCreatedMessage();
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

bool TTrayIcon::NewShell() const { return FArea->ShellFileVersion() >= sw::kNewShellVersion; }

std::size_t TTrayIcon::TipLimit() const { return NewShell() ? 127 : 63; }

std::string TTrayIcon::ShortHint() const
{
    return FHint.substr(0, FHint.find('|')).substr(0, TipLimit());
}

void TTrayIcon::Send(unsigned message, unsigned flags)
{
    FTrayData.uFlags = flags;
    FWindow->NotifyIcon(message, FTrayData);
}

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
        FillTrayData();
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

void TTrayIcon::FillTrayData()
{
    const bool newShell = NewShell();
    FTrayData.cbSize = newShell ? sw::kNewShellDataSize : sw::kOldShellDataSize;
    FTrayData.uVersion = newShell ? sw::kNotifyIconVersion : 0;
    FTrayData.hWnd = FWindow->Handle();
    FTrayData.uID = sw::kTrayIconId;
    FTrayData.uCallbackMessage = sw::kTrayCallbackMessage;
    if (FShownIcon.Empty())
        UseIcon(Application().Icon());
    else
        FTrayData.hIcon = ImageOf(FShownIcon);
    FTrayData.szTip = ShortHint();
    FTrayData.uFlags = 0;
}

void TTrayIcon::AddIcon()
{
    if (Has(IconInTray) || !FActive || (Visible(tvAutoHideIcon) && AppIsShown()))
        return;
    Include(IconInTray);
    Send(sw::kNimAdd, sw::kNifMessage | sw::kNifIcon | sw::kNifTip);
    if (NewShell())
        Send(sw::kNimSetVersion, 0);
    if (FAnimated)
        StartAnimation();
}

void TTrayIcon::RemoveIcon()
{
    if (!Has(IconInTray))
        return;
    Exclude(IconInTray);
    StopAnimation();
    Send(sw::kNimDelete, 0);
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
    FTrayData.hIcon = ImageOf(FShownIcon);
    if (Has(IconInTray))
        Send(sw::kNimModify, sw::kNifIcon);
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
    const std::string text = NewShell() ? value : ReplaceLineBreaks(value);
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
    if (!NewShell() || !Has(IconInTray))
        return;
    sw::TrayIconData balloon = FTrayData;
    balloon.uFlags = sw::kNifInfo;
    balloon.szInfoTitle = title.substr(0, 63);
    balloon.szInfo = text.substr(0, 255);
    balloon.dwInfoFlags = InfoFlags(kind);
    balloon.uTimeout = timeoutMs;
    FWindow->NotifyIcon(sw::kNimModify, balloon);
    FWindow->SetTimer(kBalloonTimer, timeoutMs);
    if (OnBalloonShow)
        OnBalloonShow(this);
}

void TTrayIcon::HideBalloon()
{
    FWindow->KillTimer(kBalloonTimer);
    if (Has(IconInTray)) {
        sw::TrayIconData balloon = FTrayData;
        balloon.uFlags = sw::kNifInfo;
        FWindow->NotifyIcon(sw::kNimModify, balloon);
    }
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

// Nothing escapes to the window system: a failing handler ends up in the error box.
std::optional<std::intptr_t> TTrayIcon::TrayWindowProc(const sw::TrayMessage& message)
{
    try {
        return HandleTrayMessage(message);
    } catch (...) {
        Application().HandleException(std::current_exception());
        return 0;
    }
}

std::optional<std::intptr_t> TTrayIcon::HandleTrayMessage(const sw::TrayMessage& message)
{
    switch (message.msg) {
    case sw::kWmQueryEndSession:
        return 1;
    case sw::kWmEndSession:
        if (message.wParam != 0)
            RemoveIcon();
        else if (FActive)
            AddIcon();
        return 0;
    case sw::kWmTimer:
        if (message.wParam == kAnimationTimer)
            AnimationStep();
        else if (message.wParam == kBalloonTimer)
            HideBalloon();
        else if (message.wParam == kClickTimer)
            DeferredClick();
        return 0;
    case sw::kTrayCallbackMessage:
        return HandleNotification(static_cast<unsigned>(message.lParam));
    default:
        break;
    }
    // A failed registration gives 0, which must not turn WM_NULL into a taskbar restart.
    if (FTaskbarCreatedMessage != 0 && message.msg == FTaskbarCreatedMessage) {
        RemoveIcon();
        if (FActive)
            AddIcon();
        return 0;
    }
    return std::nullopt;
}

std::intptr_t TTrayIcon::HandleNotification(unsigned notification)
{
    const sw::TrayPointerState pointer = FArea->PointerState();
    const TShiftState shift = ShiftOf(pointer);
    const int x = pointer.x;
    const int y = pointer.y;
    switch (notification) {
    case sw::kWmMouseMove:
        MoveHandling(shift, x, y);
        break;
    case sw::kWmLButtonDown:
        ButtonDownHandling(TMouseButton::mbLeft, shift, x, y);
        break;
    case sw::kWmRButtonDown:
        ButtonDownHandling(TMouseButton::mbRight, shift, x, y);
        break;
    case sw::kWmMButtonDown:
        ButtonDownHandling(TMouseButton::mbMiddle, shift, x, y);
        break;
    case sw::kWmLButtonUp:
        ButtonUpHandling(TMouseButton::mbLeft, shift, x, y);
        break;
    case sw::kWmRButtonUp:
        ButtonUpHandling(TMouseButton::mbRight, shift, x, y);
        break;
    case sw::kWmMButtonUp:
        ButtonUpHandling(TMouseButton::mbMiddle, shift, x, y);
        break;
    case sw::kWmLButtonDblClk:
        DoubleClickHandling(TMouseButton::mbLeft, shift, x, y);
        break;
    case sw::kWmRButtonDblClk:
        DoubleClickHandling(TMouseButton::mbRight, shift, x, y);
        break;
    case sw::kWmMButtonDblClk:
        DoubleClickHandling(TMouseButton::mbMiddle, shift, x, y);
        break;
    case sw::kWmContextMenu:
    case sw::kNinKeySelect:
        ContextMenuAt(x, y);
        break;
    case sw::kNinBalloonHide:
    case sw::kNinBalloonTimeout:
        HideBalloon();
        return 1;
    case sw::kNinBalloonUserClick:
        FWindow->KillTimer(kBalloonTimer);
        if (OnBalloonClick)
            OnBalloonClick(this);
        return 1;
    default:
        break;
    }
    return 0;
}

void TTrayIcon::MoveHandling(TShiftState shift, int x, int y)
{
    if (Has(TipStale)) {
        Exclude(TipStale);
        FTrayData.szTip = ShortHint();
        if (Has(IconInTray))
            Send(sw::kNimModify, sw::kNifTip);
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
    // A version-3 shell sends its own context-menu notification after a right click.
    if (!NewShell() && button == TMouseButton::mbRight)
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

// The hidden window takes the foreground so the menu closes on a click elsewhere; the empty
// message afterwards lets the system finish that switch.
void TTrayIcon::OpenMenu(TPopupMenu* menu, int x, int y)
{
    FWindow->SetForeground();
    menu->Popup(x, y);
    FWindow->Post(sw::kWmNull, 0, 0);
}
