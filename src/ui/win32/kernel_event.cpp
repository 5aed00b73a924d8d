// The wake event as a flag under a slim lock with a condition variable. Under Wine these wait
// and wake inside the process, where a kernel event costs a trip to the wineserver for every
// wait and every set: a scrolling heading's worker waits twice per tick and the GUI thread
// sets once.
#include <chrono>

#include "ui/win32/win32_internal.h"

namespace {

class SlimEvent : public TWakeEvent {
public:
    // Woken under the lock: the waiter may free the event as soon as it sees the flag.
    void Set() override
    {
        AcquireSRWLockExclusive(&FLock);
        FSet = true;
        WakeConditionVariable(&FChanged);
        ReleaseSRWLockExclusive(&FLock);
    }

    bool Wait(unsigned ms) override
    {
        using std::chrono::steady_clock;
        const auto deadline = steady_clock::now() + std::chrono::milliseconds(ms);
        AcquireSRWLockExclusive(&FLock);
        // A condition variable may wake without a set: sleep on until the deadline.
        for (auto now = steady_clock::now(); !FSet && now < deadline; now = steady_clock::now()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
            SleepConditionVariableSRW(&FChanged, &FLock, static_cast<DWORD>(left), 0);
        }
        return TakeSet();
    }

    void Wait() override
    {
        AcquireSRWLockExclusive(&FLock);
        while (!FSet)
            SleepConditionVariableSRW(&FChanged, &FLock, INFINITE, 0);
        TakeSet();
    }

private:
    // Called with the lock held; releases it.
    bool TakeSet()
    {
        const bool set = FSet;
        FSet = false;
        ReleaseSRWLockExclusive(&FLock);
        return set;
    }

    SRWLOCK FLock = SRWLOCK_INIT;
    CONDITION_VARIABLE FChanged = CONDITION_VARIABLE_INIT;
    bool FSet = false;
};

}  // namespace

std::unique_ptr<TWakeEvent> Win32Backend::NewWakeEvent() { return std::make_unique<SlimEvent>(); }
