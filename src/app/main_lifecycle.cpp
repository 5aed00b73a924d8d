// The main window's life: what its creation does, how it closes, how it hides to the tray and
// comes back, with the memory window following while it is open.
#include "app/main_form.h"

#include "app/memory_form.h"
#include "controls/tray_icon.h"
#include "controls/push_button.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/menus.h"

void TForm1::FormCreate(TObject* sender)
{
    (void)sender;
    Label_Form->SetHeight(17);
    if (SettingsFileExists()) {
        LoadSettings();
    } else {
        FSizeUnit = "MB";
        SetModel(2);
        // Checked in the menu only: the window keeps its designed alpha until one is chosen.
        SetTransparency(30);
        ScanDrives(FSizeUnit);
    }
    ApplyStartMinimized();
    MemoryWindowOpened = false;
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
void TForm1::FormClose(TObject* sender, TCloseAction& action)
{
    (void)sender;
    (void)action;
    SaveSettings();
    FServices.hotkeys->Unregister(Handle(), kHotkeyId);
}

void TForm1::xButtonClick(TObject* sender)
{
    (void)sender;
    Close();
}

void TForm1::Exit1Click(TObject* sender) { xButtonClick(sender); }

void TForm1::xminButtonClick(TObject* sender)
{
    (void)sender;
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

void TForm1::ShowTully1Click(TObject* sender)
{
    (void)sender;
    TrayIcon->RestoreFromTray();
    Application().BringToFront();
}

// The ">>" button's caption is the memory window's open or closed state.
bool TForm1::MemoryWindowOpen() const { return Button_ShowRAM->Caption() == "<<"; }

void TForm1::SetMemoryWindowVisible(bool visible)
{
    if (Form2 != nullptr)
        Form2->SetVisible(visible);
}
