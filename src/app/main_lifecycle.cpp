// The main window's life: what its creation does, how it closes (also with the session), how it
// hides to the tray and comes back, with the memory window following while it is open.
#include "app/main_form.h"

#include <exception>

#include "app/transparency.h"
#include "controls/tray_icon.h"
#include "ui/application.h"
#include "ui/label.h"

void TMainWindow::FormCreate(TObject* /*sender*/)
{
    TitleLabel->SetHeight(Scaled(17));
    FSettingsFile = SettingsFileFor(*FServices.paths);
    if (const std::string file = SettingsFileToRead(*FServices.paths, FSettingsFile);
        !file.empty()) {
        LoadSettings(file);
    } else {
        SetModel(2);
        // Checked in the menu only: the window keeps its designed alpha until one is chosen.
        SetTransparency(kDefaultTransparency);
        ScanDrives(SizeUnit());
    }
    // A place saved on a monitor that is gone, or one partly off the screen, would leave the
    // window out of reach.
    FitOnWorkArea();
    WatchDeskSettle();
    ApplyStartMinimized();
    MemoryWindowEverOpened = false;
}

// The tray icon hid the application while loading, finding no taskbar in its visibility; giving
// it the taskbar back restores the application, so the window shows when the loop starts.
void TMainWindow::ApplyStartMinimized()
{
    WindowShown = !FSettings.startMinimized;
    if (!FSettings.startMinimized) {
        TrayIcon->SetVisibility(kTrayOnly | TrayVisibilities({tvVisibleTaskBar}));
        return;
    }
    TrayIcon->SetVisibility(kTrayOnly);
    FTrayHiding.KeepStartInReach();
}

void TMainWindow::RegisterHotkey()
{
    FServices.hotkeys->Register(Handle(), kHotkeyId, ssAlt | ssCtrl, TKey{'D'});
}

// A settings file that cannot be written stops the close here, before the hotkey goes.
void TMainWindow::FormClose(TObject* /*sender*/, TCloseAction& /*action*/)
{
    SaveSettings();
    FServices.hotkeys->Unregister(Handle(), kHotkeyId);
}

// Nobody is left to read an error box, and the session ends whatever happens here.
void TMainWindow::SessionEnded()
{
    try {
        SaveSettings();
    } catch (const std::exception&) {
    }
    FServices.hotkeys->Unregister(Handle(), kHotkeyId);
    Application().Terminate();
}

void TMainWindow::CloseButtonClick(TObject* /*sender*/) { Close(); }

void TMainWindow::ExitChosen(TObject* sender) { CloseButtonClick(sender); }

// The open memory window goes with this one through FormHide.
void TMainWindow::HideButtonClick(TObject* /*sender*/)
{
    Application().Minimize();
    TrayIcon->HideToTray();
    WindowShown = false;
    if (FTrayHiding.HidesWindows())
        Hide();
}

// The open memory window follows through FormShow and FormHide, also when the tray icon's own
// click action hides or restores this window after this sequence.
void TMainWindow::SetWindowShown(bool show)
{
    if (show) {
        RefreshBeforeShowing();
        Show();
        TrayIcon->RestoreFromTray();
        Application().BringToFront();
    } else {
        RefreshMeters();
        if (FTrayHiding.HidesWindows())
            Hide();
        Application().Minimize();
        TrayIcon->HideToTray();
    }
}

void TMainWindow::ShowChosen(TObject* /*sender*/)
{
    RefreshBeforeShowing();
    TrayIcon->RestoreFromTray();
    Application().BringToFront();
}

void TMainWindow::ShowForSecondStart()
{
    if (!Visible()) {
        SetWindowShown(true);
        WindowShown = true;
    } else {
        Application().BringToFront();
    }
}

void TMainWindow::RefreshBeforeShowing()
{
    if (!Visible())
        RefreshButtonClick(this);
}

void TMainWindow::FormShow(TObject* /*sender*/)
{
    if (MemoryWindowOpen()) {
        SetMemoryWindowVisible(true);
        KeepMemoryPanelOffset();
    }
}

void TMainWindow::FormHide(TObject* /*sender*/)
{
    if (MemoryWindowOpen())
        SetMemoryWindowVisible(false);
}

void TMainWindow::SetMemoryWindowVisible(bool visible)
{
    if (MemoryPanel != nullptr)
        MemoryPanel->SetVisible(visible);
}
