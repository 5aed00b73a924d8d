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

void TForm1::HandleShortcutKey(char key)
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

void TForm1::rButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TForm1::xminButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TForm1::xButtonKeyPress(TObject*, char& key) { HandleShortcutKey(key); }
void TForm1::Button_ShowRAMKeyPress(TObject*, char& key) { HandleShortcutKey(key); }

void TForm1::rButtonKeyDown(TObject* sender, std::uint16_t& key, TShiftState)
{
    if (key == kF5)
        rButtonClick(sender);
}

void TForm1::FormKeyDown(TObject*, std::uint16_t&, TShiftState) { }

void TForm1::rButtonClick(TObject*) { ScanDrives(FSizeUnit); }

void TForm1::GB1Click(TObject* sender)
{
    FSizeUnit = GB1->Checked() ? "GB" : "MB";
    rButtonClick(sender);
}

void TForm1::OnTop1Click(TObject*) { SetFormStyle(OnTop1->Checked() ? fsStayOnTop : fsNormal); }

void TForm1::N01Click(TObject* sender)
{
    SetTransparency(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    ApplyTransparency();
}

void TForm1::N11Click(TObject* sender)
{
    SetModel(static_cast<int>(static_cast<TMenuItem*>(sender)->Tag()));
    RefreshMeters();
}

void TForm1::SetModel(int value)
{
    FModel = value;
    CheckFirstTagged(*Model1, value);
}

void TForm1::SetTransparency(int value)
{
    FTransparency = value;
    CheckFirstTagged(*Transparency1, value);
}

void TForm1::ApplyTransparency()
{
    if (FTransparency == 0) {
        SetAlphaBlend(false);
    } else {
        SetAlphaBlend(true);
        SetAlphaBlendValue(AlphaForTransparency(FTransparency));
    }
    if (MemoryWindowEverOpened && Form2 != nullptr)
        Form2->SyncTransparency();
}

void TForm1::CheckModelItem(int model)
{
    TMenuItem* items[] = {N11, N21, N31, N41, N51};
    if (model >= 1 && model <= 5)
        items[model - 1]->SetChecked(true);
}

void TForm1::RefreshMeters() { ScanDrives(FSizeUnit); }

void TForm1::WMHotkey(int id)
{
    if (id != kHotkeyId)
        return;
    SetWindowShown(!WindowShown);
    WindowShown = !WindowShown;
}

// Only the left button counts; the tray icon then runs its own click action (hide a shown
// application, restore a hidden one) after this.
void TForm1::TrayIconClick(TObject*, TMouseButton button, TShiftState, int, int)
{
    if (button != TMouseButton::mbLeft)
        return;
    SetWindowShown(Visible());
    WindowShown = !WindowShown;
}

void TForm1::TrayIconMouseMove(TObject*, TShiftState, int, int) { }
