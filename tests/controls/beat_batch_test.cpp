// Ticks due at one beat reach the GUI thread as one post, whichever worker comes last, and a
// worker that withdraws from the beat hands over the ticks that waited for it. The beats are
// named by hand, far from any clock's, so that no timer of the test process joins them; the
// waits only bound the loops.
#include "controls/beat_batch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "gui_pump.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

class BeatBatch : public ::testing::Test {
protected:
    void SetUp() override { backend = &UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // A worker that ticks at `beat`, its tick counted on the GUI thread.
    std::thread TickingWorker(std::int64_t beat)
    {
        return std::thread([this, beat] {
            auto handedBack = Application().NewWakeEvent();
            beat_batch::Tick(
                beat, [this] { ++ticksRun; }, *handedBack);
            ++workersBack;
        });
    }

    // Joins the workers once they are back; a worker left waiting fails the test instead of
    // hanging it.
    void Finish(std::thread& a, std::thread& b, int workers)
    {
        const bool back = PumpUntil([&] { return workersBack == workers; });
        if (!back) {
            a.detach();
            b.detach();
            FAIL() << "a worker still waits for its tick";
        }
        a.join();
        b.join();
    }

    HeadlessBackend* backend = nullptr;
    std::atomic<int> ticksRun = 0;
    std::atomic<int> workersBack = 0;
};

TEST_F(BeatBatch, TicksOfOneBeatWakeTheGuiThreadOnce)
{
    constexpr std::int64_t beat = -1000;
    beat_batch::Expect(beat);
    beat_batch::Expect(beat);
    const int postsBefore = backend->PostsMade();
    std::thread first = TickingWorker(beat);
    std::thread second = TickingWorker(beat);
    Finish(first, second, 2);
    EXPECT_EQ(ticksRun, 2);
    EXPECT_EQ(backend->PostsMade() - postsBefore, 1);
}

TEST_F(BeatBatch, AWithdrawnWorkerHandsOverTheTicksThatWaitedForIt)
{
    constexpr std::int64_t beat = -2000;
    beat_batch::Expect(beat);
    beat_batch::Expect(beat);
    std::thread ticking = TickingWorker(beat);
    // A head start, so that the tick usually waits by the time the other worker withdraws; in
    // the other order the tick is last and hands itself over, and the test passes as well.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::thread parked([this, beat] {
        auto handedBack = Application().NewWakeEvent();
        beat_batch::Withdraw(beat, *handedBack);
        ++workersBack;
    });
    Finish(ticking, parked, 2);
    EXPECT_EQ(ticksRun, 1);
}

}  // namespace
