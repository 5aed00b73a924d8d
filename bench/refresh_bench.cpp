// How much a refresh costs: a full drive scan that rebuilds every meter row and repaints the
// main window, and the memory the window holds after many refreshes (it must stay flat, since
// each scan replaces the rows of the one before).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "app/main_form.h"
#include "app/program.h"
#include "platform/fake/fake_platform.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr std::int64_t MiB = 1024 * 1024;

// A busy machine: fixed drives C..J, a network drive and a CD-ROM without a disc.
sw::FakePlatform BusyMachine()
{
    sw::FakePlatform platform;
    for (char letter = 'C'; letter <= 'J'; ++letter) {
        sw::FakeDrive d;
        d.kind = sw::DriveKind::Fixed;
        d.totalBytes = (40000 + 1000 * (letter - 'C')) * MiB;
        d.freeBytes = (14805 + 500 * (letter - 'C')) * MiB;
        platform.drives->Set(letter, d);
    }
    sw::FakeDrive network;
    network.kind = sw::DriveKind::Network;
    network.totalBytes = 500000 * MiB;
    network.freeBytes = 120000 * MiB;
    platform.drives->Set('N', network);
    sw::FakeDrive cd;
    cd.kind = sw::DriveKind::CdRom;
    cd.mediaPresent = false;
    platform.drives->Set('R', cd);
    return platform;
}

void BM_RefreshTenDrives(benchmark::State& state)
{
    UseHeadlessBackend();
    sw::FakePlatform platform = BusyMachine();
    TMainWindow* form = CreateMainWindow(platform.Services());
    // The window shows when the message loop starts, as in the program; a refresh of a hidden
    // window would skip every repaint.
    Application().Run();
    if (!Headless().IsShown(form->Handle()))
        state.SkipWithError("the main window is not shown");
    for (auto _ : state)
        form->ScanDrives(form->SizeUnit());
    state.counters["components"] = static_cast<double>(form->ComponentCount());
    Application().Reset();
}
BENCHMARK(BM_RefreshTenDrives)->Unit(benchmark::kMicrosecond);

}  // namespace
