// Runs the GUI thread's share of threaded tests (posted work, pending Synchronize calls) while a
// worker runs; the time-outs only bound the loops, no assertion depends on them.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include "ui/application.h"

// Pumps until `done` or a long time-out; false on the time-out.
inline bool PumpUntil(const std::function<bool()>& done)
{
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        Application().ProcessMessages();
        if (done())
            return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

// Pumps for a while without expecting anything.
inline void PumpFor(std::chrono::milliseconds period)
{
    using namespace std::chrono_literals;
    const auto end = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < end) {
        Application().ProcessMessages();
        std::this_thread::sleep_for(1ms);
    }
}
