// The main window keeping watch: the drives are measured again by themselves, so that a disk
// filling while nobody looks still changes the rows, the tooltip, the tray's picture and brings
// the balloon. A watch that finds nothing changed draws nothing.
#include "app/main_form.h"

#include <algorithm>

#include "app/paint_hold.h"
#include "ui/timer.h"

namespace {

// The figures a row shows; the letter, slot and kind decide where and in which colours.
bool SameFigures(const sw::MeterRow& a, const sw::MeterRow& b)
{
    return a.Free == b.Free && a.Used == b.Used && a.Total == b.Total && a.Serial == b.Serial &&
           a.Responding == b.Responding;
}

bool SamePlaces(const std::vector<sw::MeterRow>& a, const std::vector<sw::MeterRow>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Letter != b[i].Letter || a[i].Slot != b[i].Slot || a[i].Kind != b[i].Kind)
            return false;
    return true;
}

}  // namespace

// A refresh that waits for queued input scans anyway.
void TMainWindow::KeepWatch()
{
    if (FRefreshSettle != nullptr && FRefreshSettle->Enabled())
        return;
    std::vector<sw::MeterRow> rows;
    const std::string hint =
        FScanner.WatchDrives(SizeUnit(), FServices.locale->DecimalSeparator(),
                             [&rows](const sw::MeterRow& row) { rows.push_back(row); });
    if (Visible()) {
        ShowWatchedRows(rows);
    } else {
        FRowsStale = FRowsStale || !SamePlaces(rows, FScannedRows) ||
                     !std::equal(rows.begin(), rows.end(), FScannedRows.begin(), SameFigures);
        FScannedRows = std::move(rows);
    }
    SetTrayHint(hint);
    WarnOfLowSpace();
}

// A drive that came, went or changed its kind moves rows: that takes a scan, as a refresh does.
void TMainWindow::ShowWatchedRows(const std::vector<sw::MeterRow>& rows)
{
    if (FRowsStale || !SamePlaces(rows, FScannedRows)) {
        ScanDrives(SizeUnit());
        return;
    }
    const PaintHold hold(*this);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!SameFigures(rows[i], FScannedRows[i]))
            ReplaceMeterRow(i, rows[i]);
}
