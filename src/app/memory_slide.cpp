// The main window's ">>" button: slides the memory window out to its right and back. The slide
// holds the GUI thread for its pauses; the closing slide does not repaint between steps.
#include "app/main_form.h"

#include <cstdint>

#include "app/memory_place.h"
#include "controls/push_button.h"
#include "ui/application.h"

namespace {

constexpr unsigned kSlidePauseMs = 5;

}  // namespace

// Out to the right of this window, or to its left where the right has no room on the screen.
void TForm1::Button_ShowRAMClick(TObject*)
{
    Form2->SyncTransparency();
    if (MemoryWindowOpen()) {
        for (int i = 1; i <= 20; ++i) {
            Form2->SetLeft(SaturatedInt(std::int64_t{Form2->Left()} - i));
            Application().Sleep(kSlidePauseMs);
        }
        Form2->Close();
        SetMemoryWindowOpen(false);
    } else {
        Form2->Show();
        const bool toTheRight =
            RoomRightOf(BoundsRect(), Form2->Width(), WorkAreaAround(BoundsRect()));
        for (int i = 1; i <= 10; ++i) {
            Form2->SetLeft(SlideOutLeft(Left(), Width(), Form2->Width(), toTheRight, i));
            Application().Sleep(kSlidePauseMs);
            Form2->Repaint();
        }
        SetMemoryWindowOpen(true);
        MemoryWindowEverOpened = true;
    }
}

// The closed panel took the keyboard with it: a shown main window gets it back, on the button
// that had the focus, so the keys work again at once.
void TForm1::MemoryWindowClosed()
{
    SetMemoryWindowOpen(false);
    if (!Visible())
        return;
    if (ActiveControl() == nullptr)
        SelectFirst();
    BringToFront();
}

// The caption tells the user the state; the state itself is never read back from it.
void TForm1::SetMemoryWindowOpen(bool open)
{
    FMemoryWindowOpen = open;
    Button_ShowRAM->SetCaption(open ? "<<" : ">>");
}
