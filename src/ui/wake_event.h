// An auto-reset event that one thread sleeps on, with or without a time-out, and any thread
// sets: the hand-over between the GUI thread and a worker (a timer's tick, work run for it on
// the GUI thread). A backend may give one its platform waits on more cheaply than on the
// standard library's mutex and condition variable (Backend::NewWakeEvent).
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

class TWakeEvent {
public:
    virtual ~TWakeEvent() = default;
    // Wakes the wait under way or the next one; a second Set before that adds nothing.
    virtual void Set() = 0;
    // Sleeps until set or until `ms` milliseconds have passed; true when it was set. Either way
    // the event is clear afterwards.
    virtual bool Wait(unsigned ms) = 0;
    // Sleeps until set, and clears it.
    virtual void Wait() = 0;
};

// The standard library's event: a flag under a mutex and a condition variable.
class TStdWakeEvent : public TWakeEvent {
public:
    void Set() override;
    bool Wait(unsigned ms) override;
    void Wait() override;

private:
    std::mutex FLock;
    std::condition_variable FChanged;
    bool FSet = false;
};
