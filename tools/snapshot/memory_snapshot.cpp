#include "memory_snapshot.h"

#include <iostream>

#include "app/main_form.h"
#include "app/memory_form.h"
#include "app/program.h"
#include "controls/scroll_text.h"
#include "controls/push_button.h"
#include "png_file.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr std::int64_t MiB = std::int64_t(1024) * 1024;
constexpr std::int64_t GiB = 1024 * MiB;
// The shipped 32-bit program's user-mode address space: 2 GB less the 64 KB at either end.
constexpr std::int64_t kAddressSpace = 0x7FFE0000;
// What the running program itself has of it in use: code, heap, stacks, mapped libraries.
constexpr std::int64_t kAddressSpaceInUse = 75 * MiB;
// Steps that bring a heading's text in from the right edge of its strip.
constexpr int kHeadingTicks = 60;

}  // namespace

int WriteMemorySnapshot(sw::FakePlatform& platform, const std::string& path, int dpi)
{
    platform.memory->Status = {8 * GiB, 3 * GiB, kAddressSpace, kAddressSpace - kAddressSpaceInUse};
    UseHeadlessBackend().SetSystemDpi(dpi);
    TMainWindow* main = CreateMainWindow(platform.Services());
    main->Show();
    TMemoryPanel& memory = MemoryWindowOf(*main);
    // Headings held still, so the same figures always give the same picture, each stepped by
    // hand until its text stands inside the strip.
    memory.MemoryHeading->SetActive(false);
    memory.VirtualMemoryHeading->SetActive(false);
    for (int tick = 0; tick < kHeadingTicks; ++tick) {
        memory.MemoryHeading->Tick();
        memory.VirtualMemoryHeading->Tick();
    }
    Headless().AdvanceTime(memory.RefreshTimer->Interval());
    main->MemoryButton->Click();
    memory.PaintImage();
    const bool written = WritePng(memory.Image(), path);
    if (written)
        std::cout << path << ": " << memory.Width() << "x" << memory.Height() << " at "
                  << memory.Left() << "," << memory.Top() << "\n";
    else
        std::cerr << "snapshot: cannot write " << path << "\n";
    // The shown headings' workers end with their window: a tick while the tool ends would find
    // the toolkit gone.
    Application().Reset();
    return written ? 0 : 1;
}
