// The steps on the application, in the order the taskbar and the main form expect them.
#include "app/tray_hiding.h"

#include "controls/tray_icon.h"
#include "ui/application.h"
#include "ui/form.h"

// A system tray's shell announces itself whenever it starts and takes the icon then, so there
// hiding always hides; a desktop's host of status items may never come.
bool TTrayHiding::HidesWindows() const
{
    return FIcon == nullptr || FIcon->IconShown() ||
           Application().NotifyAreaKind() == TNotifyAreaKind::SystemTray;
}

bool TTrayHiding::Shown() const { return !FHiddenUnminimized && !Minimized(); }

bool TTrayHiding::Minimized() const { return Application().IsApplicationWindowIconic(); }

// Whether an icon can bring the window back is not asked here: a desktop's answer may still be
// on its way, and a start that shows the window at once needs none (KeepStartInReach).
void TTrayHiding::HideAtStart()
{
    Application().SetShowMainForm(false);
    Application().HideApplicationWindow();
    FHiddenUnminimized = true;
}

void TTrayHiding::KeepStartInReach()
{
    if (!FHiddenUnminimized || HidesWindows())
        return;
    FHiddenUnminimized = false;
    Application().SetShowMainForm(true);
    Application().ShowApplicationWindow();
    Application().Minimize();
}

void TTrayHiding::HideToTray(bool snap)
{
    if (!HidesWindows()) {
        Application().Minimize();
        return;
    }
    if (Shown()) {
        if (snap) {
            if (TForm* mainForm = Application().MainForm())
                mainForm->SetVisible(false);
            Application().SetShowMainForm(false);
        }
        Application().Minimize();
    }
    Application().HideApplicationWindow();
}

void TTrayHiding::RestoreFromTray()
{
    if (FHiddenUnminimized) {
        FHiddenUnminimized = false;
        Application().Minimize();
        Application().SetShowMainForm(true);
    }
    Application().ShowApplicationWindow();
    Application().Restore();
    if (TForm* mainForm = Application().MainForm())
        mainForm->SetVisible(true);
}
