// The drive scan's side of the main window: every scan replaces the meter rows, one row per
// shown drive in its slot, and hands its summary to the tray icon's tooltip; a drive that answers
// after its scan gave up on it brings a scan of its own. The rows are rebuilt out of sight: the
// window takes its new height and reaches the screen once, when every row is in.
#include "app/main_form.h"

#include <algorithm>

#include "app/bold_font.h"
#include "app/paint_hold.h"
#include "app/palette.h"
#include "controls/progress_bar.h"
#include "controls/push_button.h"
#include "controls/tray_icon.h"
#include "controls/border.h"
#include "meter/caption.h"
#include "meter/summary.h"
#include "ui/application.h"
#include "ui/label.h"

namespace {

constexpr int kSlotPitch = 22;
// Below the ">>" button, as below a row's bar.
constexpr int kBottomMargin = 8;

}  // namespace

sw::GuiThreadHooks TMainWindow::ScanHooks()
{
    sw::GuiThreadHooks hooks;
    hooks.handOver = [](const std::function<void()>& work) { Application().Synchronize(work); };
    hooks.runPending = [] { Application().CheckSynchronize(); };
    hooks.now = [] { return Application().TickCount(); };
    // A drive that answered late shows up by itself: refreshed as R does while the window is
    // shown, and scanned all the same while hidden so that the tooltip is current.
    hooks.lateAnswerKept = [this](char) {
        if (!Application().Terminated() && !Application().Destroying())
            Application().Guard([this] { RefreshMeters(); });
    };
    return hooks;
}

void TMainWindow::ScanDrives(const std::string& unit)
{
    const PaintHold hold(*this);
    FRowsHeight = 0;
    RemoveMeterRows();
    FScannedRows.clear();
    FRowsStale = false;
    SetTrayHint(FScanner.ScanDrives(unit, FServices.locale->DecimalSeparator()));
    WarnOfLowSpace();
    if (FRowsHeight > 0)
        ApplyRowsHeight();
}

// The last row's height, but never so short that the ">>" button is cut; then the window is
// kept wholly on its work area, and an open memory window centred on it again.
void TMainWindow::ApplyRowsHeight()
{
    const int height =
        std::max(FRowsHeight, MemoryButton->Top() + MemoryButton->Height() + Scaled(kBottomMargin));
    TitleBorder->SetHeight(height);
    const bool changed = height != Height();
    SetHeight(height);
    FitOnWorkArea();
    if (changed)
        MemoryPanelCentres();
}

// Rows of an earlier scan would pile up beneath the new ones, each bar keeping its own image.
void TMainWindow::RemoveMeterRows()
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

void TMainWindow::SetTrayHint(const std::string& hint)
{
    FTrayHint = hint;
    TrayIcon->SetHint(sw::FittedTooltip(FTrayHint, sw::kTooltipLimit));
}

void TMainWindow::AddMeterRow(const sw::MeterRow& row)
{
    FRows.push_back(NewMeterRow(row));
    FScannedRows.push_back(row);
    FRowsHeight = Scaled(kSlotPitch) * row.Slot + Scaled(58);
    Repaint();
}

// The row's new controls take the old ones' place in the list, so rows keep their order.
void TMainWindow::ReplaceMeterRow(std::size_t index, const sw::MeterRow& row)
{
    delete FRows[index].bar;
    delete FRows[index].label;
    FRows[index] = NewMeterRow(row);
    FScannedRows[index] = row;
}

TMainWindow::MeterRowControls TMainWindow::NewMeterRow(const sw::MeterRow& row)
{
    TLabel* label = NewRowLabel(row);
    TGradientBar* bar = NewRowBar(row);
    ApplyMeterCaption(*bar, row);
    bar->SetShowHint(true);
    const bool low = ShowsLowSpace(row);
    bar->SetStartColor(low ? palette::kWarningStart : row.StartColor);
    bar->SetEndColor(low ? palette::kWarningEnd : row.EndColor);
    bar->SetSolid(true);
    bar->SetTextOption(TBarTextOption::toCaption);
    bar->SetVisible(true);
    bar->SetEnabled(true);
    // Made while loading, the label measures its text and the bar draws its picture once, here,
    // instead of after every setting.
    label->EndLoading();
    bar->EndLoading();
    return {label, bar};
}

TLabel* TMainWindow::NewRowLabel(const sw::MeterRow& row)
{
    auto* label = new TLabel(this);
    label->BeginLoading();
    label->SetParent(this);
    label->SetLeft(Scaled(8));
    label->SetTop(Scaled(kSlotPitch) * row.Slot + Scaled(35));
    // Auto-size replaces this height with the text's once the caption is set.
    label->SetHeight(Scaled(20));
    label->SetCaption(std::string(1, row.Letter) + ":");
    label->SetFont(Bolded(label->Font()));
    label->SetHint(sw::LetterHint(row));
    label->SetShowHint(true);
    label->OnDblClick = [this, row](TObject*) { OpenDrive(row); };
    return label;
}

TGradientBar* TMainWindow::NewRowBar(const sw::MeterRow& row)
{
    auto* bar = new TGradientBar(this);
    bar->BeginLoading();
    bar->SetParent(this);
    bar->SetLeft(Scaled(26));
    bar->SetTop(Scaled(kSlotPitch) * row.Slot + Scaled(30));
    bar->SetWidth(Scaled(248));
    bar->SetHeight(Scaled(20));
    TFontSpec font = bar->Font();
    font.color = clWhite;
    bar->SetFont(font);
    bar->SetFont(Bolded(font));
    bar->SetColor(clSilver);
    bar->SetParentColor(false);
    bar->SetBorderStyle(TFormBorderStyle::bsNone);
    bar->SetShowHint(false);
    bar->OnDblClick = [this, row](TObject*) { OpenDrive(row); };
    return bar;
}

// The general caption and position first, then a special caption in their place (a CD-ROM
// drive, or a drive that did not answer).
void TMainWindow::ApplyMeterCaption(TGradientBar& bar, const sw::MeterRow& row)
{
    const char separator = FServices.locale->DecimalSeparator();
    const sw::MeterDisplay general = sw::ModelCaption(row, FSettings.model, separator);
    if (general.position) {
        bar.SetPosition(*general.position);
        if (general.caption)
            bar.SetCaption(*general.caption);
        CheckModelItem(FSettings.model);
    }
    if (const auto special = sw::SpecialCaption(row, separator)) {
        bar.SetCaption(*special->caption);
        if (special->position)
            bar.SetPosition(*special->position);
    }
}
