// One poll loop for the X connection, the timers, work posted from other threads and the
// descriptors the program watches (its signals, its drives). It handles what is ready, then
// sleeps in poll until the X socket, the wake-up eventfd or a watched descriptor has something,
// or the next timer is due; it never spins. The socket is read only just before sleeping and
// when poll says it has data: each read that finds nothing is a system call, and a minimized
// window wakes twice a second for the memory figures.
#include "ui/x11/x11_backend.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>

using Clock = std::chrono::steady_clock;

void X11Backend::Run()
{
    while (!FQuit)
        Step();
    FQuit = false;
}

void X11Backend::Step()
{
    if (HandlePending())
        return;
    WaitForWork();
    HandlePending();
}

void X11Backend::ProcessMessages()
{
    XPending(FDisplay);
    HandlePending();
}

// Events that Xlib has read already; an X call made by a handler may read more, and the check
// before the next sleep picks those up.
bool X11Backend::HandlePending()
{
    bool handled = false;
    while (XEventsQueued(FDisplay, QueuedAlready) > 0) {
        XEvent event;
        XNextEvent(FDisplay, &event);
        Dispatch(event);
        handled = true;
    }
    handled = RunPosted() || handled;
    handled = FireDueTimers() || handled;
    handled = PaintPending() || handled;
    return handled;
}

void X11Backend::WaitForWork()
{
    XFlush(FDisplay);
    if (XPending(FDisplay) > 0)
        return;
    std::vector<pollfd> fds{{ConnectionNumber(FDisplay), POLLIN, 0}, {FWakeFd, POLLIN, 0}};
    for (const auto& [fd, ready] : FWatched)
        fds.push_back({fd, POLLIN, 0});
    if (poll(fds.data(), fds.size(), MsUntilNextTimer()) <= 0)
        return;
    if ((fds[0].revents & POLLIN) != 0)
        XEventsQueued(FDisplay, QueuedAfterReading);
    if ((fds[1].revents & POLLIN) != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto got = read(FWakeFd, &count, sizeof count);
    }
    for (std::size_t i = 2; i < fds.size(); ++i)
        if (fds[i].revents != 0)
            if (auto at = FWatched.find(fds[i].fd); at != FWatched.end())
                RunReported(at->second);
}

int X11Backend::MsUntilNextTimer() const
{
    if (FTimers.empty())
        return -1;
    auto next = Clock::time_point::max();
    for (const auto& [id, timer] : FTimers)
        next = std::min(next, timer.due);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(wait, 0, INT_MAX));
}

void X11Backend::PostToGuiThread(std::function<void()> work)
{
    {
        std::lock_guard lock(FPostLock);
        FPosted.push_back(std::move(work));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto put = write(FWakeFd, &one, sizeof one);
}

// Only what was posted before this turn runs now: work that posts more waits for the next.
bool X11Backend::RunPosted()
{
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(FPostLock);
        batch.swap(FPosted);
    }
    for (auto& work : batch)
        RunReported(work);
    return !batch.empty();
}

int X11Backend::StartTimer(unsigned intervalMs, std::function<void()> tick)
{
    const std::chrono::milliseconds interval{std::max(intervalMs, 1u)};
    FTimers[FNextTimer] = {interval, Clock::now() + interval, std::move(tick)};
    return FNextTimer++;
}

void X11Backend::StopTimer(int id) { FTimers.erase(id); }

// A tick may stop or start timers, its own among them.
bool X11Backend::FireDueTimers()
{
    const auto now = Clock::now();
    std::vector<int> due;
    for (const auto& [id, timer] : FTimers)
        if (timer.due <= now)
            due.push_back(id);
    for (int id : due) {
        auto at = FTimers.find(id);
        if (at == FTimers.end())
            continue;
        at->second.due = now + at->second.interval;
        const std::function<void()> tick = at->second.tick;
        RunReported(tick);
    }
    return !due.empty();
}

bool X11Backend::PaintPending()
{
    std::vector<Window> pending;
    for (auto& [window, form] : FForms)
        if (form.paintPending)
            pending.push_back(window);
    for (Window window : pending)
        if (FormWindow* form = Find(window); form != nullptr && form->paintPending) {
            form->paintPending = false;
            RunReported([form] { form->handler->WndPaint(); });
        }
    return !pending.empty();
}

void X11Backend::Pause(unsigned ms)
{
    XFlush(FDisplay);
    usleep(ms * 1000u);
}

std::uint32_t X11Backend::TickCount()
{
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - FStart);
    return static_cast<std::uint32_t>(elapsed.count());
}
