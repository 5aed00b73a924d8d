#include "memory_snapshot.h"

#include <iostream>

#include "app/main_form.h"
#include "app/memory_form.h"
#include "app/program.h"
#include "controls/scroll_text.h"
#include "controls/push_button.h"
#include "png_file.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr std::int64_t GiB = std::int64_t(1024) * 1024 * 1024;
// A 64-bit process's user-mode address space, less the 64 KB at either end.
constexpr std::int64_t kAddressSpace = 0x7FFFFFFE0000;
// Steps that bring a heading's text in from the right edge of its strip.
constexpr int kHeadingTicks = 60;

}  // namespace

int WriteMemorySnapshot(sw::FakePlatform& platform, const std::string& path)
{
    platform.memory->Status = {8 * GiB, 3 * GiB, kAddressSpace, kAddressSpace - 2 * GiB};
    UseHeadlessBackend();
    TForm1* main = CreateMainWindow(platform.Services());
    main->Show();
    TForm2& memory = MemoryWindowOf(*main);
    // Headings held still, so the same figures always give the same picture, each stepped by
    // hand until its text stands inside the strip.
    memory.VrScrollText1->SetActive(false);
    memory.VrScrollText2->SetActive(false);
    for (int tick = 0; tick < kHeadingTicks; ++tick) {
        memory.VrScrollText1->Tick();
        memory.VrScrollText2->Tick();
    }
    Headless().AdvanceTime(memory.Timer1->Interval());
    main->Button_ShowRAM->Click();
    memory.PaintImage();
    if (!WritePng(memory.Image(), path)) {
        std::cerr << "snapshot: cannot write " << path << "\n";
        return 1;
    }
    std::cout << path << ": " << memory.Width() << "x" << memory.Height() << " at " << memory.Left()
              << "," << memory.Top() << "\n";
    return 0;
}
