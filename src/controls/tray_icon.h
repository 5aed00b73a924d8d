// The application's icon in the notification area: keeps the icon and its tooltip in step
// with the component's properties, turns the shell's mouse notifications into click, double
// click, button and move events (a single click only once the double-click time has passed, by
// the click rule), opens the pop-up menus or describes them to a desktop that draws them, and
// asks the program it stands for to hide to the tray and come back. The shell is reached through
// the notification-area service, whose events arrive here in the toolkit's terms, so the rules
// here run the same against the real shell and a fake one.
//
// Split by job: tray_icon.cpp (the icon, tip, balloon, animation, shell restart and session),
// tray_icon_input.cpp (the shell's reports: clicks and menus) and tray_icon_visibility.cpp (the
// visibility options, hiding and restoring through the program).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "controls/click_rule.h"
#include "controls/tray_program.h"
#include "gfx/geometry.h"
#include "platform/notify_area.h"
#include "ui/component.h"
#include "ui/icon.h"
#include "ui/types.h"

class TImageList;
class TPopupMenu;

enum TTrayVisibility {
    tvVisibleTaskBar,
    tvVisibleTaskList,
    tvAutoHide,
    tvAutoHideIcon,
    tvVisibleDesign,
    tvRestoreClick,
    tvRestoreDbClick,
    tvMinimizeClick,
    tvMinimizeDbClick,
};

// A set of TTrayVisibility: bit n stands for the value of ordinal n.
using TTrayVisibilities = std::uint16_t;

constexpr TTrayVisibilities TrayVisibilities(std::initializer_list<TTrayVisibility> values)
{
    TTrayVisibilities set = 0;
    for (TTrayVisibility v : values)
        set |= static_cast<TTrayVisibilities>(1u << v);
    return set;
}

constexpr bool InVisibilities(TTrayVisibilities set, TTrayVisibility value)
{
    return (set & (1u << value)) != 0;
}

enum class TBalloonType { btNone, btError, btInfo, btWarning };

using TAnimateEvent = std::function<void(TObject* sender, int imageIndex)>;
using TContextPopupEvent = std::function<void(TObject* sender, TPoint mousePos, bool& handled)>;

class TTrayIcon : public TComponent, private sw::ITrayEvents {
public:
    // Without a service the process's default notification area is used.
    explicit TTrayIcon(TComponent* owner, std::shared_ptr<sw::INotifyArea> area = nullptr);
    ~TTrayIcon() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    bool Animated() const { return FAnimated; }
    void SetAnimated(bool value);
    TIcon& Icon() { return FIcon; }
    void SetIcon(const TIcon& icon) { FIcon.Assign(icon); }
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int value);
    TImageList* Icons() const { return FIcons; }
    void SetIcons(TImageList* value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    unsigned Delay() const { return FDelay; }
    void SetDelay(unsigned value);
    bool Snap() const { return FSnap; }
    void SetSnap(bool value) { FSnap = value; }
    TTrayVisibilities Visibility() const { return FVisibility; }
    void SetVisibility(TTrayVisibilities value);
    // The program hidden and restored; none leaves it alone. It must outlive the icon's use.
    void SetProgram(ITrayProgram* program) { FProgram = program; }

    TAnimateEvent OnAnimate;
    TMouseEvent OnClick;
    TMouseEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnBalloonShow;
    TNotifyEvent OnBalloonHide;
    TNotifyEvent OnBalloonClick;
    TContextPopupEvent OnContextPopup;

    // The program's HideToTray (with Snap its main form goes too), then the visibility without
    // the taskbar.
    void HideToTray();
    // The program's RestoreFromTray, then the visibility with the taskbar.
    void RestoreFromTray();
    // A balloon over the icon for `timeoutMs` (new shells only), title and text cut to the
    // balloon's limits.
    void BalloonHint(const std::string& title, const std::string& text, TBalloonType kind,
                     unsigned timeoutMs);

    bool AppIsMinimized() const;
    bool AppIsShown() const;
    // The desktop took the icon when it was last added and shows it now: a desktop without a
    // notification area refuses it, and then nothing on screen can bring a hidden program back.
    bool IconShown() const { return Has(IconTaken) && FWindow->IconReachable(); }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The hidden window's timers.
    static constexpr unsigned kAnimationTimer = 1;
    static constexpr unsigned kBalloonTimer = 2;
    static constexpr unsigned kClickTimer = 3;

    enum StateFlag : unsigned {
        IconInTray = 0x01,
        AnimationRunning = 0x02,
        AppHookInstalled = 0x04,
        TipStale = 0x08,
        IconTaken = 0x10,
    };

    struct TPointerAt {
        TShiftState shift = 0;
        int x = 0;
        int y = 0;
    };

    bool Has(StateFlag flag) const { return (FState & flag) != 0; }
    void Include(StateFlag flag) { FState |= flag; }
    void Exclude(StateFlag flag) { FState &= ~static_cast<unsigned>(flag); }
    bool Visible(TTrayVisibility value) const { return InVisibilities(FVisibility, value); }

    sw::NotifyAreaFeatures Shell() const { return FArea->Features(); }
    std::string ShortHint() const;
    void ChangeActive(bool value);
    void PrepareIcon();
    void AddIcon();
    void RemoveIcon();
    void ChangeShownIcon(const sw::NotifyIconChange& change);
    void RefreshCurrentIcon();
    void UseIcon(const TIcon& source);
    void SetTaskListVisible(bool value);
    void StartAnimation();
    void StopAnimation();
    void AnimationStep();
    void HideBalloon();
    void Watch(TComponent* previous, TComponent* next);
    void ApplyVisibilityAtLoad();
    bool AppWindowHook(TSysCommand command);
    void InstallAppWindowHook();
    void RemoveAppWindowHook();

    // The tray window's events. Nothing escapes to the window system: a failing handler ends
    // up in the error box.
    void PointerMoved() override;
    void ButtonChanged(sw::ButtonAction action, sw::PointerButton button) override;
    void MenuRequested(sw::MenuRequest how) override;
    void Activated(int x, int y) override;
    void MenuAskedAt(int x, int y) override;
    void MenuAboutToShow() override;
    void MenuItemChosen(int id) override;
    void BalloonChanged(sw::BalloonEvent event) override;
    void ShellRestarted() override;
    void TimerFired(unsigned id) override;
    bool SessionMayEnd() override;
    void SessionEnded(bool ending) override;
    void Guarded(const std::function<void()>& step);

    // The pointer as the notification area reads it while a report is handled.
    TPointerAt Pointer() const;
    // Sends the short hint to the shell when it changed since it was last sent.
    void RefreshStaleTip();
    void MoveHandling(TShiftState shift, int x, int y);
    void ButtonDownHandling(TMouseButton button, TShiftState shift, int x, int y);
    void ButtonUpHandling(TMouseButton button, TShiftState shift, int x, int y);
    void DoubleClickHandling(TMouseButton button, TShiftState shift, int x, int y);
    void DeferredClick();
    void ClickHandling(const TTrayClick& click);
    void ContextMenuAt(int x, int y);
    void OpenMenu(TPopupMenu* menu, int x, int y);
    bool ClickWorthWaiting(TMouseButton button) const;

    std::shared_ptr<sw::INotifyArea> FArea;
    std::unique_ptr<sw::ITrayWindow> FWindow;
    bool FActive = false;
    bool FActiveAfterLoad = false;
    bool FAnimated = false;
    TIcon FIcon;
    TIcon FShownIcon;
    int FIconIndex = 0;
    TImageList* FIcons = nullptr;
    std::string FHint;
    TPopupMenu* FDropDownMenu = nullptr;
    TPopupMenu* FPopupMenu = nullptr;
    unsigned FDelay = 100;
    bool FSnap = false;
    TTrayVisibilities FVisibility = 0;
    unsigned FState = 0;
    bool FTaskListVisible = true;
    TClickRule FClickRule;
    ITrayProgram* FProgram = nullptr;
    int FHookId = 0;
    // What the shell was last given for the icon: it is shown again after a shell restart.
    sw::IconImage FImage;
    std::string FTip;
};
