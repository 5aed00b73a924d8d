// The main window's reactions to the user: single keys on its buttons, the hotkey, the tray
// icon's click and the menu's options (unit, always on top, transparency, caption model).
#include "app/main_form.h"

#include "app/transparency.h"
#include "ui/menus.h"

namespace {

// The first item of `menu` tagged `tag` gets the check; none when no tag matches.
void CheckFirstTagged(TMenuItem& menu, int tag)
{
    for (TMenuItem* item : menu.ItemList())
        if (item->Tag() == tag) {
            item->SetChecked(true);
            return;
        }
}

}  // namespace

void TMainWindow::HandleShortcutKey(char key)
{
    switch (key) {
    case 'R':
    case 'r':
        RefreshButtonClick(this);
        break;
    case 'M':
    case 'm':
        HideButtonClick(this);
        break;
    case 'Q':
    case 'q':
        CloseButtonClick(this);
        break;
    case 'G':
    case 'g':
        GigabytesItem->SetChecked(!GigabytesItem->Checked());
        UnitChosen(this);
        break;
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
        SetModel(key - '0');
        ScanDrives(FSizeUnit);
        break;
    default:
        break;
    }
}

void TMainWindow::RefreshButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::HideButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::CloseButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::MemoryButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }

void TMainWindow::RefreshButtonKeyDown(TObject* sender, TKey& key, TShiftState)
{
    if (key == TKey::F5)
        RefreshButtonClick(sender);
}

void TMainWindow::FormKeyDown(TObject*, TKey&, TShiftState) { }

void TMainWindow::RefreshButtonClick(TObject*) { ScanDrives(FSizeUnit); }

void TMainWindow::UnitChosen(TObject* sender)
{
    FSizeUnit = GigabytesItem->Checked() ? "GB" : "MB";
    RefreshButtonClick(sender);
}

void TMainWindow::OnTopChosen(TObject*)
{
    SetFormStyle(OnTopItem->Checked() ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
}

void TMainWindow::TransparencyChosen(TObject* sender)
{
    SetTransparency(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    ApplyTransparency();
}

void TMainWindow::ModelChosen(TObject* sender)
{
    SetModel(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    RefreshMeters();
}

void TMainWindow::SetModel(int value)
{
    FModel = value;
    CheckFirstTagged(*ModelMenu, value);
}

void TMainWindow::SetTransparency(int value)
{
    FTransparency = value;
    CheckFirstTagged(*TransparencyMenu, value);
}

void TMainWindow::ApplyTransparency()
{
    if (FTransparency == 0) {
        SetAlphaBlend(false);
    } else {
        SetAlphaBlend(true);
        SetAlphaBlendValue(AlphaForTransparency(FTransparency));
    }
    if (MemoryWindowEverOpened && MemoryPanel != nullptr)
        MemoryPanel->SyncTransparency();
}

void TMainWindow::CheckModelItem(int model)
{
    if (model >= 1 && model <= kModelItemCount)
        ModelItems[model - 1]->SetChecked(true);
}

void TMainWindow::RefreshMeters() { ScanDrives(FSizeUnit); }

void TMainWindow::WMHotkey(int id)
{
    if (id != kHotkeyId)
        return;
    SetWindowShown(!WindowShown);
    WindowShown = !WindowShown;
}

// Only the left button counts; the tray icon then runs its own click action (hide a shown
// application, restore a hidden one) after this.
void TMainWindow::TrayIconClick(TObject*, TMouseButton button, TShiftState, int, int)
{
    if (button != TMouseButton::mbLeft)
        return;
    SetWindowShown(Visible());
    WindowShown = !WindowShown;
}

void TMainWindow::TrayIconMouseMove(TObject*, TShiftState, int, int) { }
