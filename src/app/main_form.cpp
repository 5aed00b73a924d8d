// The main window as designed: the title band, the four buttons, the five-minute timer and the
// tray icon, with the handlers they fire wired in.
#include "app/main_form.h"

#include <utility>

#include "app/app_icon.h"
#include "app/bold_font.h"
#include "app/palette.h"
#include "app/pictures.h"
#include "app/sky_button.h"
#include "controls/tray_icon.h"
#include "controls/border.h"
#include "controls/push_button.h"
#include "ui/label.h"
#include "ui/timer.h"

TMainWindow::TMainWindow(TComponent* owner, sw::PlatformServices services)
    : TBodyDragForm(owner), FServices(std::move(services)),
      FScanner(
          FServices.drives, [this](const sw::MeterRow& row) { AddMeterRow(row); }, ScanHooks())
{
    // The drives answer while the window is built; the scan in FormCreate takes their answers.
    FScanner.AskAhead();
    SetName("MainWindow");
    SetCaption("Spacewell");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(523, 288, 282, 154);
    SetColor(palette::kPaleBlue);
    SetAlphaBlend(true);
    SetAlphaBlendValue(200);
    SetKeyPreview(true);
    SetShowHint(true);
    Icon().SetImage(SpacewellIconPicture(), clNone);
    CreateTitleBand();
    CreateButtons();
    WatchTimer = new TTimer(this);
    WatchTimer->SetName("WatchTimer");
    WatchTimer->SetInterval(kWatchMs);
    WatchTimer->OnTimer = [this](TObject*) { KeepWatch(); };
    CreateTrayMenu();
    CreateTrayIcon();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnHide = [this](TObject* sender) { FormHide(sender); };
    OnKeyDown = [this](TObject* sender, TKey& key, TShiftState shift) {
        FormKeyDown(sender, key, shift);
    };
}

// The tray's picture is drawn at the small-icon size of the scale, never stretched.
void TMainWindow::ChangeScale(int m, int d)
{
    TBodyDragForm::ChangeScale(m, d);
    TrayIcon->Icon().SetImage(TrayPicture(), clNone);
    DrawMenuPictures();
    MemoryButton->SetGlyph(MemoryGlyphPicture(PixelsPerInch()));
}

void TMainWindow::CreateTitleBand()
{
    TitleLabel = new TLabel(this);
    TitleLabel->SetName("TitleLabel");
    TitleLabel->SetParent(this);
    TitleLabel->SetAutoSize(false);
    TitleLabel->SetBounds(8, 8, 266, 16);
    TitleLabel->SetCaption("Spacewell v.2");
    TitleLabel->SetColor(palette::kDarkBlue);
    TitleLabel->SetParentColor(false);
    TFontSpec titleFont = Bolded();
    titleFont.height = -13;
    titleFont.color = palette::kPaleBlue;
    TitleLabel->SetFont(titleFont);
    // In the middle of its band at every scale: the faces grow in steps, not with the band.
    TitleLabel->SetLayout(TTextLayout::tlCenter);

    TitleBorder = NewTitleBorder();
}

void TMainWindow::CreateButtons()
{
    CloseButton = NewSkyButton(*this, "CloseButton", Bounds(258, 9, 15, 15), "x", "Close [Q]");
    CloseButton->OnClick = [this](TObject* s) { CloseButtonClick(s); };
    CloseButton->OnKeyPress = [this](TObject* s, char& key) { CloseButtonKeyPress(s, key); };

    HideButton = NewSkyButton(*this, "HideButton", Bounds(243, 9, 15, 15), "_", "Minimize [M]");
    HideButton->OnClick = [this](TObject* s) { HideButtonClick(s); };
    HideButton->OnKeyPress = [this](TObject* s, char& key) { HideButtonKeyPress(s, key); };

    RefreshButton =
        NewSkyButton(*this, "RefreshButton", Bounds(228, 9, 15, 15), "r", "Refresh [R]");
    RefreshButton->OnClick = [this](TObject* s) { RefreshButtonClick(s); };
    RefreshButton->OnKeyDown = [this](TObject* s, TKey& key, TShiftState shift) {
        RefreshButtonKeyDown(s, key, shift);
    };
    RefreshButton->OnKeyPress = [this](TObject* s, char& key) { RefreshButtonKeyPress(s, key); };

    for (TPushButton* button : {CloseButton, HideButton, RefreshButton}) {
        button->SetFont(Bolded());
        button->SetShowHint(true);
    }

    MemoryButton = NewSkyButton(*this, "MemoryButton", Bounds(258, 30, 15, 42), ">>", "RAM Info");
    MemoryButton->SetGlyph(MemoryGlyphPicture(PixelsPerInch()));
    MemoryButton->SetLayout(TButtonLayout::blGlyphTop);
    MemoryButton->SetSpacing(1);
    MemoryButton->OnClick = [this](TObject* s) { MemoryButtonClick(s); };
    MemoryButton->OnKeyPress = [this](TObject* s, char& key) { MemoryButtonKeyPress(s, key); };

    // Set once all four exist: an order beyond the buttons made so far would be cut short.
    RefreshButton->SetTabOrder(0);
    HideButton->SetTabOrder(1);
    CloseButton->SetTabOrder(2);
    MemoryButton->SetTabOrder(3);
}

void TMainWindow::CreateTrayIcon()
{
    TrayIcon = new TTrayIcon(this, FServices.notifyArea);
    TrayIcon->SetName("TrayIcon");
    TrayIcon->SetProgram(&FTrayHiding);
    FTrayHiding.SetIcon(TrayIcon);
    TrayIcon->Icon().SetImage(SpacewellIconPicture(kTrayIconSize), clNone);
    TrayIcon->SetActive(true);
    TrayIcon->SetIconIndex(0);
    TrayIcon->SetHint("Spacewell");
    TrayIcon->SetPopupMenu(TrayMenu);
    TrayIcon->SetSnap(true);
    TrayIcon->SetVisibility(kTrayOnly);
    TrayIcon->OnClick = [this](TObject* s, TMouseButton b, TShiftState shift, int x, int y) {
        TrayIconClick(s, b, shift, x, y);
    };
    TrayIcon->OnMouseMove = [this](TObject* s, TShiftState shift, int x, int y) {
        TrayIconMouseMove(s, shift, x, y);
    };
}
