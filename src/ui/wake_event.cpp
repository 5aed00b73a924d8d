// The standard library's wake event.
#include "ui/wake_event.h"

#include <chrono>

void TStdWakeEvent::Set()
{
    std::lock_guard lock(FLock);
    FSet = true;
    FChanged.notify_one();
}

bool TStdWakeEvent::Wait(unsigned ms)
{
    std::unique_lock lock(FLock);
    const bool set =
        FChanged.wait_for(lock, std::chrono::milliseconds(ms), [this] { return FSet; });
    FSet = false;
    return set;
}

void TStdWakeEvent::Wait()
{
    std::unique_lock lock(FLock);
    FChanged.wait(lock, [this] { return FSet; });
    FSet = false;
}
