// The main window's ">>" button: slides the memory window out to its right and back. The slide
// holds the GUI thread for its pauses; the closing slide does not repaint between steps.
#include "app/main_form.h"

#include "controls/push_button.h"
#include "ui/application.h"

namespace {

constexpr unsigned kSlidePauseMs = 5;

}  // namespace

void TForm1::Button_ShowRAMClick(TObject*)
{
    Form2->SyncTransparency();
    if (MemoryWindowOpen()) {
        for (int i = 1; i <= 20; ++i) {
            Form2->SetLeft(Form2->Left() - i);
            Application().Sleep(kSlidePauseMs);
        }
        Form2->Close();
        SetMemoryWindowOpen(false);
    } else {
        Form2->Show();
        for (int i = 1; i <= 10; ++i) {
            Form2->SetLeft(Left() + Width() + i);
            Application().Sleep(kSlidePauseMs);
            Form2->Repaint();
        }
        SetMemoryWindowOpen(true);
        MemoryWindowEverOpened = true;
    }
}

// The caption tells the user the state; the state itself is never read back from it.
void TForm1::SetMemoryWindowOpen(bool open)
{
    FMemoryWindowOpen = open;
    Button_ShowRAM->SetCaption(open ? "<<" : ">>");
}
