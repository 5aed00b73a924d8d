// The thread timer's worker (wait, hand the tick to the GUI thread, park, end) and the timer
// component that starts, parks and stops it, or runs the toolkit's message timer instead.
#include "controls/timer_thread.h"

#include <chrono>
#include <exception>

#include "ui/application.h"

TVrTimerThread::TVrTimerThread(TVrTimer& timer) : FTimer(timer)
{
    FThread = std::thread([this] { Execute(); });
}

TVrTimerThread::~TVrTimerThread()
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

unsigned TVrTimerThread::Interval() const
{
    std::lock_guard lock(FLock);
    return FInterval;
}

void TVrTimerThread::SetInterval(unsigned ms)
{
    std::lock_guard lock(FLock);
    FInterval = ms;
}

void TVrTimerThread::Park()
{
    std::lock_guard lock(FLock);
    FParkRequested = true;
    FChanged.notify_all();
}

void TVrTimerThread::Resume()
{
    std::lock_guard lock(FLock);
    FParkRequested = false;
    FChanged.notify_all();
}

bool TVrTimerThread::Parked() const
{
    std::lock_guard lock(FLock);
    return FParked;
}

void TVrTimerThread::Terminate()
{
    std::lock_guard lock(FLock);
    FTerminated = true;
    FParkRequested = false;
    FWakeEvent = true;
    FChanged.notify_all();
}

void TVrTimerThread::Execute()
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

bool TVrTimerThread::WaitWhileParked(std::unique_lock<std::mutex>& lock)
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
bool TVrTimerThread::WaitForTick(std::unique_lock<std::mutex>& lock)
{
    const bool woken = FChanged.wait_for(lock, std::chrono::milliseconds(FInterval), [this] {
        return FWakeEvent || FParkRequested || FTerminated;
    });
    FWakeEvent = false;
    return !woken;
}

// The tick itself never runs under the lock, so the GUI thread can park or end the worker
// meanwhile.
void TVrTimerThread::DeliverTick()
{
    TVrTimer& timer = FTimer;
    if (timer.SyncEvent()) {
        Application().Synchronize([&timer] {
            if (!Application().Terminated())
                timer.DoTimer();
        });
    } else if (!Application().Terminated()) {
        timer.DoTimer();
    }
}

TVrTimer::TVrTimer(TComponent* owner) : TVrComponent(owner) { }

// Ticks still on their way see Enabled false; OnTimer is dropped once the worker has ended.
TVrTimer::~TVrTimer()
{
    FEnabled = false;
    StopTimer();
    OnTimer = nullptr;
}

void TVrTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    if (value)
        UpdateTimer();
}

void TVrTimer::SetInterval(unsigned ms)
{
    if (ms == FInterval)
        return;
    FInterval = ms;
    if (FEnabled)
        UpdateTimer();
}

void TVrTimer::SetTimerType(TVrTimerType value)
{
    if (value == FTimerType)
        return;
    StopTimer();
    FTimerType = value;
    if (FEnabled)
        UpdateTimer();
}

void TVrTimer::SetPriority(TThreadPriority value)
{
    if (value == FPriority)
        return;
    FPriority = value;
    if (FTimerType == ttThread && FEnabled)
        UpdateTimer();
}

void TVrTimer::Loaded()
{
    TVrComponent::Loaded();
    UpdateTimer();
}

void TVrTimer::SetPaused(bool value)
{
    if (value == FPaused)
        return;
    FPaused = value;
    if (FCreated)
        RunUnlessPaused();
}

void TVrTimer::DoTimer()
{
    if (!FEnabled || FPaused || !OnTimer)
        return;
    try {
        OnTimer(this);
    } catch (const std::exception& error) {
        Application().HandleException(error);
    }
}

void TVrTimer::UpdateTimer()
{
    if (Designing())
        return;
    if (!FCreated) {
        if (FTimerType == ttThread) {
            FThread = std::make_unique<TVrTimerThread>(*this);
        } else {
            FSystemTimer = std::make_unique<TTimer>(nullptr);
            FSystemTimer->SetEnabled(false);
            FSystemTimer->OnTimer = [this](TObject*) { DoTimer(); };
        }
        FCreated = true;
    }
    FTicking = FInterval != 0 && FEnabled && OnTimer;
    if (FTimerType == ttSystem)
        UpdateSystemTimer();
    else
        UpdateThreadTimer();
    RunUnlessPaused();
}

void TVrTimer::UpdateSystemTimer()
{
    FSystemTimer->SetEnabled(false);
    if (FTicking)
        FSystemTimer->SetInterval(FInterval);
}

void TVrTimer::UpdateThreadTimer()
{
    FThread->Park();
    FThread->SetInterval(FInterval);
    if (FTicking)
        FThread->SetPriority(FPriority);
}

// Switching the timer off leaves its worker running (the ticks are ignored), so only what the
// last UpdateTimer decided counts here, not Enabled as it is now.
void TVrTimer::RunUnlessPaused()
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

void TVrTimer::StopTimer()
{
    if (!FCreated)
        return;
    FSystemTimer.reset();
    FThread.reset();
    FCreated = false;
    FTicking = false;
}
