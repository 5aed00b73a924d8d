// The main window on a desk that changes under it: monitors that go away or change size, a
// window grown past the bottom of its work area, and drives that come and go while the program
// runs.
#include "app/main_form.h"

#include "app/screen_fit.h"
#include "ui/application.h"
#include "ui/timer.h"

namespace {

// Announcements closer together than this give one scan: a stick with several partitions, or
// a share mapped while the system still reports the letter, announces itself more than once.
constexpr unsigned kVolumeSettleMs = 500;

// Moves `form` into the nearest work area when no part of it lies on any.
void FitOnScreen(TForm& form, const std::vector<TRect>& workAreas)
{
    if (auto place = PlaceOnWorkArea(form.BoundsRect(), workAreas))
        form.SetBounds(place->x, place->y, form.Width(), form.Height());
}

}  // namespace

void TMainWindow::KeepOnScreen()
{
    const std::vector<TRect> workAreas = Screen().WorkAreas();
    FitOnScreen(*this, workAreas);
    if (MemoryWindowOpen() && MemoryPanel != nullptr)
        FitOnScreen(*MemoryPanel, workAreas);
}

void TMainWindow::FitOnWorkArea()
{
    const auto place = PlaceWhollyOnWorkArea(BoundsRect(), Screen().WorkAreas());
    if (!place || (place->x == Left() && place->y == Top()))
        return;
    SetBounds(place->x, place->y, Width(), Height());
    MemoryPanelFollows();
}

void TMainWindow::DisplaysChanged() { KeepOnScreen(); }

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
