// The memory window as designed: its controls in creation order with their places, texts,
// fonts, colours and bevels, and the handlers they fire wired in. Three controls (the level bar,
// the product link and the check box) are part of the design but never shown.
#include "app/memory_form.h"

#include <utility>

#include "app/app_icon.h"
#include "app/bold_font.h"
#include "app/palette.h"
#include "app/sky_button.h"
#include "app/sys_info.h"
#include "controls/link_label.h"
#include "controls/check_box.h"
#include "controls/border.h"
#include "controls/level_bar.h"
#include "controls/scroll_text.h"
#include "controls/track_bar.h"
#include "controls/push_button.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace {

// A one-pixel lowered ring in the system's shadow and highlight around a flat interior.
void DesignGutterBevel(TBevel& bevel)
{
    bevel.SetInnerShadow(clBtnShadow);
    bevel.SetInnerHighlight(clBtnHighlight);
    bevel.SetInnerWidth(1);
    bevel.SetInnerStyle(TBevelStyle::bsNone);
    bevel.SetInnerSpace(0);
    bevel.SetInnerColor(clBtnFace);
    bevel.SetOuterShadow(clBtnShadow);
    bevel.SetOuterHighlight(clBtnHighlight);
    bevel.SetOuterStyle(TBevelStyle::bsLowered);
    bevel.SetOuterOutline(TBevelOutlineStyle::osNone);
}

// No rings, only a black band of two pixels and a one-pixel gap around the segments.
void DesignLevelBevel(TBevel& bevel)
{
    bevel.SetInnerShadow(clBtnShadow);
    bevel.SetInnerHighlight(clBtnHighlight);
    bevel.SetInnerWidth(2);
    bevel.SetInnerStyle(TBevelStyle::bsNone);
    bevel.SetInnerSpace(1);
    bevel.SetInnerColor(clBlack);
    bevel.SetOuterShadow(clBtnShadow);
    bevel.SetOuterHighlight(clBtnHighlight);
    bevel.SetOuterStyle(TBevelStyle::bsNone);
    bevel.SetOuterOutline(TBevelOutlineStyle::osNone);
}

void DesignPalette(TGaugePalette& palette, TColor low, TColor high)
{
    palette.SetLow(low);
    palette.SetHigh(high);
}

}  // namespace

TMemoryPanel::TMemoryPanel(TComponent* owner, IMemoryWindowHost& host,
                           sw::PlatformServices services)
    : TMemoryWindow(owner), FHost(host), FServices(std::move(services))
{
    SetName("MemoryPanel");
    SetCaption("Form2");
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBounds(650, 360, 285, 362);
    SetColor(clBtnFace);
    SetAlphaBlend(false);
    SetAlphaBlendValue(200);
    SetKeyPreview(true);
    Icon().SetImage(SpacewellIconPicture(), clNone);
    CreateFigureLabels();
    CreateHeadingsAndPicture();
    CreateLink();
    CreateGauges();
    CreateButtons();
    SysInfo = new TSystemInfo(this, FServices.memory);
    SysInfo->SetName("SysInfo");
    RefreshTimer = new TTimer(this);
    RefreshTimer->SetName("RefreshTimer");
    RefreshTimer->SetInterval(500);
    // Every tenth beat of the headings: one wake-up serves both.
    RefreshTimer->SetOnBeat(true);
    RefreshTimer->OnTimer = [this](TObject* sender) { RefreshFigures(sender); };
    // The window starts hidden: the figures are read as it shows.
    RefreshTimer->SetEnabled(false);
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

// The frame and the labels up to the first heading; the level bar sits between the two groups
// of labels in the creation order.
void TMemoryPanel::CreateFigureLabels()
{
    TitleBorder = NewTitleBorder();

    PhysicalTotalHeading = NewBoldLabel("PhysicalTotalHeading", 16, 30, "TOTAL:");
    VirtualAvailableFigure = NewLabel("VirtualAvailableFigure", 80, 168, "VRAM Free");
    VirtualTotalFigure = NewLabel("VirtualTotalFigure", 80, 152, "VRAM Total");
    PhysicalAvailableHeading = NewBoldLabel("PhysicalAvailableHeading", 16, 85, "Available:");
    MemoryHeading = NewHeading("MemoryHeading", 8, "MEMORY");

    AvailableLevel = new TLevelBar(this);
    AvailableLevel->SetName("AvailableLevel");
    AvailableLevel->SetParent(this);
    AvailableLevel->SetBounds(212, 214, 25, 145);
    DesignLevelBevel(AvailableLevel->Bevel());
    DesignPalette(AvailableLevel->Palette1(), clGreen, clLime);
    DesignPalette(AvailableLevel->Palette2(), clOlive, clYellow);
    DesignPalette(AvailableLevel->Palette3(), clMaroon, clRed);
    AvailableLevel->SetVisible(false);

    PhysicalAvailableFigure = NewLabel("PhysicalAvailableFigure", 80, 85, "RAM Free");
    PhysicalTotalFigure = NewLabel("PhysicalTotalFigure", 80, 30, "RAM Total");
    VirtualTotalHeading = NewBoldLabel("VirtualTotalHeading", 16, 152, "TOTAL:");
    VirtualAvailableHeading = NewBoldLabel("VirtualAvailableHeading", 16, 168, "Available:");
}

void TMemoryPanel::CreateHeadingsAndPicture()
{
    VirtualMemoryHeading = NewHeading("VirtualMemoryHeading", 128, "Virtual MEMORY");

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(this);
    ProgramIcon->SetBounds(240, 130, 32, 32);
    ProgramIcon->SetPicture(SpacewellIconPicture());

    AvailableScaleLabel = NewBoldLabel("AvailableScaleLabel", 215, 109, "10 GB", -9);
    TotalScaleLabel = NewBoldLabel("TotalScaleLabel", 215, 54, "10 GB", -9);
}

// The product page link: hidden, its page opened by the window's own mouse-down handler.
void TMemoryPanel::CreateLink()
{
    ProductLink = new TLinkLabel(this);
    ProductLink->SetName("ProductLink");
    ProductLink->SetParent(this);
    ProductLink->SetShell(FServices.shell);
    ProductLink->SetAutoSize(false);
    ProductLink->SetBounds(164, 190, 109, 20);
    ProductLink->SetCaption("Product Web Page");
    ProductLink->SetCursor(crHandPoint);
    ProductLink->SetHint("Visit Spacewell");
    ProductLink->SetShowHint(true);
    ProductLink->SetParentShowHint(false);
    TFontSpec font;
    font.height = -12;
    font.color = clBlue;
    ProductLink->SetFont(font);
    TFontSpec hotFont = Bolded(font);
    hotFont.underline = true;
    ProductLink->SetHotTrackFont(hotFont);
    ProductLink->SetHotTrack(true);
    ProductLink->SetAutoOpenURL(false);
    ProductLink->SetTransparent(true);
    ProductLink->SetVisible(false);
    ProductLink->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift,
                                      int x,
                                      int y) { ProductLinkMouseDown(sender, button, shift, x, y); };
}

// Read-only gauges in tenths of a gigabyte: total ticks below the track, available above.
void TMemoryPanel::CreateGauges()
{
    TotalTrackBar = NewTrackBar("TotalTrackBar", 48);
    TotalTrackBar->SetTickMarks(TTickMarks::tmBottomRight);
    AvailableTrackBar = NewTrackBar("AvailableTrackBar", 104);
    AvailableTrackBar->SetTickMarks(TTickMarks::tmTopLeft);
}

void TMemoryPanel::CreateButtons()
{
    CloseButton = NewSkyButton(*this, "CloseButton", Bounds(258, 9, 15, 15), "x", "Close [Q]");
    CloseButton->SetFont(Bolded());
    CloseButton->SetShowHint(true);
    CloseButton->SetParentShowHint(false);
    CloseButton->OnClick = [this](TObject* sender) { CloseButtonClick(sender); };
    CloseButton->OnKeyPress = [this](TObject* sender, char& key) {
        CloseButtonKeyPress(sender, key);
    };

    RamCheckBox = new TCheckBox(this);
    RamCheckBox->SetName("RamCheckBox");
    RamCheckBox->SetParent(this);
    RamCheckBox->SetBounds(16, 188, 121, 17);
    RamCheckBox->SetCaption("Show RAM in Tray");
    RamCheckBox->SetHint("Show RAM Chart in Sytem Tray");
    RamCheckBox->SetShowHint(true);
    RamCheckBox->SetParentShowHint(false);
    RamCheckBox->SetTabOrder(1);
    RamCheckBox->SetEnabled(false);
    RamCheckBox->SetVisible(false);
    RamCheckBox->OnClick = [this](TObject* sender) { RamCheckBoxClick(sender); };
}

TLabel* TMemoryPanel::NewLabel(const char* name, int left, int top, const char* caption)
{
    auto* label = new TLabel(this);
    label->SetName(name);
    label->SetParent(this);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TLabel* TMemoryPanel::NewBoldLabel(const char* name, int left, int top, const char* caption,
                                   int fontHeight)
{
    TLabel* label = NewLabel(name, left, top, caption);
    TFontSpec font = Bolded();
    font.height = fontHeight;
    label->SetFont(font);
    return label;
}

// A heading that scrolls right to left from its own worker thread: pale letters on dark blue.
TScrollText* TMemoryPanel::NewHeading(const char* name, int top, const char* caption)
{
    auto* heading = new TScrollText(this);
    heading->SetName(name);
    heading->SetParent(this);
    heading->SetBounds(96, top, 70, 18);
    heading->SetCaption(caption);
    TFontSpec font = Bolded();
    font.color = palette::kPaleBlue;
    heading->SetFont(font);
    heading->SetColor(palette::kDarkBlue);
    heading->SetThreaded(true);
    heading->SetScrollDirection(sdRightToLeft);
    // The window starts hidden: the worker waits parked until it shows.
    heading->Timer().SetPaused(true);
    heading->SetActive(true);
    return heading;
}

// Headings and figures nobody can see would only wake their workers and the GUI thread (the
// figures' captions cost most of a hidden program's time under Wine): the headings are paused
// while the window is closed or hidden with the minimized application, and go on from where
// they stood when it shows again; the figures are read afresh as it shows.
void TMemoryPanel::ScreenPresenceChanged()
{
    MemoryHeading->Timer().SetPaused(!OnScreen());
    VirtualMemoryHeading->Timer().SetPaused(!OnScreen());
    if (OnScreen())
        RefreshFigures(RefreshTimer);
    RefreshTimer->SetEnabled(OnScreen());
}

TTrackBar* TMemoryPanel::NewTrackBar(const char* name, int top)
{
    auto* bar = new TTrackBar(this);
    bar->SetName(name);
    bar->SetParent(this);
    bar->SetBounds(8, top, 201, 25);
    bar->SetPosition(10);
    bar->SetGutterWidth(10);
    DesignGutterBevel(bar->GutterBevel());
    bar->SetEnabled(false);
    return bar;
}
