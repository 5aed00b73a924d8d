// The main window's ">>" button: slides the memory window out to its right and back. The slide
// holds the GUI thread for its pauses; the closing slide does not repaint between steps.
#include "app/main_form.h"

#include <cstdint>

#include "app/memory_place.h"
#include "controls/push_button.h"
#include "ui/application.h"

namespace {

constexpr unsigned kSlidePauseMs = 5;
// Steps of the slide, in design pixels: one more each time, 10 out and 20 back.
constexpr int kOpenSteps = 10;
constexpr int kCloseSteps = 20;

}  // namespace

// Out to the right of this window, or to its left where the right has no room on the screen.
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
        const bool toTheRight = RoomRightOf(BoundsRect(), MemoryPanel->Width(), Scaled(kOpenSteps),
                                            WorkAreaAround(BoundsRect()));
        for (int i = 1; i <= kOpenSteps; ++i) {
            MemoryPanel->SetLeft(
                SlideOutLeft(Left(), Width(), MemoryPanel->Width(), toTheRight, Scaled(i)));
            Application().Sleep(kSlidePauseMs);
            MemoryPanel->Repaint();
        }
        SetMemoryWindowOpen(true);
        MemoryWindowEverOpened = true;
    }
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
