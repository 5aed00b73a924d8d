// The main window speaking up about nearly full drives: their bars in the warning ramp, the
// tray's warning picture while any is low, one balloon when drives become low; and a double
// click on a drive's row opening it in the file manager.
#include "app/main_form.h"

#include "app/app_icon.h"
#include "controls/tray_icon.h"
#include "ui/application.h"
#include "ui/menus.h"

namespace {

constexpr const char* kBalloonTitle = "Low disk space";
constexpr unsigned kBalloonMs = 10000;

}  // namespace

bool TMainWindow::ShowsLowSpace(const sw::MeterRow& row) const
{
    return FSettings.warnWhenLow && sw::IsLowOnSpace(row, FSettings.lowSpacePercent);
}

void TMainWindow::WarnOfLowSpace()
{
    if (!FSettings.warnWhenLow)
        return;
    const std::vector<sw::MeterRow> newlyLow =
        FLowSpace.Scan(FScannedRows, FSettings.lowSpacePercent);
    ShowWarningIcon(FLowSpace.AnyLow());
    if (newlyLow.empty())
        return;
    TrayIcon->BalloonHint(kBalloonTitle,
                          sw::LowSpaceBalloonText(newlyLow, FServices.locale->DecimalSeparator()),
                          TBalloonType::btWarning, kBalloonMs);
}

// Only a change reaches the tray: with no drive ever low the icon is never touched.
void TMainWindow::ShowWarningIcon(bool show)
{
    if (show == FWarningIconShown)
        return;
    FWarningIconShown = show;
    TrayIcon->Icon().SetImage(TrayPicture(), clNone);
}

TBitmap TMainWindow::TrayPicture() const
{
    const int size = Scaled(kTrayIconSize);
    return FWarningIconShown ? SpacewellWarningIconPicture(size) : SpacewellIconPicture(size);
}

void TMainWindow::SetWarnWhenLow(bool value)
{
    FSettings.warnWhenLow = value;
    WarnWhenLowItem->SetChecked(value);
    if (value)
        return;
    FLowSpace.Reset();
    ShowWarningIcon(false);
}

// The bars take their colours when made, so a scan shows the change.
void TMainWindow::WarnWhenLowChosen(TObject*)
{
    SetWarnWhenLow(!FSettings.warnWhenLow);
    RefreshMeters();
}

// As the file manager does, a drive without its disc says so rather than opening nothing.
void TMainWindow::OpenDrive(const sw::MeterRow& row)
{
    if (row.Responding && row.Kind == "CD-ROM" && row.Total <= 0) {
        Application().MessageBox(std::string("Insert a disc into drive ") + row.Letter + ":",
                                 Application().Title(), TMsgBoxButtons::Ok,
                                 TMsgBoxIcon::Information);
        return;
    }
    if (!row.Responding || row.Total <= 0)
        return;
    FServices.shell->ShellOpen(Handle(), "open", std::string(1, row.Letter) + ":\\", "");
}
