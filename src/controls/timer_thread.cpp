// The thread timer's worker (wait, hand the tick to the GUI thread, park, end) and the timer
// component that starts, parks and stops it, or has the loop's beats or the toolkit's message
// timer carry its ticks instead.
#include "controls/timer_thread.h"

#include <chrono>
#include <exception>

#include "controls/beat_batch.h"
#include "ui/application.h"

TTimerThread::TTimerThread(TThreadTimer& timer)
    : FTimer(timer), FWake(Application().NewWakeEvent()), FTickDone(Application().NewWakeEvent())
{
    FThread = std::thread([this] { Execute(); });
}

TTimerThread::~TTimerThread()
{
    Terminate();
    // The worker may be waiting for the GUI thread (this one) to run its tick.
    std::unique_lock lock(FLock);
    while (!FFinished) {
        lock.unlock();
        Application().CheckSynchronize();
        lock.lock();
        FChanged.wait_for(lock, std::chrono::milliseconds(1), [this] { return FFinished; });
    }
    lock.unlock();
    FThread.join();
}

unsigned TTimerThread::Interval() const
{
    std::lock_guard lock(FLock);
    return FInterval;
}

void TTimerThread::SetInterval(unsigned ms)
{
    std::lock_guard lock(FLock);
    FInterval = ms;
}

void TTimerThread::Park()
{
    std::lock_guard lock(FLock);
    FParkRequested = true;
    FWake->Set();
}

// A running worker's wait goes on undisturbed.
void TTimerThread::Resume()
{
    std::lock_guard lock(FLock);
    if (!FParkRequested)
        return;
    FParkRequested = false;
    FWake->Set();
}

bool TTimerThread::Parked() const
{
    std::lock_guard lock(FLock);
    return FParked;
}

void TTimerThread::Terminate()
{
    std::lock_guard lock(FLock);
    FTerminated = true;
    FParkRequested = false;
    FWake->Set();
}

void TTimerThread::Execute()
{
    while (WaitWhileParked())
        if (WaitForTick())
            DeliverTick();
    std::lock_guard lock(FLock);
    FFinished = true;
    FChanged.notify_all();
}

// A set left over from before the park only wakes the loop once more.
bool TTimerThread::WaitWhileParked()
{
    std::unique_lock lock(FLock);
    while (FParkRequested && !FTerminated) {
        FParked = true;
        FChanged.notify_all();
        lock.unlock();
        FWake->Wait();
        lock.lock();
    }
    FParked = false;
    return !FTerminated;
}

// Workers of one interval tick on a common beat: a wait ends at the next multiple of the
// interval on the steady clock, and the ticks due at one beat reach the GUI thread together. A
// park request ends the wait early, like a resume or the end, and none delivers a tick.
bool TTimerThread::WaitForTick()
{
    FBeat = beat_batch::NextBeat(Interval());
    beat_batch::Expect(FBeat);
    bool due = !FWake->Wait(beat_batch::UntilBeat(FBeat));
    if (due) {
        std::lock_guard lock(FLock);
        due = !FParkRequested && !FTerminated;
    }
    if (!due)
        beat_batch::Withdraw(FBeat, *FTickDone);
    return due;
}

// The tick itself never runs under the lock, so the GUI thread can park or end the worker
// meanwhile.
void TTimerThread::DeliverTick()
{
    TThreadTimer& timer = FTimer;
    if (timer.SyncEvent()) {
        beat_batch::Tick(
            FBeat,
            [&timer] {
                if (!Application().Terminated())
                    timer.DoTimer();
            },
            *FTickDone);
        return;
    }
    beat_batch::Withdraw(FBeat, *FTickDone);
    if (!Application().Terminated())
        timer.DoTimer();
}

TThreadTimer::TThreadTimer(TComponent* owner) : TGaugeComponent(owner) { }

// Ticks still on their way see Enabled false; OnTimer is dropped once the worker has ended.
TThreadTimer::~TThreadTimer()
{
    FEnabled = false;
    StopTimer();
    OnTimer = nullptr;
}

void TThreadTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (value)
        UpdateTimer();
}

void TThreadTimer::SetInterval(unsigned ms)
{
    if (ms == FInterval)
        return;
    FInterval = ms;
    if (FEnabled)
        UpdateTimer();
}

// Where ticks may run decides what carries them.
void TThreadTimer::SetSyncEvent(bool value)
{
    if (value == FSyncEvent)
        return;
    FSyncEvent = value;
    if (!FCreated || FTimerType != TThreadTimerType::ttThread || FOnBeats == LoopCarries())
        return;
    StopTimer();
    if (FEnabled)
        UpdateTimer();
}

void TThreadTimer::SetTimerType(TThreadTimerType value)
{
    if (value == FTimerType)
        return;
    StopTimer();
    FTimerType = value;
    if (FEnabled)
        UpdateTimer();
}

void TThreadTimer::SetPriority(TThreadPriority value)
{
    if (value == FPriority)
        return;
    FPriority = value;
    if (FTimerType == TThreadTimerType::ttThread && FEnabled)
        UpdateTimer();
}

void TThreadTimer::Loaded()
{
    TGaugeComponent::Loaded();
    UpdateTimer();
}

void TThreadTimer::SetPaused(bool value)
{
    if (value == FPaused)
        return;
    FPaused = value;
    if (FCreated)
        RunUnlessPaused();
}

void TThreadTimer::DoTimer()
{
    if (!FEnabled || FPaused || !OnTimer)
        return;
    try {
        OnTimer(this);
    } catch (const std::exception& error) {
        Application().HandleException(error);
    }
}

void TThreadTimer::UpdateTimer()
{
    if (Designing())
        return;
    if (!FCreated) {
        if (FTimerType == TThreadTimerType::ttThread) {
            FOnBeats = LoopCarries();
            if (!FOnBeats)
                FThread = std::make_unique<TTimerThread>(*this);
        } else {
            FSystemTimer = std::make_unique<TTimer>(nullptr);
            FSystemTimer->SetEnabled(false);
            FSystemTimer->OnTimer = [this](TObject*) { DoTimer(); };
        }
        FCreated = true;
    }
    FTicking = FInterval != 0 && FEnabled && OnTimer;
    if (FTimerType == TThreadTimerType::ttSystem)
        UpdateSystemTimer();
    else if (FOnBeats)
        StopBeats();
    else
        UpdateThreadTimer();
    RunUnlessPaused();
}

void TThreadTimer::UpdateSystemTimer()
{
    FSystemTimer->SetEnabled(false);
    if (FTicking)
        FSystemTimer->SetInterval(FInterval);
}

void TThreadTimer::UpdateThreadTimer()
{
    FThread->Park();
    FThread->SetInterval(FInterval);
    if (FTicking)
        FThread->SetPriority(FPriority);
}

// Ticks that run on the GUI thread anyway need no thread to wake and no hand-over where the
// loop wakes itself on the beat.
bool TThreadTimer::LoopCarries() const { return FSyncEvent && Application().LoopKeepsBeats(); }

void TThreadTimer::StopBeats()
{
    if (FBeatTimer == 0)
        return;
    Application().StopBeatTimer(FBeatTimer);
    FBeatTimer = 0;
}

// Switching the timer off leaves its worker or beats running (the ticks are ignored), so only
// what the last UpdateTimer decided counts here, not Enabled as it is now.
void TThreadTimer::RunUnlessPaused()
{
    const bool run = FTicking && !FPaused;
    if (FSystemTimer)
        FSystemTimer->SetEnabled(run);
    if (FThread) {
        if (run)
            FThread->Resume();
        else
            FThread->Park();
    }
    if (FOnBeats && !run)
        StopBeats();
    if (FOnBeats && run && FBeatTimer == 0)
        FBeatTimer = Application().StartBeatTimer(FInterval, [this] {
            if (!Application().Terminated())
                DoTimer();
        });
}

void TThreadTimer::StopTimer()
{
    if (!FCreated)
        return;
    FSystemTimer.reset();
    FThread.reset();
    StopBeats();
    FOnBeats = false;
    FCreated = false;
    FTicking = false;
}
