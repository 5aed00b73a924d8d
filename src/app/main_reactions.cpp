// The main window's reactions to the user: single keys on its buttons, the hotkey, the tray
// icon's click and the menu's options (unit, always on top, transparency, caption model).
#include "app/main_form.h"

#include <cstdint>

#include "app/transparency.h"
#include "ui/menus.h"

namespace {

constexpr std::uint16_t kF5 = 116;

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
        rButtonClick(this);
        break;
    case 'M':
    case 'm':
        xminButtonClick(this);
        break;
    case 'Q':
    case 'q':
        xButtonClick(this);
        break;
    case 'G':
    case 'g':
        GB1->SetChecked(!GB1->Checked());
        GB1Click(this);
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

void TMainWindow::rButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::xminButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::xButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TMainWindow::Button_ShowRAMKeyPress(TObject*, char& key) { HandleShortcutKey(key); }

void TMainWindow::rButtonKeyDown(TObject* sender, std::uint16_t& key, TShiftState)
{
    if (key == kF5)
        rButtonClick(sender);
}

void TMainWindow::FormKeyDown(TObject*, std::uint16_t&, TShiftState) { }

void TMainWindow::rButtonClick(TObject*) { ScanDrives(FSizeUnit); }

void TMainWindow::GB1Click(TObject* sender)
{
    FSizeUnit = GB1->Checked() ? "GB" : "MB";
    rButtonClick(sender);
}

void TMainWindow::OnTop1Click(TObject*)
{
    SetFormStyle(OnTop1->Checked() ? fsStayOnTop : fsNormal);
}

void TMainWindow::N01Click(TObject* sender)
{
    SetTransparency(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    ApplyTransparency();
}

void TMainWindow::N11Click(TObject* sender)
{
    SetModel(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    RefreshMeters();
}

void TMainWindow::SetModel(int value)
{
    FModel = value;
    CheckFirstTagged(*Model1, value);
}

void TMainWindow::SetTransparency(int value)
{
    FTransparency = value;
    CheckFirstTagged(*Transparency1, value);
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
    TMenuItem* items[] = {N11, N21, N31, N41, N51};
    if (model >= 1 && model <= 5)
        items[model - 1]->SetChecked(true);
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
