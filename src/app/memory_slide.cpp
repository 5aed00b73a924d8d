// The main window's ">>" button: slides the memory window out to its right and back. The slide
// holds the GUI thread for its pauses; the closing slide does not repaint between steps. While
// open, the memory window goes where the main window goes, keeping its side and offset, stays
// centred on it as its height changes, and stays wholly on the work area as the desk changes.
#include "app/main_form.h"

#include <algorithm>
#include <cstdint>

#include "app/memory_place.h"
#include "app/screen_fit.h"
#include "controls/push_button.h"
#include "ui/application.h"

namespace {

constexpr unsigned kSlidePauseMs = 5;
// Steps of the slide, in design pixels: one more each time, 10 out and 20 back.
constexpr int kOpenSteps = 10;
constexpr int kCloseSteps = 20;

}  // namespace

// Out to the right of this window, or to its left where the right has no room on the screen.
// The slide's steps end where the panel is to stand, so that a panel pushed over this window
// still moves its ten steps outwards.
void TMainWindow::MemoryButtonClick(TObject*)
{
    MemoryPanel->SyncTransparency();
    if (MemoryWindowOpen()) {
        for (int i = 1; i <= kCloseSteps; ++i) {
            MemoryPanel->SetLeft(SaturatedInt(std::int64_t{MemoryPanel->Left()} - Scaled(i)));
            Application().Sleep(kSlidePauseMs);
        }
        MemoryPanel->Close();
        SetMemoryWindowOpen(false);
    } else {
        MemoryPanel->Show();
        const TBesidePlace place = BesideHost(BoundsRect(), MemoryPanel->Width(),
                                              Scaled(kOpenSteps), WorkAreaAround(BoundsRect()));
        for (int i = 1; i <= kOpenSteps; ++i) {
            MemoryPanel->SetLeft(SlideOutLeft(place, Scaled(kOpenSteps) - Scaled(i)));
            Application().Sleep(kSlidePauseMs);
            MemoryPanel->Repaint();
        }
        SetMemoryWindowOpen(true);
        MemoryWindowEverOpened = true;
        KeepMemoryPanelOffset();
    }
}

void TMainWindow::KeepMemoryPanelOffset()
{
    if (!MemoryWindowOpen())
        return;
    FMemoryPanelOffset = {MemoryPanel->Left() - Left(), MemoryPanel->Top() - Top()};
}

// The top is kept on the work area, as the opening put it there.
void TMainWindow::MemoryPanelFollows()
{
    if (!MemoryWindowOpen() || MemoryPanel == nullptr)
        return;
    const TRect area = WorkAreaAround(BoundsRect());
    const std::int64_t top = std::max<std::int64_t>(
        std::min<std::int64_t>(std::int64_t{Top()} + FMemoryPanelOffset.y,
                               std::int64_t{area.bottom} - MemoryPanel->Height()),
        area.top);
    MemoryPanel->SetBounds(SaturatedInt(std::int64_t{Left()} + FMemoryPanelOffset.x),
                           SaturatedInt(top), MemoryPanel->Width(), MemoryPanel->Height());
}

void TMainWindow::MemoryPanelCentres()
{
    if (!MemoryWindowOpen() || MemoryPanel == nullptr)
        return;
    MemoryPanel->SetTop(
        CentredTop(Top(), Height(), MemoryPanel->Height(), WorkAreaAround(BoundsRect())));
    KeepMemoryPanelOffset();
}

// A panel already wholly on a work area keeps its place; one that is not goes beside this
// window again, as the opening put it.
void TMainWindow::FitMemoryPanel()
{
    if (!MemoryWindowOpen() || MemoryPanel == nullptr)
        return;
    const TRect panel = MemoryPanel->BoundsRect();
    const auto fitted = PlaceWhollyOnWorkArea(panel, Screen().WorkAreas());
    if (!fitted || (fitted->x == panel.left && fitted->y == panel.top))
        return;
    const TRect area = WorkAreaAround(BoundsRect());
    MemoryPanel->SetBounds(BesideHost(BoundsRect(), panel.Width(), Scaled(kOpenSteps), area).left,
                           CentredTop(Top(), Height(), panel.Height(), area), panel.Width(),
                           panel.Height());
    KeepMemoryPanelOffset();
}

// The closed panel took the keyboard with it: a shown main window gets it back, on the button
// that had the focus, so the keys work again at once.
void TMainWindow::MemoryWindowClosed()
{
    SetMemoryWindowOpen(false);
    if (!Visible())
        return;
    if (ActiveControl() == nullptr)
        SelectFirst();
    BringToFront();
}

// The caption tells the user the state; the state itself is never read back from it.
void TMainWindow::SetMemoryWindowOpen(bool open)
{
    FMemoryWindowOpen = open;
    MemoryButton->SetCaption(open ? "<<" : ">>");
}
