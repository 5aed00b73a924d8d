// The main window's design, its creation without a settings file, the scan that rebuilds the
// meter rows, and the hit test that lets the body drag the window.
#include "app/main_form.h"

#include <utility>

#include "app/app_icon.h"
#include "controls/jv_gradient_progress.h"
#include "controls/vr_border.h"
#include "meter/caption.h"
#include "ui/label.h"
#include "ui/timer.h"

namespace {

constexpr int kSlotPitch = 22;

TFontSpec Bolded(TFontSpec font)
{
    font.bold = true;
    return font;
}

}  // namespace

TForm1::TForm1(TComponent* owner, sw::PlatformServices services)
    : TForm(owner), FServices(std::move(services)),
      FScanner(*FServices.drives, [this](const sw::MeterRow& row) { AddMeterRow(row); })
{
    SetName("Form1");
    SetCaption("Spacewell");
    SetBorderStyle(bsNone);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(523, 288, 282, 154);
    SetColor(0xFFEEDD);
    SetAlphaBlend(true);
    SetAlphaBlendValue(200);
    SetKeyPreview(true);
    SetShowHint(true);
    Icon().SetImage(SpacewellIconPicture(), clNone);
    CreateTitleBand();
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(300000);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
}

void TForm1::CreateTitleBand()
{
    Label_Form = new TLabel(this);
    Label_Form->SetName("Label_Form");
    Label_Form->SetParent(this);
    Label_Form->SetAutoSize(false);
    Label_Form->SetBounds(8, 8, 266, 16);
    Label_Form->SetCaption("Spacewell v.2");
    Label_Form->SetColor(0xB35900);
    Label_Form->SetParentColor(false);
    TFontSpec titleFont;
    titleFont.height = -13;
    titleFont.bold = true;
    titleFont.color = 0xFFEEDD;
    Label_Form->SetFont(titleFont);

    Border_Form = new TVrBorder(this);
    Border_Form->SetName("Border_Form");
    Border_Form->SetParent(this);
    Border_Form->SetBounds(0, 0, 282, 50);
    Border_Form->SetShadowColor(0xB35900);
    Border_Form->SetHighlightColor(0xFFA851);
}

void TForm1::FormCreate(TObject* sender)
{
    (void)sender;
    Label_Form->SetHeight(17);
    FSizeUnit = "MB";
    SetModel(2);
    SetTransparency(30);
    ScanDrives(FSizeUnit);
}

void TForm1::SetModel(int value)
{
    FModel = value;
    CheckModelItem(value);
}

// The window keeps its designed alpha until a transparency is chosen from the menu.
void TForm1::SetTransparency(int value) { FTransparency = value; }

// The model items arrive with the tray menu; until then there is nothing to check.
void TForm1::CheckModelItem(int model) { (void)model; }

void TForm1::ScanDrives(const std::string& unit)
{
    RemoveMeterRows();
    FTrayHint = FScanner.ScanDrives(unit, FServices.locale->DecimalSeparator());
}

// Rows of an earlier scan would pile up beneath the new ones, each bar keeping its own image.
void TForm1::RemoveMeterRows()
{
    if (FRows.empty())
        return;
    for (const MeterRowControls& row : FRows) {
        delete row.bar;
        delete row.label;
    }
    FRows.clear();
    Invalidate();
}

void TForm1::AddMeterRow(const sw::MeterRow& row)
{
    TLabel* label = NewRowLabel(row);
    TJvSpecialProgress* bar = NewRowBar(row);
    FRows.push_back({label, bar});

    // The order of these settings decides when the bar rebuilds its picture.
    ApplyMeterCaption(*bar, row);
    bar->SetShowHint(true);
    bar->SetStartColor(row.StartColor);
    bar->SetEndColor(row.EndColor);
    bar->SetSolid(true);
    bar->SetTextOption(toCaption);
    bar->SetVisible(true);
    bar->SetEnabled(true);

    const int height = kSlotPitch * row.Slot + 58;
    Border_Form->SetHeight(height);
    SetHeight(height);
    Repaint();
}

TLabel* TForm1::NewRowLabel(const sw::MeterRow& row)
{
    auto* label = new TLabel(this);
    label->SetParent(this);
    label->SetLeft(8);
    label->SetTop(kSlotPitch * row.Slot + 35);
    // Auto-size replaces this height with the text's once the caption is set.
    label->SetHeight(20);
    label->SetCaption(std::string(1, row.Letter) + ":");
    label->SetFont(Bolded(label->Font()));
    label->SetHint(row.Serial);
    label->SetShowHint(true);
    return label;
}

TJvSpecialProgress* TForm1::NewRowBar(const sw::MeterRow& row)
{
    auto* bar = new TJvSpecialProgress(this);
    bar->SetParent(this);
    bar->SetLeft(26);
    bar->SetTop(kSlotPitch * row.Slot + 30);
    bar->SetWidth(248);
    bar->SetHeight(20);
    TFontSpec font = bar->Font();
    font.color = clWhite;
    bar->SetFont(font);
    bar->SetFont(Bolded(font));
    bar->SetColor(clSilver);
    bar->SetParentColor(false);
    bar->SetBorderStyle(bsNone);
    bar->SetShowHint(false);
    return bar;
}

// The general caption and position first, then the CD-ROM rules in their place.
void TForm1::ApplyMeterCaption(TJvSpecialProgress& bar, const sw::MeterRow& row)
{
    const char separator = FServices.locale->DecimalSeparator();
    auto display = [&](const std::string& kind) {
        return sw::MeterCaption(FModel, kind, row.Free, row.Used, row.Total, UnitSuffix(),
                                FSizeUnit, separator);
    };
    if (row.Free != 0 && row.Total != 0) {
        const sw::MeterDisplay general = display("");
        bar.SetPosition(*general.position);
        if (general.caption)
            bar.SetCaption(*general.caption);
        CheckModelItem(FModel);
    }
    if (row.Kind == "CD-ROM") {
        const sw::MeterDisplay cd = display(row.Kind);
        bar.SetCaption(*cd.caption);
        if (cd.position)
            bar.SetPosition(*cd.position);
    }
}

void TForm1::WMNCHitTest(TPoint screen, int& result)
{
    TForm::WMNCHitTest(screen, result);
    if (result == HTCLIENT)
        result = HTCAPTION;
}
