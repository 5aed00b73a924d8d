// Beat timers: the loop's wait ends at the next beat by itself, so a tick on the beat costs one
// wake-up of the GUI thread and, under Wine, the one trip to the wineserver its wait makes. A
// worker thread that woke the loop instead cost a trip of its own, and its own sleeping and
// waking per tick. While a loop of the system's runs the messages, a message timer carries the
// beats.
#include "ui/win32/win32_internal.h"

#include <algorithm>
#include <chrono>
#include <vector>

using namespace win32ui;

namespace {

// The carrier's timer id on the utility window; message timers count up from 1 as ints.
constexpr UINT_PTR kBeatCarrier = 0xFFFFFFFFu;
// A beat this close counts as come: the wait's timeout is in whole milliseconds, and the
// system may count them on a clock a hair apart from the steady clock.
constexpr std::int64_t kBeatSlackUs = 1000;

std::int64_t NowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// The first beat of `intervalMs` after `us`.
std::int64_t BeatAfter(std::int64_t us, unsigned intervalMs)
{
    const std::int64_t period = std::int64_t(intervalMs) * 1000;
    return us - us % period + period;
}

}  // namespace

// No shorter than the system's own timers, which a zero interval would otherwise undercut.
int Win32Backend::StartBeatTimer(unsigned intervalMs, std::function<void()> tick)
{
    const unsigned interval = std::max<unsigned>(intervalMs, USER_TIMER_MINIMUM);
    const int id = FNextTimer++;
    FBeatTimers[id] = BeatTimer{interval, BeatAfter(NowUs(), interval), std::move(tick)};
    ArmBeatCarrier();
    return id;
}

void Win32Backend::StopBeatTimer(int id)
{
    if (FBeatTimers.erase(id) != 0)
        ArmBeatCarrier();
}

unsigned long Win32Backend::UntilNextBeat() const
{
    if (FBeatTimers.empty())
        return INFINITE;
    std::int64_t next = FBeatTimers.begin()->second.beat;
    for (const auto& [id, timer] : FBeatTimers)
        next = std::min(next, timer.beat);
    const std::int64_t left = next - NowUs();
    return left > 0 ? static_cast<unsigned long>((left + 999) / 1000) : 0;
}

// A tick may stop or start timers, its own among them; beats missed while the GUI thread was
// busy are not made up.
void Win32Backend::RunDueBeats()
{
    const std::int64_t now = NowUs();
    std::vector<int> due;
    for (const auto& [id, timer] : FBeatTimers)
        if (timer.beat - kBeatSlackUs <= now)
            due.push_back(id);
    for (int id : due) {
        auto it = FBeatTimers.find(id);
        if (it == FBeatTimers.end())
            continue;
        it->second.beat = BeatAfter(std::max(now, it->second.beat), it->second.intervalMs);
        const std::function<void()> tick = it->second.tick;
        RunReported(tick);
    }
}

void Win32Backend::NoteModalLoop(unsigned msg)
{
    if (msg == WM_ENTERSIZEMOVE || msg == WM_ENTERMENULOOP)
        ModalLoop(true);
    else if (msg == WM_EXITSIZEMOVE || msg == WM_EXITMENULOOP)
        ModalLoop(false);
}

void Win32Backend::ModalLoop(bool entered)
{
    FModalDepth = std::max(0, FModalDepth + (entered ? 1 : -1));
    ArmBeatCarrier();
}

// Set anew for each beat, as the system rounds a timer's period and drifts from the beat.
void Win32Backend::ArmBeatCarrier()
{
    const bool wanted = FModalDepth > 0 && !FBeatTimers.empty();
    if (wanted) {
        const DWORD wait = std::max<DWORD>(UntilNextBeat(), USER_TIMER_MINIMUM);
        SetTimer(H(FUtilWindow), kBeatCarrier, wait, nullptr);
    } else if (FBeatCarrier) {
        KillTimer(H(FUtilWindow), kBeatCarrier);
    }
    FBeatCarrier = wanted;
}

bool Win32Backend::CarryBeats(std::uintptr_t timerId)
{
    if (timerId != kBeatCarrier)
        return false;
    RunDueBeats();
    ArmBeatCarrier();
    return true;
}
