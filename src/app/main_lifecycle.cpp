// The main window's life: what its creation does, how it closes (also with the session), how it
// hides to the tray and comes back, with the memory window following while it is open.
#include "app/main_form.h"

#include <exception>

#include "controls/tray_icon.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/menus.h"

void TForm1::FormCreate(TObject* /*sender*/)
{
    Label_Form->SetHeight(17);
    ChooseSettingsFile();
    if (SettingsFileExists()) {
        LoadSettings();
        // A place saved on a monitor that is gone would leave the window out of reach.
        KeepOnScreen();
    } else {
        FSizeUnit = "MB";
        SetModel(2);
        // Checked in the menu only: the window keeps its designed alpha until one is chosen.
        SetTransparency(30);
        ScanDrives(FSizeUnit);
    }
    ApplyStartMinimized();
    MemoryWindowEverOpened = false;
    // Another program may hold the combination; the hotkey then simply does nothing.
    FServices.hotkeys->Register(Handle(), kHotkeyId, sw::kModAlt | sw::kModControl,
                                sw::kVirtualKeyD);
}

// The tray icon hid the application while loading, finding no taskbar in its visibility; giving
// it the taskbar back restores the application, so the window shows when the loop starts.
void TForm1::ApplyStartMinimized()
{
    WindowShown = !StartMinimized1->Checked();
    if (StartMinimized1->Checked())
        TrayIcon->SetVisibility(kTrayOnly);
    else
        TrayIcon->SetVisibility(kTrayOnly | TrayVisibilities({tvVisibleTaskBar}));
}

// A settings file that cannot be written stops the close here, before the hotkey goes.
void TForm1::FormClose(TObject* /*sender*/, TCloseAction& /*action*/)
{
    SaveSettings();
    FServices.hotkeys->Unregister(Handle(), kHotkeyId);
}

// Nobody is left to read an error box, and the session ends whatever happens here.
void TForm1::WMEndSession()
{
    try {
        SaveSettings();
    } catch (const std::exception&) {
    }
    FServices.hotkeys->Unregister(Handle(), kHotkeyId);
    Application().Terminate();
}

void TForm1::xButtonClick(TObject* /*sender*/) { Close(); }

void TForm1::Exit1Click(TObject* sender) { xButtonClick(sender); }

void TForm1::xminButtonClick(TObject* /*sender*/)
{
    Application().Minimize();
    TrayIcon->HideToTray();
    WindowShown = false;
    Hide();
    if (MemoryWindowOpen())
        SetMemoryWindowVisible(false);
}

void TForm1::SetWindowShown(bool show)
{
    if (show) {
        Show();
        if (MemoryWindowOpen())
            SetMemoryWindowVisible(false);
        TrayIcon->RestoreFromTray();
        Application().BringToFront();
    } else {
        ScanDrives(FSizeUnit);
        Hide();
        if (MemoryWindowOpen())
            SetMemoryWindowVisible(true);
        Application().Minimize();
        TrayIcon->HideToTray();
    }
}

void TForm1::ShowTully1Click(TObject* /*sender*/)
{
    TrayIcon->RestoreFromTray();
    Application().BringToFront();
}

void TForm1::SetMemoryWindowVisible(bool visible)
{
    if (Form2 != nullptr)
        Form2->SetVisible(visible);
}
