// The thread timer's worker (wait, hand the tick to the GUI thread, park, end) and the timer
// component that starts, parks and stops it, or runs the toolkit's message timer instead.
#include "controls/timer_thread.h"

#include <chrono>
#include <exception>

#include "ui/application.h"

TTimerThread::TTimerThread(TThreadTimer& timer) : FTimer(timer)
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
    FChanged.notify_all();
}

void TTimerThread::Resume()
{
    std::lock_guard lock(FLock);
    FParkRequested = false;
    FChanged.notify_all();
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
    FWakeEvent = true;
    FChanged.notify_all();
}

void TTimerThread::Execute()
{
    std::unique_lock lock(FLock);
    while (WaitWhileParked(lock)) {
        if (!WaitForTick(lock))
            continue;
        lock.unlock();
        DeliverTick();
        lock.lock();
    }
    FFinished = true;
    FChanged.notify_all();
}

bool TTimerThread::WaitWhileParked(std::unique_lock<std::mutex>& lock)
{
    if (FParkRequested) {
        FParked = true;
        FChanged.notify_all();
        FChanged.wait(lock, [this] { return !FParkRequested || FTerminated; });
        FParked = false;
    }
    return !FTerminated;
}

// A park request ends the wait early, like the event, and neither delivers a tick.
bool TTimerThread::WaitForTick(std::unique_lock<std::mutex>& lock)
{
    const bool woken = FChanged.wait_for(lock, std::chrono::milliseconds(FInterval), [this] {
        return FWakeEvent || FParkRequested || FTerminated;
    });
    FWakeEvent = false;
    return !woken;
}

// The tick itself never runs under the lock, so the GUI thread can park or end the worker
// meanwhile.
void TTimerThread::DeliverTick()
{
    TThreadTimer& timer = FTimer;
    if (timer.SyncEvent()) {
        Application().Synchronize([&timer] {
            if (!Application().Terminated())
                timer.DoTimer();
        });
    } else if (!Application().Terminated()) {
        timer.DoTimer();
    }
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

// Switching the timer off leaves its worker running (the ticks are ignored), so only what the
// last UpdateTimer decided counts here, not Enabled as it is now.
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
}

void TThreadTimer::StopTimer()
{
    if (!FCreated)
        return;
    FSystemTimer.reset();
    FThread.reset();
    FCreated = false;
    FTicking = false;
}
