// The status item's thread: it sleeps in poll() on the bus and on an eventfd that the program's
// calls write to, wakes for the earliest timer or overdue menu request, and owns the bus alone
// (sd-bus connections are not shared between threads).
#include "platform/posix/dbus/status_item.h"

#include <poll.h>
#include <sys/eventfd.h>
#include "platform/posix/dbus/sd_bus_calls.h"
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace sw {

void StatusItem::Wake()
{
    const std::uint64_t one = 1;
    // A full counter already wakes the thread, so a failed write loses nothing.
    [[maybe_unused]] const auto written = write(FWake, &one, sizeof one);
}

void StatusItem::Begin()
{
    std::call_once(FStarted, [this] {
        FThread = std::thread([this] {
            Connect();
            FConnecting.set_value();
            Run();
        });
    });
}

void StatusItem::SetTimer(unsigned id, unsigned milliseconds)
{
    {
        std::lock_guard guard(FLock);
        const auto interval = std::chrono::milliseconds(std::max(milliseconds, 1u));
        FTimers[id] = {interval, Clock::now() + interval};
    }
    Wake();
}

void StatusItem::KillTimer(unsigned id)
{
    std::lock_guard guard(FLock);
    FTimers.erase(id);
}

void StatusItem::Run()
{
    for (;;) {
        const Changes changes = TakeChanges();
        if (changes.quit)
            return;
        Apply(changes);
        FireDueTimers();
        AnswerMenuRequests(false);
        if (!ProcessBus())
            DropBus();
        WaitForWork();
    }
}

StatusItem::Changes StatusItem::TakeChanges()
{
    std::lock_guard guard(FLock);
    Changes changes = std::move(FChanges);
    FChanges = {};
    FChanges.quit = changes.quit;
    return changes;
}

void StatusItem::Apply(const Changes& changes)
{
    if (changes.shownChanged) {
        bool wanted;
        {
            std::lock_guard guard(FLock);
            wanted = FWanted;
        }
        UpdateName(wanted);
    }
    if (changes.iconChanged)
        Emit("NewIcon");
    if (changes.tipChanged)
        Emit("NewToolTip");
    if (changes.tipChanged || changes.menuArrived)
        RebuildMenu();
    if (changes.menuArrived)
        AnswerMenuRequests(true);
    for (const NotifyBalloon& notice : changes.notices)
        SendNotice(notice);
}

void StatusItem::FireDueTimers()
{
    std::vector<unsigned> fired;
    {
        std::lock_guard guard(FLock);
        const auto now = Clock::now();
        for (auto& [id, timer] : FTimers) {
            if (timer.due > now)
                continue;
            fired.push_back(id);
            // A late thread skips the ticks it missed rather than firing them in a burst.
            timer.due = std::max(timer.due + timer.interval, now + timer.interval / 2);
        }
    }
    for (unsigned id : fired)
        FPost([id](ITrayEvents& events) { events.TimerFired(id); });
}

// Handles what the bus has queued; false when the connection broke.
bool StatusItem::ProcessBus()
{
    if (!FBus)
        return true;
    int result;
    while ((result = SdBus().process(FBus, nullptr)) > 0) { }
    return result >= 0;
}

void StatusItem::DropBus()
{
    if (!FBus)
        return;
    AnswerMenuRequests(true);
    for (sd_bus_slot* slot : FSlots)
        SdBus().slot_unref(slot);
    FSlots.clear();
    FBus = SdBus().flush_close_unref(FBus);
    FNameOwned = false;
    FWatcherPresent = false;
}

StatusItem::Clock::time_point StatusItem::NextDeadline()
{
    auto next = Clock::time_point::max();
    {
        std::lock_guard guard(FLock);
        for (const auto& [id, timer] : FTimers)
            next = std::min(next, timer.due);
    }
    for (const MenuRequest& request : FMenuRequests)
        next = std::min(next, request.deadline);
    return next;
}

void StatusItem::WaitForWork()
{
    pollfd fds[2] = {{FWake, POLLIN, 0}, {-1, 0, 0}};
    int timeoutMs = -1;
    const auto next = NextDeadline();
    if (next != Clock::time_point::max()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
        timeoutMs = static_cast<int>(std::clamp<long long>(left, 0, 60000));
    }
    if (FBus) {
        fds[1] = {SdBus().get_fd(FBus), static_cast<short>(SdBus().get_events(FBus)), 0};
        std::uint64_t busDue = 0;
        if (SdBus().get_timeout(FBus, &busDue) > 0 && busDue != UINT64_MAX) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const auto nowUs = static_cast<std::uint64_t>(now.tv_sec) * 1000000u +
                               static_cast<std::uint64_t>(now.tv_nsec) / 1000u;
            const auto busMs = static_cast<int>(
                std::min<std::uint64_t>(busDue > nowUs ? (busDue - nowUs + 999) / 1000 : 0, 60000));
            timeoutMs = timeoutMs < 0 ? busMs : std::min(timeoutMs, busMs);
        }
    }
    if (poll(fds, FBus ? 2 : 1, timeoutMs) > 0 && (fds[0].revents & POLLIN) != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto read = ::read(FWake, &count, sizeof count);
    }
}

}  // namespace sw
