// The virtual clock and the message queue: timers fire as a test advances time, posted work
// runs and pending paints happen when messages are processed.
#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <utility>

void HeadlessBackend::AdvanceTime(unsigned ms)
{
    std::uint32_t end = FNow + ms;
    ProcessMessages();
    for (;;) {
        auto due =
            std::min_element(FTimers.begin(), FTimers.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due;
            });
        if (due == FTimers.end() || static_cast<std::int32_t>(due->second.due - end) > 0)
            break;
        FNow = std::max(FNow, due->second.due);
        due->second.due = FNow + due->second.interval;
        std::function<void()> tick = due->second.tick;
        RunReported(tick);
        ProcessMessages();
    }
    FNow = end;
    ProcessMessages();
}

int HeadlessBackend::StartTimer(unsigned intervalMs, std::function<void()> tick)
{
    int id = FNextTimer++;
    // A zero interval would fire forever within one AdvanceTime; the platform rounds it up too.
    intervalMs = std::max(intervalMs, 1u);
    FTimers[id] = Timer{intervalMs, FNow + intervalMs, std::move(tick)};
    return id;
}

void HeadlessBackend::StopTimer(int id) { FTimers.erase(id); }

int HeadlessBackend::StartBeatTimer(unsigned intervalMs, std::function<void()> tick)
{
    const int id = StartTimer(intervalMs, std::move(tick));
    Timer& timer = FTimers[id];
    if (FOffers.beatTimers)
        timer.due = FNow - FNow % timer.interval + timer.interval;
    return id;
}

void HeadlessBackend::Run()
{
    // No real input arrives here: run what is pending and return.
    ProcessMessages();
}

void HeadlessBackend::PaintPending()
{
    for (WindowId id : Windows()) {
        THeadlessWindow* w = Find(id);
        if (w != nullptr && w->paintPending && w->visible) {
            w->paintPending = false;
            w->handler->WndPaint();
        }
    }
}

bool HeadlessBackend::RunPosted()
{
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(FPostLock);
        work.swap(FPostQueue);
    }
    for (auto& item : work)
        RunReported(item);
    return !work.empty();
}

void HeadlessBackend::ProcessMessages()
{
    while (RunPosted()) { }
    PaintPending();
}

void HeadlessBackend::PostToGuiThread(std::function<void()> work)
{
    std::lock_guard lock(FPostLock);
    FPostQueue.push_back(std::move(work));
    ++FPostsMade;
}

int HeadlessBackend::PostsMade()
{
    std::lock_guard lock(FPostLock);
    return FPostsMade;
}
