// Whole scans over fake drive tables: slots, rows, colours, summaries and kept state.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "meter/drive_scanner.h"
#include "platform/fake/fake_drives.h"

namespace sw {
namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

FakeDrive Drive(DriveKind kind, std::int64_t freeMB, std::int64_t totalMB)
{
    return {kind, freeMB * kMiB, totalMB * kMiB};
}

FakeDrive Empty(DriveKind kind)
{
    FakeDrive d{kind};
    d.mediaPresent = false;
    return d;
}

class ScanTest : public testing::Test {
protected:
    std::shared_ptr<FakeDrives> fake = std::make_shared<FakeDrives>();
    FakeDrives& drives = *fake;
    std::vector<MeterRow> rows;
    DriveScanner scanner{fake, [this](const MeterRow& r) { rows.push_back(r); }};

    std::string Letters() const
    {
        std::string s;
        for (const auto& r : rows)
            s += r.Letter;
        return s;
    }
};

TEST_F(ScanTest, FixedCdRemovableNetworkTakeSlotsInOrder)
{
    drives.Set('C', Drive(DriveKind::Fixed, 14805, 40183));
    drives.Set('D', Empty(DriveKind::CdRom));
    drives.Set('E', Empty(DriveKind::Removable));
    drives.Set('F', Drive(DriveKind::Network, 100, 300));
    std::string hint = scanner.ScanDrives("MB", '.');

    ASSERT_EQ(Letters(), "CDF");
    EXPECT_EQ(rows[0].Slot, 0);
    EXPECT_EQ(rows[1].Slot, 1);
    EXPECT_EQ(rows[2].Slot, 3);  // E keeps slot 2 empty
    EXPECT_EQ(rows[0].Kind, "FIXED");
    EXPECT_EQ(rows[1].Kind, "CD-ROM");
    EXPECT_EQ(rows[2].Kind, "REMOTE");
    EXPECT_EQ(hint, "FS/TS ( MB): C: 14805/40183  F: 100/300  ");
    EXPECT_EQ(scanner.UnitSuffix(), " MB");
    for (const auto& r : rows)
        EXPECT_EQ(r.UnitSuffix, " MB") << r.Letter;
}

TEST_F(ScanTest, RowCarriesFiguresAndColours)
{
    drives.Set('B', Drive(DriveKind::Removable, 1, 2));
    drives.Set('C', Drive(DriveKind::Fixed, 14805, 40183));
    drives.Set('F', Drive(DriveKind::Network, 100, 300));
    drives.Set('G', Drive(DriveKind::CdRom, 400, 700));
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(rows.size(), 4u);
    const MeterRow& c = rows[1];
    EXPECT_EQ(c.Free, 14805);
    EXPECT_EQ(c.Used, 25378);
    EXPECT_EQ(c.Total, 40183);
    struct Colours {
        std::uint32_t start, end;
    };
    const Colours expected[] = {{kClBackground, kClBackground},
                                {0x008000, 0x008000},
                                {0x00FFFF, 0x0000FF},
                                {0xFF00FF, 0x800080}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].StartColor, expected[i].start) << rows[i].Letter;
        EXPECT_EQ(rows[i].EndColor, expected[i].end) << rows[i].Letter;
    }
}

TEST_F(ScanTest, LetterAIsNeverExaminedAndZIs)
{
    drives.Set('A', Drive(DriveKind::Removable, 1, 2));
    drives.Set('Z', Drive(DriveKind::Fixed, 5, 10));
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): Z: 5/10  ");
    EXPECT_EQ(Letters(), "Z");
}

TEST_F(ScanTest, OtherKindsTakeNoSlot)
{
    drives.Set('C', Drive(DriveKind::RamDisk, 5, 10));
    drives.Set('D', Drive(DriveKind::Unknown, 5, 10));
    drives.Set('E', Drive(DriveKind::Fixed, 5, 10));
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(Letters(), "E");
    EXPECT_EQ(rows[0].Slot, 0);
}

TEST_F(ScanTest, GigabyteModeConvertsEachFigureOnItsOwn)
{
    drives.Set('C', Drive(DriveKind::Fixed, 14805, 40183));
    drives.Set('D', Drive(DriveKind::CdRom, 0, 703));
    std::string hint = scanner.ScanDrives("GB", '.');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_DOUBLE_EQ(rows[0].Free, 14.458);
    EXPECT_DOUBLE_EQ(rows[0].Total, 39.241);
    EXPECT_DOUBLE_EQ(rows[0].Used, 24.783);  // Total - Free would be 24.783 here too
    EXPECT_DOUBLE_EQ(rows[1].Total, 0.687);
    EXPECT_EQ(hint, "FS/TS ( GB): C: 14/39  ");
    EXPECT_EQ(scanner.UnitSuffix(), " GB");
    EXPECT_EQ(rows[0].UnitSuffix, " GB");
    EXPECT_EQ(rows[1].UnitSuffix, " GB");
}

TEST_F(ScanTest, UsedIsConvertedFromMegabytesNotSubtracted)
{
    // 1 MB free of 22 MB: 0.001 of 0.021 GB, yet the 21 MB used convert to 0.021 GB too.
    drives.Set('C', Drive(DriveKind::Fixed, 1, 22));
    scanner.ScanDrives("GB", '.');
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_DOUBLE_EQ(rows[0].Free, 0.001);
    EXPECT_DOUBLE_EQ(rows[0].Total, 0.021);
    EXPECT_DOUBLE_EQ(rows[0].Used, 0.021);
}

TEST_F(ScanTest, AnyUnitOtherThanGBIsMegabytes)
{
    drives.Set('C', Drive(DriveKind::Fixed, 1536, 2048));
    for (auto unit : {"", "gb", "MB"}) {
        rows.clear();
        EXPECT_EQ(scanner.ScanDrives(unit, '.'), "FS/TS ( MB): C: 1536/2048  ") << unit;
    }
}

// A full drive of any kind but CD-ROM keeps its tooltip entry with nothing free; a full disc
// and an empty CD drive get none.
TEST_F(ScanTest, LessThanOneMegabyteFreeGetsARowAndAnEntryOfNothingFree)
{
    drives.Set('B', {DriveKind::Removable, 0, 2 * kMiB});
    drives.Set('C', {DriveKind::Fixed, kMiB - 1, 500 * kMiB});
    drives.Set('D', Drive(DriveKind::Network, 0, 64));
    drives.Set('E', Drive(DriveKind::CdRom, 0, 650));
    drives.Set('F', Empty(DriveKind::CdRom));
    drives.Set('G', Drive(DriveKind::Fixed, 3, 10));
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): B: 0/2  C: 0/500  D: 0/64  G: 3/10  ");
    ASSERT_EQ(Letters(), "BCDEFG");
    EXPECT_EQ(rows[1].Free, 0);
    EXPECT_EQ(rows[1].Used, 500);
    rows.clear();
    EXPECT_EQ(scanner.ScanDrives("GB", '.'),
              "FS/TS ( GB): B: 0/0.002  C: 0/0.488  D: 0/0.062  G: 0.003/0.01  ")
        << "a size below half a gigabyte is not 0";
}

// A watch asks the letters that were drives: a drive gone shows, one come waits for a scan
// (announced drives bring one), and the rows go to the watch's own builder.
TEST_F(ScanTest, AWatchAsksOnlyTheDrivesItKnows)
{
    drives.Set('C', Drive(DriveKind::Fixed, 5, 10));
    drives.Set('D', Drive(DriveKind::Fixed, 6, 10));
    scanner.ScanDrives("MB", '.');
    rows.clear();
    drives.Set('E', Drive(DriveKind::Fixed, 7, 10));
    drives.Remove('C');
    std::string watched;
    EXPECT_EQ(
        scanner.WatchDrives("MB", '.', [&watched](const MeterRow& row) { watched += row.Letter; }),
        "FS/TS ( MB): D: 6/10  ");
    EXPECT_EQ(watched, "D");
    EXPECT_EQ(Letters(), "");
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): D: 6/10  E: 7/10  ");
}

TEST_F(ScanTest, FailedQueryGivesNoRowButKeepsTheSlot)
{
    FakeDrive broken = Drive(DriveKind::Fixed, 5, 10);
    broken.spaceQueryFails = true;
    drives.Set('C', broken);
    drives.Set('D', Drive(DriveKind::Fixed, 5, 10));
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): D: 5/10  ");
    ASSERT_EQ(Letters(), "D");
    EXPECT_EQ(rows[0].Slot, 1);
}

TEST_F(ScanTest, HalfGigabytesRoundToEvenInTheSummaryButNeverToNothing)
{
    drives.Set('C', Drive(DriveKind::Fixed, 512, 1536));  // 0.5 GB of 1.5 GB
    drives.Set('D', Drive(DriveKind::Fixed, 2560, 3584));  // 2.5 GB of 3.5 GB
    EXPECT_EQ(scanner.ScanDrives("GB", '.'), "FS/TS ( GB): C: 0.5/2  D: 2/4  ");
}

TEST_F(ScanTest, FirstScanWithoutDrivesAndKeptSuffixAfterwards)
{
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS (): ");
    EXPECT_TRUE(rows.empty());
    drives.Set('C', Drive(DriveKind::Fixed, 5, 10));
    scanner.ScanDrives("GB", '.');
    drives.Remove('C');
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( GB): ");
}

TEST_F(ScanTest, SerialIsKeptFromTheDriveReadBefore)
{
    FakeDrive c = Drive(DriveKind::Fixed, 5, 10);
    c.serial = 0x1A2B3C4D;
    drives.Set('C', c);
    drives.Set('D', Empty(DriveKind::CdRom));
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Serial, "1A2B - 3C4D");
    EXPECT_EQ(rows[1].Serial, "1A2B - 3C4D");
}

TEST_F(ScanTest, SerialStartsEmptyInEveryScan)
{
    FakeDrive c = Drive(DriveKind::Fixed, 5, 10);
    c.serial = 0x1A2B3C4D;
    drives.Set('C', c);
    scanner.ScanDrives("MB", '.');
    drives.Remove('C');
    drives.Set('D', Empty(DriveKind::CdRom));
    rows.clear();
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Serial, "");
}

TEST_F(ScanTest, PresentButUnreadableMediumCountsAsEmpty)
{
    FakeDrive cd = Drive(DriveKind::CdRom, 100, 650);
    cd.unreadable = true;
    FakeDrive stick = Drive(DriveKind::Removable, 100, 650);
    stick.unreadable = true;
    drives.Set('D', cd);
    drives.Set('E', stick);
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): ");
    ASSERT_EQ(Letters(), "D");
    EXPECT_EQ(rows[0].Total, 0);
    EXPECT_EQ(rows[0].Free, 0);
}

TEST_F(ScanTest, RemovableSerialIsReadWithDialogsOff)
{
    drives.Set('C', Drive(DriveKind::Fixed, 5, 10));
    drives.Set('E', Empty(DriveKind::Removable));
    drives.Set('F', Drive(DriveKind::Removable, 5, 10));
    drives.RestoreErrors(0);
    scanner.ScanDrives("MB", '.');
    EXPECT_EQ(drives.SerialsReadSilently(), "EF");
    EXPECT_EQ(drives.SerialsReadLoudly(), "C");
    EXPECT_EQ(drives.Mode(), 0u);
    // Each worker's switch was undone: as many restores to 0 as switches, after the test's own.
    const std::vector<ErrorMode> calls = drives.ErrorModeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), 0u),
              std::count(calls.begin(), calls.end(), FakeDrives::kQuiet) + 1);
    EXPECT_EQ(Letters(), "CF");
}

TEST_F(ScanTest, CdWithDiscIsMeasured)
{
    FakeDrive cd = Drive(DriveKind::CdRom, 0, 650);
    cd.serial = 0xCAFE0001;
    drives.Set('D', cd);
    EXPECT_EQ(scanner.ScanDrives("MB", '.'), "FS/TS ( MB): ");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Total, 650);
    EXPECT_EQ(rows[0].Used, 650);
    EXPECT_EQ(rows[0].Serial, "CAFE - 0001");
}

// At start the drives are asked while the window is built: the first scan takes what they said
// then and waits for a letter still answering; the scan after it asks every letter afresh.
TEST_F(ScanTest, AnswersAskedAheadServeTheNextScanOnly)
{
    drives.Set('C', Drive(DriveKind::Fixed, 100, 200));
    drives.Set('D', Drive(DriveKind::Fixed, 300, 400));
    drives.Hang('D');
    scanner.AskAhead();
    for (int i = 0; i < 2000 && drives.Waiting('D') == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(drives.Waiting('D'), 1) << "D was never asked ahead";
    drives.Set('C', Drive(DriveKind::Fixed, 50, 200));
    std::thread answer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        drives.Unhang('D');
    });
    scanner.ScanDrives("MB", '.');
    answer.join();
    ASSERT_EQ(Letters(), "CD");
    EXPECT_EQ(rows[0].Free, 100);
    EXPECT_EQ(rows[1].Free, 300);

    rows.clear();
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(Letters(), "CD");
    EXPECT_EQ(rows[0].Free, 50);
}

// A thread costs more to start than a desk's letters cost to ask: scans share one worker, and a
// hung letter brings in one more for the rest, not one for every scan that follows. (Bounds, not
// exact counts: a loaded machine may hold a worker long enough to add one.)
TEST_F(ScanTest, ScansShareTheirWorkersAndAHungLetterAddsOne)
{
    drives.Set('C', Drive(DriveKind::Fixed, 100, 200));
    drives.Set('D', Drive(DriveKind::Fixed, 300, 400));
    for (int i = 0; i < 20; ++i)
        scanner.ScanDrives("MB", '.');
    const int shared = drives.AskingThreads();
    EXPECT_LE(shared, 2);

    drives.Hang('C');
    for (int i = 0; i < 5; ++i) {
        rows.clear();
        scanner.ScanDrives("MB", '.');
    }
    EXPECT_LE(drives.AskingThreads(), shared + 2);
    ASSERT_EQ(Letters(), "CD");
    EXPECT_EQ(rows[1].Free, 300);
    drives.Unhang('C');
}

// The GUI thread of a test: late answers handed over wait here until the test runs them.
class GuiQueue {
public:
    GuiThreadHooks Hooks(std::uint32_t& now, std::string& kept)
    {
        return {[this](const std::function<void()>& work) { HandOver(work); },
                [this] { RunPending(); }, [&now] { return now; },
                [&kept](char letter) { kept += letter; }};
    }
    void RunPending()
    {
        std::unique_lock held(FLock);
        while (!FWork.empty()) {
            FWork.front()();
            FWork.pop_front();
        }
        FRan.notify_all();
    }

private:
    void HandOver(const std::function<void()>& work)
    {
        std::unique_lock held(FLock);
        FWork.push_back(work);
        FRan.wait(held, [&] { return FWork.empty(); });
    }
    std::mutex FLock;
    std::condition_variable FRan;
    std::deque<std::function<void()>> FWork;
};

// A hung letter holds a scan for 300 ms of the real clock, no longer; its late answer is then
// its fresh one for exactly ten seconds of the GUI thread's clock.
TEST(DriveAskerTest, AHungLetterCostsAScanItsBudgetAndItsLateAnswerKeepsTenSeconds)
{
    auto fake = std::make_shared<FakeDrives>();
    fake->Set('C', Drive(DriveKind::Fixed, 100, 200));
    fake->Set('D', Drive(DriveKind::Fixed, 300, 400));
    fake->Hang('C', FakeHang::AfterKind);
    std::uint32_t now = 1000;
    std::string kept;
    GuiQueue gui;
    std::vector<MeterRow> rows;
    DriveScanner scanner(
        fake, [&](const MeterRow& r) { rows.push_back(r); }, gui.Hooks(now, kept));
    const auto start = std::chrono::steady_clock::now();
    scanner.ScanDrives("MB", '.');
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(290));
    EXPECT_LT(took, std::chrono::milliseconds(800)) << "a hung drive holds the scan";
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].Responding);

    fake->Unhang('C');
    for (int i = 0; i < 5000 && kept.empty(); ++i) {
        gui.RunPending();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(kept, "C");
    fake->Set('C', Drive(DriveKind::Fixed, 50, 200));
    now = 1000 + 9999;
    rows.clear();
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Free, 100) << "kept answer";
    now = 1000 + 10000;
    rows.clear();
    scanner.ScanDrives("MB", '.');
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Free, 50) << "asked afresh";
}

// Workers come only for letters that hold one, and go again when the letters answer.
TEST_F(ScanTest, QuickScansOfABusyDeskKeepThePoolAtItsSize)
{
    for (char letter = 'B'; letter <= 'Z'; ++letter)
        drives.Set(letter, Drive(DriveKind::Fixed, 100, 200));
    for (int i = 0; i < 600; ++i)
        scanner.ScanDrives("MB", '.');
    EXPECT_LE(scanner.Workers(), 2);

    drives.Hang('E');
    drives.Hang('K');
    drives.Hang('T');
    for (int i = 0; i < 20; ++i)
        scanner.ScanDrives("MB", '.');
    EXPECT_LE(scanner.Workers(), 3 + 2) << "one for each held letter and the spare";
    drives.Unhang('E');
    drives.Unhang('K');
    drives.Unhang('T');
    for (int i = 0; i < 5000 && scanner.Workers() > 1; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(scanner.Workers(), 1);
}

}  // namespace
}  // namespace sw
