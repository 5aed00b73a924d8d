// A drive monitor refreshes all day: ten thousand refreshes by the "r" key must leave the main
// window with the components it had after ten, and the heap in use must not grow with the number
// of refreshes. Each scan replaces the rows of the one before, so anything a refresh keeps shows
// up here as growth.
#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "app/main_form.h"
#include "app/memory_form.h"
#include "app/program.h"
#include "controls/scroll_text.h"
#include "platform/fake/fake_platform.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr std::int64_t MiB = 1024 * 1024;

// Fixed drives C..J, a network drive and a CD-ROM drive without a disc: ten rows.
void TenDrives(sw::FakeDrives& drives)
{
    for (char letter = 'C'; letter <= 'J'; ++letter) {
        sw::FakeDrive d;
        d.kind = sw::DriveKind::Fixed;
        d.totalBytes = (40000 + 1000 * (letter - 'C')) * MiB;
        d.freeBytes = (14805 + 500 * (letter - 'C')) * MiB;
        drives.Set(letter, d);
    }
    sw::FakeDrive network;
    network.kind = sw::DriveKind::Network;
    network.totalBytes = 500000 * MiB;
    network.freeBytes = 120000 * MiB;
    drives.Set('N', network);
    sw::FakeDrive cd;
    cd.kind = sw::DriveKind::CdRom;
    cd.mediaPresent = false;
    drives.Set('R', cd);
}

// The fake drives log every error-mode change and serial query for the tests that look at them;
// over a day of refreshes those logs would be the test's growth, not the program's.
class UnloggedDrives : public sw::IDrives {
public:
    explicit UnloggedDrives(std::shared_ptr<sw::FakeDrives> drives) : FDrives(std::move(drives)) { }
    sw::DriveKind Kind(char letter) override { return FDrives->Kind(letter); }
    sw::DiskSpace Space(char letter) override { return FDrives->Space(letter); }
    bool IsReadable(char letter) override { return FDrives->IsReadable(letter); }
    sw::VolumeSerialNumber VolumeSerial(char letter) override
    {
        if (!FDrives->IsReadable(letter))
            return {};
        return {0x1A2B3C4Du, true};
    }
    sw::ErrorMode QuietErrors() override { return std::exchange(FMode, 1); }
    void RestoreErrors(sw::ErrorMode previous) override { FMode = previous; }

private:
    std::shared_ptr<sw::FakeDrives> FDrives;
    unsigned FMode = 0;
};

std::atomic<std::size_t> gLiveBytes{0};

// Bytes the program holds through new, counted as the allocator hands them out: unlike the
// allocator's own statistics it does not move with the caches glibc keeps of freed blocks.
std::size_t HeapInUse() { return gLiveBytes.load(); }

void Refresh(int times)
{
    for (int i = 0; i < times; ++i)
        Headless().PressKey(TKey{'R'}, 'r');
}

TEST(RefreshSoakTest, TenThousandRefreshesKeepTheComponentsAndDoNotGrowTheHeap)
{
    UseHeadlessBackend();
    sw::FakePlatform platform;
    TenDrives(*platform.drives);
    sw::PlatformServices services = platform.Services();
    services.drives = std::make_shared<UnloggedDrives>(platform.drives);
    TMainWindow* form = CreateMainWindow(services);
    Application().Run();
    ASSERT_TRUE(Headless().IsShown(form->Handle()));
    // The hidden memory window's headings tick on worker threads in real time, and a stopped
    // heading's worker keeps ticking (the tick is dropped on arrival): each tick in flight holds
    // its hand-over (a promise, a queue entry) on the heap, so the figures moved by whatever
    // the two workers were doing at the moment of reading. Taken off their threads, the
    // headings wait for a clock the soak never moves, and the heap figures see the refreshes
    // alone.
    for (TScrollText* heading :
         {MemoryWindowOf(*form).MemoryHeading, MemoryWindowOf(*form).VirtualMemoryHeading}) {
        heading->SetActive(false);
        heading->SetThreaded(false);
    }
    const int presentsBefore = Headless().Window(form->Handle())->presents;

    Refresh(10);
    const int components = form->ComponentCount();
    // Caches built once (fonts, glyph strips, a tick still in flight) settle in the first
    // thousand; a leak of even one byte a refresh would add 9,000 bytes over the next 9,000.
    Refresh(1000 - 10);
    const std::size_t heapAfterThousand = HeapInUse();
    Refresh(10000 - 1000);
    const std::size_t heapAfterTenThousand = HeapInUse();

    EXPECT_EQ(form->ComponentCount(), components);
    EXPECT_LE(heapAfterTenThousand, heapAfterThousand + 1024)
        << "the heap grew with the refreshes: " << heapAfterThousand << " bytes after 1,000, "
        << heapAfterTenThousand << " after 10,000";
    // Every refresh really ran and repainted the shown window.
    EXPECT_GT(Headless().Window(form->Handle())->presents, presentsBefore + 10000);
    EXPECT_EQ(form->MeterRows().size(), 10u);
    Application().Reset();
}

}  // namespace

// Every new and delete of the program goes through these (the array and sized forms forward to
// them); aligned allocations keep the library's own pair and are not counted.
void* operator new(std::size_t size)
{
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr)
        throw std::bad_alloc();
    gLiveBytes += malloc_usable_size(p);
    return p;
}

void operator delete(void* p) noexcept
{
    if (p == nullptr)
        return;
    gLiveBytes -= malloc_usable_size(p);
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
