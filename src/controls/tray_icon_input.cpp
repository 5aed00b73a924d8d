// What the shell reports about the icon, turned into the component's events: moves (which also
// bring a changed tip to the shell), presses and releases made into clicks by the click rule,
// double clicks, the click actions, and the menus, popped up by the program or described to a
// desktop that draws them.
#include "controls/tray_icon.h"

#include "controls/tray_menu_description.h"
#include "ui/application.h"
#include "ui/menus.h"

namespace {

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

// The desktop told the click apart itself: no wait for a double click.
void TTrayIcon::Activated(int x, int y)
{
    Guarded([this, x, y] { ClickHandling({TMouseButton::mbLeft, 0, x, y}); });
}

void TTrayIcon::MenuAskedAt(int x, int y)
{
    Guarded([this, x, y] { ContextMenuAt(x, y); });
}

void TTrayIcon::MenuAboutToShow()
{
    Guarded([this] {
        if (FPopupMenu && FPopupMenu->OnPopup)
            FPopupMenu->OnPopup(FPopupMenu);
        FWindow->SetMenu(FPopupMenu ? DescribeMenu(*FPopupMenu) : sw::NotifyMenu{});
    });
}

void TTrayIcon::MenuItemChosen(int id)
{
    Guarded([this, id] {
        if (TMenuItem* item = FPopupMenu ? FPopupMenu->FindCommand(id) : nullptr)
            item->Click();
    });
}

void TTrayIcon::RefreshStaleTip()
{
    if (!Has(TipStale))
        return;
    Exclude(TipStale);
    FTip = ShortHint();
    sw::NotifyIconChange change;
    change.tip = FTip;
    ChangeShownIcon(change);
}

void TTrayIcon::MoveHandling(TShiftState shift, int x, int y)
{
    RefreshStaleTip();
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TTrayIcon::ButtonDownHandling(TMouseButton button, TShiftState shift, int x, int y)
{
    FClickRule.Pressed();
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
    if (FClickRule.Released({button, shift, x, y}, ClickWorthWaiting(button)))
        FWindow->SetTimer(kClickTimer, FArea->DoubleClickTime());
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
    // A shell that asks for the menu itself does so after a right click.
    if (!Shell().menuRequests && button == TMouseButton::mbRight)
        ContextMenuAt(x, y);
}

void TTrayIcon::DoubleClickHandling(TMouseButton button, TShiftState shift, int x, int y)
{
    if (FClickRule.DoubleClicked())
        FWindow->KillTimer(kClickTimer);
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
    if (const std::optional<TTrayClick> click = FClickRule.WaitOver())
        ClickHandling(*click);
}

void TTrayIcon::ClickHandling(const TTrayClick& click)
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
