// The memory window within the whole program on the headless backend: a test sets the memory
// figures the system reports, starts the program, lets the window's timer run and slides the
// window out and back with the main window's ">>" button.
#pragma once

#include <cstdint>

#include "app/memory_form.h"
#include "app_fixture.h"
#include "controls/push_button.h"

inline constexpr std::int64_t KiB = 1024;

class MemoryWindowTest : public MainWindowTest {
protected:
    // Bytes, as the system reports them.
    void Memory(std::int64_t totalPhys, std::int64_t availPhys, std::int64_t totalVirtual = 0,
                std::int64_t availVirtual = 0)
    {
        Platform.memory->Status = {totalPhys, availPhys, totalVirtual, availVirtual};
    }

    TForm2& Panel() { return *Form->Form2; }
    // The window's timer interval passes once: one refresh.
    void Refresh() { Headless().AdvanceTime(500); }
    void ClickShowRAM() { Form->Button_ShowRAM->Click(); }
    bool PanelShown() { return Headless().IsShown(Panel().Handle()); }
    const THeadlessWindow& PanelWindow() { return *Headless().Window(Panel().Handle()); }

    TColor PanelPixel(int x, int y)
    {
        Panel().PaintImage();
        return Panel().Image().Pixel(x, y);
    }
};
