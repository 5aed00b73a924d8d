// The main window on a desk that changes under it: monitors that go away or change size,
// taskbars that move, a window grown past the bottom of its work area, and drives that come and
// go while the program runs.
#include "app/main_form.h"

#include <utility>

#include "app/screen_fit.h"
#include "ui/application.h"
#include "ui/timer.h"

namespace {

// Announcements closer together than this give one scan: a stick with several partitions, or
// a share mapped while the system still reports the letter, announces itself more than once.
constexpr unsigned kVolumeSettleMs = 500;
// Wine's taskbar moves onto a changed desk, and takes its place from the work area, without a
// notice: for a while after a change of the monitors (and after the start) the work areas are
// looked at again, twice a second for ten seconds.
constexpr unsigned kDeskSettleMs = 500;
constexpr int kDeskSettleChecks = 20;

}  // namespace

void TMainWindow::FitOnWorkArea()
{
    const auto place = PlaceWhollyOnWorkArea(BoundsRect(), Screen().WorkAreas());
    if (!place || (place->x == Left() && place->y == Top()))
        return;
    SetBounds(place->x, place->y, Width(), Height());
    MemoryPanelFollows();
}

void TMainWindow::FitBothOnWorkArea()
{
    FitOnWorkArea();
    FitMemoryPanel();
}

void TMainWindow::DisplaysChanged()
{
    FitBothOnWorkArea();
    WatchDeskSettle();
}

void TMainWindow::WatchDeskSettle()
{
    FDeskChecksLeft = kDeskSettleChecks;
    FSettledWorkAreas = Screen().WorkAreas();
    if (FDeskSettle == nullptr) {
        FDeskSettle = new TTimer(this);
        FDeskSettle->SetInterval(kDeskSettleMs);
        // With the memory window open its checks fall on the headings' beats, whose wake-ups
        // they share.
        FDeskSettle->SetOnBeat(true);
        FDeskSettle->OnTimer = [this](TObject*) { DeskSettleCheck(); };
    }
    FDeskSettle->SetEnabled(true);
}

void TMainWindow::DeskSettleCheck()
{
    if (--FDeskChecksLeft <= 0)
        FDeskSettle->SetEnabled(false);
    std::vector<TRect> workAreas = Screen().WorkAreas();
    if (workAreas == FSettledWorkAreas)
        return;
    FSettledWorkAreas = std::move(workAreas);
    FitBothOnWorkArea();
}

void TMainWindow::WorkAreaChanged() { FitBothOnWorkArea(); }

void TMainWindow::DpiChanged() { RefreshMeters(); }

// The first announcement starts the wait; the ones during it add nothing. The scan runs as a
// refresh does, also while the window is hidden, so that the tray's tooltip is current.
void TMainWindow::DrivesChanged(bool /*arrival*/, const std::string& /*letters*/)
{
    if (VolumeTimer == nullptr) {
        VolumeTimer = new TTimer(this);
        VolumeTimer->SetInterval(kVolumeSettleMs);
        VolumeTimer->OnTimer = [this](TObject*) {
            VolumeTimer->SetEnabled(false);
            RefreshMeters();
        };
    } else if (VolumeTimer->Enabled()) {
        return;
    }
    VolumeTimer->SetEnabled(true);
}
