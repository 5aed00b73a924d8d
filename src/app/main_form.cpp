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
    SetBorderStyle(bsNone);
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
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(300000);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
    CreateTrayMenu();
    CreateTrayIcon();
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnHide = [this](TObject* sender) { FormHide(sender); };
    OnKeyDown = [this](TObject* sender, std::uint16_t& key, TShiftState shift) {
        FormKeyDown(sender, key, shift);
    };
}

void TMainWindow::CreateTitleBand()
{
    Label_Form = new TLabel(this);
    Label_Form->SetName("Label_Form");
    Label_Form->SetParent(this);
    Label_Form->SetAutoSize(false);
    Label_Form->SetBounds(8, 8, 266, 16);
    Label_Form->SetCaption("Spacewell v.2");
    Label_Form->SetColor(palette::kDarkBlue);
    Label_Form->SetParentColor(false);
    TFontSpec titleFont = Bolded();
    titleFont.height = -13;
    titleFont.color = palette::kPaleBlue;
    Label_Form->SetFont(titleFont);

    Border_Form = new TBorder(this);
    Border_Form->SetName("Border_Form");
    Border_Form->SetParent(this);
    Border_Form->SetBounds(0, 0, 282, 50);
    Border_Form->SetShadowColor(palette::kDarkBlue);
    Border_Form->SetHighlightColor(palette::kLightBlue);
}

void TMainWindow::CreateButtons()
{
    xButton = NewSkyButton(*this, "xButton", Bounds(258, 9, 15, 15), "x", "Close [Q]");
    xButton->OnClick = [this](TObject* s) { xButtonClick(s); };
    xButton->OnKeyPress = [this](TObject* s, char& key) { xButtonKeyPress(s, key); };

    xminButton = NewSkyButton(*this, "xminButton", Bounds(243, 9, 15, 15), "_", "Minimize [M]");
    xminButton->OnClick = [this](TObject* s) { xminButtonClick(s); };
    xminButton->OnKeyPress = [this](TObject* s, char& key) { xminButtonKeyPress(s, key); };

    rButton = NewSkyButton(*this, "rButton", Bounds(228, 9, 15, 15), "r", "Refresh [R]");
    rButton->OnClick = [this](TObject* s) { rButtonClick(s); };
    rButton->OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState shift) {
        rButtonKeyDown(s, key, shift);
    };
    rButton->OnKeyPress = [this](TObject* s, char& key) { rButtonKeyPress(s, key); };

    for (TPushButton* button : {xButton, xminButton, rButton}) {
        button->SetFont(Bolded());
        button->SetShowHint(true);
    }

    Button_ShowRAM =
        NewSkyButton(*this, "Button_ShowRAM", Bounds(258, 30, 15, 42), ">>", "RAM Info");
    Button_ShowRAM->SetGlyph(MemoryGlyphPicture());
    Button_ShowRAM->SetLayout(blGlyphTop);
    Button_ShowRAM->SetSpacing(1);
    Button_ShowRAM->OnClick = [this](TObject* s) { Button_ShowRAMClick(s); };
    Button_ShowRAM->OnKeyPress = [this](TObject* s, char& key) { Button_ShowRAMKeyPress(s, key); };

    // Set once all four exist: an order beyond the buttons made so far would be cut short.
    rButton->SetTabOrder(0);
    xminButton->SetTabOrder(1);
    xButton->SetTabOrder(2);
    Button_ShowRAM->SetTabOrder(3);
}

void TMainWindow::CreateTrayIcon()
{
    TrayIcon = new TTrayIcon(this, FServices.notifyArea);
    TrayIcon->SetName("TrayIcon");
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
