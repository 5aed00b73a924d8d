// A timer component that ticks either from a worker thread of its own or from the toolkit's
// message timer. The worker sleeps on an auto-reset wake event (the backend's, so one platform
// wait per tick) until the next beat of its interval (at most the interval) and, by default,
// hands each tick to the GUI thread and waits until it has run there, so a tick handler may
// draw. Where the backend's loop wakes itself on the beat, the loop carries such ticks and no
// worker is made. The scrolling headings of the memory window run on it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "controls/gauge_component.h"
#include "ui/timer.h"
#include "ui/types.h"
#include "ui/wake_event.h"

enum class TThreadTimerType { ttThread, ttSystem };

enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

class TThreadTimer;

// The worker of a thread timer. It is created parked; the GUI thread resumes and parks it.
// Parking takes effect between waits, never while a tick is being delivered.
class TTimerThread {
public:
    explicit TTimerThread(TThreadTimer& timer);
    // Ends the worker and waits for it, running pending GUI work meanwhile.
    ~TTimerThread();
    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    unsigned Interval() const;
    void SetInterval(unsigned ms);
    TThreadPriority Priority() const { return FPriority; }
    void SetPriority(TThreadPriority priority) { FPriority = priority; }

    // Parks at the next point between waits (an ongoing wait ends without a tick).
    void Park();
    void Resume();
    // True once the worker sits at its park point.
    bool Parked() const;

private:
    void Execute();
    // Waits at the park point until resumed or terminated; false when terminated.
    bool WaitWhileParked();
    // Waits on the wake event for the interval; true when it timed out and should tick.
    bool WaitForTick();
    void DeliverTick();
    void Terminate();

    TThreadTimer& FTimer;
    // Set to end a wait early: a park request, a resume, the end.
    std::unique_ptr<TWakeEvent> FWake;
    // Set by the GUI thread once it has run a tick handed to it.
    std::unique_ptr<TWakeEvent> FTickDone;
    // Guards the fields below; the worker never holds it while it waits on FWake.
    mutable std::mutex FLock;
    // Tells the GUI thread that the worker parked or ended.
    std::condition_variable FChanged;
    bool FParkRequested = true;
    bool FParked = false;
    bool FTerminated = false;
    bool FFinished = false;
    unsigned FInterval = 1000;
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    // The beat the worker waits for or ticks at; touched by the worker only.
    std::int64_t FBeat = 0;
    std::thread FThread;
};

class TThreadTimer : public TGaugeComponent {
public:
    explicit TThreadTimer(TComponent* owner);
    ~TThreadTimer() override;

    // While false, ticks still arrive but are ignored.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Milliseconds between ticks; 0 stops ticking.
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);
    // Thread timer: run the tick on the GUI thread (true) or on the worker (false).
    bool SyncEvent() const { return FSyncEvent; }
    void SetSyncEvent(bool value);
    TThreadTimerType TimerType() const { return FTimerType; }
    void SetTimerType(TThreadTimerType value);
    // Kept for the worker; threads of the standard library have no portable priority.
    TThreadPriority Priority() const { return FPriority; }
    void SetPriority(TThreadPriority value);

    // While paused nothing wakes: a thread timer's worker sits parked and a message timer is
    // stopped; a tick already on its way is dropped. Resuming picks up with the same worker,
    // interval and settings.
    bool Paused() const { return FPaused; }
    void SetPaused(bool value);

    // The worker of a running or parked thread timer, else nullptr (also when the loop's beats
    // carry its ticks).
    TTimerThread* Thread() const { return FThread.get(); }

    // Assign before enabling: the worker reads it through DoTimer.
    TNotifyEvent OnTimer;

    // Calls OnTimer when enabled; an exception goes to the application's error box.
    void DoTimer();

protected:
    void Loaded() override;

private:
    void UpdateTimer();
    void UpdateSystemTimer();
    void UpdateThreadTimer();
    // True when the backend's loop can carry this thread timer's ticks without a worker.
    bool LoopCarries() const;
    void StopBeats();
    // Lets the worker, the loop's beats or the message timer run when the timer ticks and is
    // not paused.
    void RunUnlessPaused();
    void StopTimer();

    std::atomic<bool> FEnabled = true;
    unsigned FInterval = 1000;
    std::atomic<bool> FSyncEvent = true;
    std::atomic<bool> FPaused = false;
    // What the last UpdateTimer decided: interval, enabled and handler all there.
    bool FTicking = false;
    TThreadTimerType FTimerType = TThreadTimerType::ttThread;
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    bool FCreated = false;
    std::unique_ptr<TTimerThread> FThread;
    std::unique_ptr<TTimer> FSystemTimer;
    // A thread timer that the loop's beats carry, and its beat timer while it runs (else 0).
    bool FOnBeats = false;
    int FBeatTimer = 0;
};
