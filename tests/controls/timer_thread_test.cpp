// The timer component with a real worker thread: ticks handed to the GUI thread, parking,
// ignoring ticks while disabled, errors from the handler, stopping on destruction and on a
// change of timer type; carried by the loop's beats without a worker, and the message-timer
// variant, on the headless clock. Waits are
// generous and only ever bound a loop; nothing depends on how fast a tick comes.
#include "controls/timer_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <thread>

#include "gui_pump.h"
#include "ui/application.h"
#include "ui/headless/headless_backend.h"

namespace {

using namespace std::chrono_literals;

class TimerThread : public ::testing::Test {
protected:
    void SetUp() override { UseHeadlessBackend(); }
    void TearDown() override { Application().Reset(); }

    // A thread timer of `ms` that counts its ticks and checks they run on this thread.
    void Start(TThreadTimer& timer, unsigned ms)
    {
        timer.SetEnabled(false);
        timer.SetInterval(ms);
        timer.OnTimer = [this](TObject*) {
            if (std::this_thread::get_id() != gui)
                ++foreign;
            ++ticks;
        };
        timer.SetEnabled(true);
    }

    const std::thread::id gui = std::this_thread::get_id();
    std::atomic<int> ticks = 0;
    std::atomic<int> foreign = 0;
};

TEST_F(TimerThread, TicksRunOnTheGuiThreadThroughSynchronize)
{
    TThreadTimer timer(nullptr);
    Start(timer, 5);
    ASSERT_NE(timer.Thread(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(foreign, 0);
}

TEST_F(TimerThread, WorkerTicksOnItsOwnThreadWithoutSyncEvent)
{
    TThreadTimer timer(nullptr);
    timer.SetSyncEvent(false);
    Start(timer, 5);
    // No pumping: the ticks do not need the GUI thread.
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (ticks < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_GE(ticks, 3);
    EXPECT_GE(foreign, 3);
}

TEST_F(TimerThread, ZeroIntervalLeavesTheWorkerParked)
{
    TThreadTimer timer(nullptr);
    Start(timer, 0);
    ASSERT_NE(timer.Thread(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return timer.Thread()->Parked(); }));
    PumpFor(50ms);
    EXPECT_EQ(ticks, 0);

    timer.SetInterval(5);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

TEST_F(TimerThread, WithoutHandlerTheWorkerStaysParked)
{
    TThreadTimer timer(nullptr);
    timer.SetInterval(5);
    timer.SetPriority(TThreadPriority::tpHigher);
    ASSERT_NE(timer.Thread(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return timer.Thread()->Parked(); }));
}

TEST_F(TimerThread, DisabledTimerKeepsItsWorkerButIgnoresTicks)
{
    TThreadTimer timer(nullptr);
    Start(timer, 5);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }));
    timer.SetEnabled(false);
    PumpFor(20ms);
    const int stopped = ticks;
    PumpFor(50ms);
    EXPECT_EQ(ticks, stopped);
    ASSERT_NE(timer.Thread(), nullptr);
    EXPECT_FALSE(timer.Thread()->Parked());

    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks > stopped; }));
}

// Paused, the worker parks (no wake-ups) whatever else changes meanwhile; resumed, the same
// worker ticks again. A timer switched off keeps running its worker after the pause, as before.
TEST_F(TimerThread, PausedTimerParksItsWorkerUntilResumed)
{
    TThreadTimer timer(nullptr);
    timer.SetPaused(true);
    Start(timer, 5);
    TTimerThread* const worker = timer.Thread();
    ASSERT_NE(worker, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return worker->Parked(); }));
    timer.SetInterval(4);
    PumpFor(50ms);
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(worker->Parked());

    timer.SetPaused(false);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_EQ(timer.Thread(), worker);
    EXPECT_EQ(worker->Interval(), 4u);

    timer.SetPaused(true);
    ASSERT_TRUE(PumpUntil([&] { return worker->Parked(); }));
    const int parked = ticks;
    PumpFor(50ms);
    EXPECT_EQ(ticks, parked) << "a tick on its way when paused is dropped";

    timer.SetEnabled(false);
    timer.SetPaused(false);
    EXPECT_TRUE(PumpUntil([&] { return !worker->Parked(); }));
    PumpFor(20ms);
    EXPECT_EQ(ticks, parked);
}

TEST_F(TimerThread, HandlerErrorsGoToTheErrorBoxAndTicksContinue)
{
    std::atomic<int> errors = 0;
    Application().OnException = [&](const std::exception& error) {
        EXPECT_STREQ(error.what(), "tick failed");
        ++errors;
    };
    TThreadTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(5);
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    };
    timer.SetEnabled(true);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 2; }));
    EXPECT_GE(errors, 2);
}

TEST_F(TimerThread, DestructionStopsAWorkerThatWaitsForTheGuiThread)
{
    auto timer = std::make_unique<TThreadTimer>(nullptr);
    Start(*timer, 1);
    // Without pumping, the worker soon blocks handing a tick to this thread.
    std::this_thread::sleep_for(30ms);
    timer.reset();
    const int atStop = ticks;
    PumpFor(20ms);
    EXPECT_EQ(ticks, atStop);
    EXPECT_EQ(atStop, 0);
}

TEST_F(TimerThread, ChangingTheTimerTypeStopsTheWorker)
{
    TThreadTimer timer(nullptr);
    Start(timer, 5);
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 1; }));
    timer.SetTimerType(TThreadTimerType::ttSystem);
    EXPECT_EQ(timer.Thread(), nullptr);
    const int before = ticks;
    Headless().AdvanceTime(5 * 4);
    EXPECT_EQ(ticks, before + 4);
    EXPECT_EQ(foreign, 0);

    timer.SetTimerType(TThreadTimerType::ttThread);
    ASSERT_NE(timer.Thread(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ticks > before + 4; }));
}

// Where the loop wakes itself on the beat, a thread timer whose ticks run on the GUI thread
// makes no worker: the loop's beat timer carries its ticks (on the headless clock here), stops
// while paused, follows its interval and goes with the timer. Ticks meant for a worker's own
// thread still get a worker.
TEST(ThreadTimerOnBeats, TheLoopCarriesTheTicksWithoutAWorker)
{
    HeadlessBackend& backend = UseHeadlessBackend();
    TBackendOffers offers = backend.Offers();
    offers.beatTimers = true;
    backend.SetOffers(offers);
    int ticks = 0;
    {
        TThreadTimer timer(nullptr);
        timer.OnTimer = [&](TObject*) { ++ticks; };
        timer.SetInterval(50);
        EXPECT_EQ(timer.Thread(), nullptr);
        backend.AdvanceTime(200);
        EXPECT_EQ(ticks, 4);

        timer.SetPaused(true);
        backend.AdvanceTime(200);
        EXPECT_EQ(ticks, 4);
        EXPECT_EQ(backend.ActiveTimerCount(), 0);
        timer.SetPaused(false);
        backend.AdvanceTime(100);
        EXPECT_EQ(ticks, 6);

        timer.SetInterval(20);
        backend.AdvanceTime(100);
        EXPECT_EQ(ticks, 11);

        // Paused, so that the worker never ticks on its own thread here.
        timer.SetPaused(true);
        timer.SetSyncEvent(false);
        EXPECT_NE(timer.Thread(), nullptr);
        timer.SetSyncEvent(true);
        EXPECT_EQ(timer.Thread(), nullptr);
        timer.SetPaused(false);
        backend.AdvanceTime(20);
        EXPECT_EQ(ticks, 12);
    }
    EXPECT_EQ(backend.ActiveTimerCount(), 0);
    backend.AdvanceTime(100);
    EXPECT_EQ(ticks, 12);
    Application().Reset();
}

TEST(ThreadTimerSystem, MessageTimerFollowsIntervalAndEnabled)
{
    HeadlessBackend& backend = UseHeadlessBackend();
    int ticks = 0;
    {
        TThreadTimer timer(nullptr);
        timer.SetTimerType(TThreadTimerType::ttSystem);
        timer.OnTimer = [&](TObject*) { ++ticks; };
        timer.SetInterval(100);
        backend.AdvanceTime(250);
        EXPECT_EQ(ticks, 2);
        timer.SetInterval(0);
        backend.AdvanceTime(250);
        EXPECT_EQ(ticks, 2);
        timer.SetInterval(50);
        timer.SetEnabled(false);
        backend.AdvanceTime(100);
        EXPECT_EQ(ticks, 2);
    }
    backend.AdvanceTime(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(backend.ActiveTimerCount(), 0);
    Application().Reset();
}

}  // namespace
