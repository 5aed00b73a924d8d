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
    SetBorderStyle(bsNone);
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
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(500);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

// The frame and the labels up to the first heading; the level bar sits between the two groups
// of labels in the creation order.
void TMemoryPanel::CreateFigureLabels()
{
    Border_Form = new TBorder(this);
    Border_Form->SetName("Border_Form");
    Border_Form->SetParent(this);
    Border_Form->SetBounds(0, 0, 282, 50);
    Border_Form->SetShadowColor(palette::kDarkBlue);
    Border_Form->SetHighlightColor(palette::kLightBlue);

    Label_TOTAL = NewBoldLabel("Label_TOTAL", 16, 30, "TOTAL:");
    Label_VRAM_FREE = NewLabel("Label_VRAM_FREE", 80, 168, "VRAM Free");
    Label_VRAM_TOTAL = NewLabel("Label_VRAM_TOTAL", 80, 152, "VRAM Total");
    Label_AVLB = NewBoldLabel("Label_AVLB", 16, 85, "Available:");
    VrScrollText1 = NewHeading("VrScrollText1", 8, "MEMORY");

    LB_AVLB = new TLevelBar(this);
    LB_AVLB->SetName("LB_AVLB");
    LB_AVLB->SetParent(this);
    LB_AVLB->SetBounds(212, 214, 25, 145);
    DesignLevelBevel(LB_AVLB->Bevel());
    DesignPalette(LB_AVLB->Palette1(), clGreen, clLime);
    DesignPalette(LB_AVLB->Palette2(), clOlive, clYellow);
    DesignPalette(LB_AVLB->Palette3(), clMaroon, clRed);
    LB_AVLB->SetVisible(false);

    Label_RamFree = NewLabel("Label_RamFree", 80, 85, "RAM Free");
    Label_RamTotal = NewLabel("Label_RamTotal", 80, 30, "RAM Total");
    Label1 = NewBoldLabel("Label1", 16, 152, "TOTAL:");
    Label2 = NewBoldLabel("Label2", 16, 168, "Available:");
}

void TMemoryPanel::CreateHeadingsAndPicture()
{
    VrScrollText2 = NewHeading("VrScrollText2", 128, "Virtual MEMORY");

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(240, 130, 32, 32);
    Image1->SetPicture(SpacewellIconPicture());

    Label_GB_Available = NewBoldLabel("Label_GB_Available", 215, 109, "10 GB", -9);
    Label_GB_Total = NewBoldLabel("Label_GB_Total", 215, 54, "10 GB", -9);
}

// The product page link: hidden, its page opened by the window's own mouse-down handler.
void TMemoryPanel::CreateLink()
{
    Label_Product = new TLinkLabel(this);
    Label_Product->SetName("Label_Product");
    Label_Product->SetParent(this);
    Label_Product->SetShell(FServices.shell);
    Label_Product->SetAutoSize(false);
    Label_Product->SetBounds(164, 190, 109, 20);
    Label_Product->SetCaption("Product Web Page");
    Label_Product->SetCursor(crHandPoint);
    Label_Product->SetHint("Visit Spacewell");
    Label_Product->SetShowHint(true);
    Label_Product->SetParentShowHint(false);
    TFontSpec font;
    font.height = -12;
    font.color = clBlue;
    Label_Product->SetFont(font);
    TFontSpec hotFont = Bolded(font);
    hotFont.underline = true;
    Label_Product->SetHotTrackFont(hotFont);
    Label_Product->SetHotTrack(true);
    Label_Product->SetAutoOpenURL(false);
    Label_Product->SetTransparent(true);
    Label_Product->SetVisible(false);
    Label_Product->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift,
                                        int x, int y) {
        Label_ProductMouseDown(sender, button, shift, x, y);
    };
}

// Read-only gauges in tenths of a gigabyte: total ticks below the track, available above.
void TMemoryPanel::CreateGauges()
{
    TB_TOTAL = NewTrackBar("TB_TOTAL", 48);
    TB_TOTAL->SetTickMarks(TTickMarks::tmBottomRight);
    TB_Available = NewTrackBar("TB_Available", 104);
    TB_Available->SetTickMarks(TTickMarks::tmTopLeft);
}

void TMemoryPanel::CreateButtons()
{
    xButton = NewSkyButton(*this, "xButton", Bounds(258, 9, 15, 15), "x", "Close [Q]");
    xButton->SetFont(Bolded());
    xButton->SetShowHint(true);
    xButton->SetParentShowHint(false);
    xButton->OnClick = [this](TObject* sender) { xButtonClick(sender); };
    xButton->OnKeyPress = [this](TObject* sender, char& key) { xButtonKeyPress(sender, key); };

    CB_RAM = new TCheckBox(this);
    CB_RAM->SetName("CB_RAM");
    CB_RAM->SetParent(this);
    CB_RAM->SetBounds(16, 188, 121, 17);
    CB_RAM->SetCaption("Show RAM in Tray");
    CB_RAM->SetHint("Show RAM Chart in Sytem Tray");
    CB_RAM->SetShowHint(true);
    CB_RAM->SetParentShowHint(false);
    CB_RAM->SetTabOrder(1);
    CB_RAM->SetEnabled(false);
    CB_RAM->SetVisible(false);
    CB_RAM->OnClick = [this](TObject* sender) { CB_RAMClick(sender); };
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

// Headings nobody can see would only wake their workers and the GUI thread: they are paused
// while the window is closed or hidden with the minimized application, and go on from where
// they stood when it shows again.
void TMemoryPanel::CMOnScreenChanged()
{
    VrScrollText1->Timer().SetPaused(!OnScreen());
    VrScrollText2->Timer().SetPaused(!OnScreen());
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
