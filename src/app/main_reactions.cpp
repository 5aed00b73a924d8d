// The main window's reactions to the user: single keys on its buttons, the hotkey, the tray
// icon's click and the menu's options (unit, always on top, transparency, caption model).
#include "app/main_form.h"

#include "app/transparency.h"
#include "ui/application.h"
#include "ui/menus.h"
#include "ui/timer.h"

namespace {

// The shortest timer wait; the timer comes only once the queued input has been handled.
constexpr unsigned kRefreshSettleMs = 1;

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
        ChooseUnit(!FSettings.gigabytes);
        break;
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
        SetModel(key - '0');
        ScanDrives(SizeUnit());
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

void TMainWindow::RefreshButtonClick(TObject*) { RefreshMeters(); }

void TMainWindow::UnitChosen(TObject*) { ChooseUnit(!FSettings.gigabytes); }

void TMainWindow::ChooseUnit(bool gigabytes)
{
    FSettings.gigabytes = gigabytes;
    GigabytesItem->SetChecked(gigabytes);
    // At once, not folded: the rows must say the unit the check mark does.
    ScanDrives(SizeUnit());
}

void TMainWindow::OnTopChosen(TObject*) { ChooseOnTop(!FSettings.onTop); }

void TMainWindow::ChooseOnTop(bool onTop)
{
    FSettings.onTop = onTop;
    OnTopItem->SetChecked(onTop);
    SetFormStyle(onTop ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
}

// Saved with the settings; it acts at the next start.
void TMainWindow::StartMinimizedChosen(TObject*) { SetStartMinimized(!FSettings.startMinimized); }

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
    FSettings.model = value;
    CheckFirstTagged(*ModelMenu, value);
}

void TMainWindow::SetTransparency(int value)
{
    FSettings.transparency = value;
    CheckFirstTagged(*TransparencyMenu, value);
}

void TMainWindow::ApplyTransparency()
{
    if (FSettings.transparency == 0) {
        SetAlphaBlend(false);
    } else {
        SetAlphaBlend(true);
        SetAlphaBlendValue(AlphaForTransparency(FSettings.transparency));
    }
    if (MemoryWindowEverOpened && MemoryPanel != nullptr)
        MemoryPanel->SyncTransparency();
}

void TMainWindow::CheckModelItem(int model)
{
    if (model >= 1 && model <= kModelItemCount)
        ModelItems[model - 1]->SetChecked(true);
}

void TMainWindow::RefreshMeters()
{
    if (FRefreshSettle != nullptr && FRefreshSettle->Enabled()) {
        FRefreshPending = true;
        return;
    }
    ScanAndSettle();
}

// Input that came during the scan is handled before the timer: refreshes it asks for wait.
void TMainWindow::ScanAndSettle()
{
    ScanDrives(SizeUnit());
    if (!Application().InputWaiting())
        return;
    if (FRefreshSettle == nullptr) {
        FRefreshSettle = new TTimer(this);
        FRefreshSettle->SetInterval(kRefreshSettleMs);
        FRefreshSettle->OnTimer = [this](TObject*) { RefreshSettled(); };
    }
    FRefreshSettle->SetEnabled(true);
}

// One scan for every refresh asked while the queued input was handled.
void TMainWindow::RefreshSettled()
{
    FRefreshSettle->SetEnabled(false);
    if (!FRefreshPending)
        return;
    FRefreshPending = false;
    ScanAndSettle();
}

void TMainWindow::HotkeyPressed(int id)
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
