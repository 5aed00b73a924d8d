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

void TTrayHiding::HideAtStart()
{
    if (!HidesWindows()) {
        Application().Minimize();
        return;
    }
    Application().SetShowMainForm(false);
    Application().HideApplicationWindow();
    FHiddenUnminimized = true;
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
