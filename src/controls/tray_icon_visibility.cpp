// The tray icon's visibility options and what they move: the program hidden to the tray and
// restored (through the program the icon stands for), its taskbar button, its place in the task
// list, and the icon that shows only while the program is hidden.
#include "controls/tray_icon.h"

#include "ui/application.h"

bool TTrayIcon::AppIsMinimized() const { return FProgram && FProgram->Minimized(); }

bool TTrayIcon::AppIsShown() const { return !FProgram || FProgram->Shown(); }

void TTrayIcon::HideToTray()
{
    if (FProgram)
        FProgram->HideToTray(FSnap);
    FVisibility &= static_cast<TTrayVisibilities>(~TrayVisibilities({tvVisibleTaskBar}));
    if (Visible(tvAutoHideIcon))
        AddIcon();
}

void TTrayIcon::RestoreFromTray()
{
    FVisibility |= TrayVisibilities({tvVisibleTaskBar});
    if (FProgram)
        FProgram->RestoreFromTray();
    if (Visible(tvAutoHideIcon))
        RemoveIcon();
}

// Without the taskbar option at load the program starts hidden, its main form not shown.
void TTrayIcon::ApplyVisibilityAtLoad()
{
    if (!Visible(tvVisibleTaskBar) && FProgram)
        FProgram->HideAtStart();
    if (!Visible(tvVisibleTaskList))
        SetTaskListVisible(false);
}

// Sees the application window's messages; never claims one, so the minimize still happens.
bool TTrayIcon::AppWindowHook(TSysCommand command)
{
    if (command == TSysCommand::Minimize && Visible(tvAutoHide) && FActive)
        HideToTray();
    return false;
}

void TTrayIcon::InstallAppWindowHook()
{
    if (Has(AppHookInstalled))
        return;
    FHookId = Application().HookMainWindow([this](TSysCommand c) { return AppWindowHook(c); });
    Include(AppHookInstalled);
}

void TTrayIcon::RemoveAppWindowHook()
{
    if (!Has(AppHookInstalled))
        return;
    Application().UnhookMainWindow(FHookId);
    Exclude(AppHookInstalled);
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
