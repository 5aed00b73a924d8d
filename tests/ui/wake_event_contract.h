// What every wake event must do, checked the same way for the standard library's and each
// backend's: a set is kept for the next wait and only once (a manual-reset event or a counting
// semaphore would let a timer's worker tick without waiting), and a set wakes a wait under way.
#pragma once

#include <gtest/gtest.h>

#include <thread>

#include "ui/wake_event.h"

inline void ExpectWakeEventContract(TWakeEvent& event)
{
    EXPECT_FALSE(event.Wait(0)) << "a new event is clear";
    EXPECT_FALSE(event.Wait(5)) << "a wait without a set times out";
    event.Set();
    event.Set();
    EXPECT_TRUE(event.Wait(0)) << "a set before the wait is kept for it";
    EXPECT_FALSE(event.Wait(0)) << "the wait that saw the set cleared it, twice set or not";

    std::thread setter([&] { event.Set(); });
    event.Wait();
    setter.join();
    EXPECT_FALSE(event.Wait(0));
    std::thread later([&] { event.Set(); });
    EXPECT_TRUE(event.Wait(60'000)) << "a set ends a timed wait under way";
    later.join();
}
