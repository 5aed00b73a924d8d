// The beats' bookkeeping: who is due at each, and the ticks that have arrived.
#include "controls/beat_batch.h"

#include <cassert>
#include <chrono>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "ui/application.h"

namespace beat_batch {
namespace {

struct ArrivedTick {
    std::function<void()> tick;
    TWakeEvent* handedBack;
};

struct Beat {
    std::size_t expected = 0;
    std::vector<ArrivedTick> arrived;
};

struct Beats {
    std::mutex lock;
    std::map<std::int64_t, Beat> due;
};

Beats& AllBeats()
{
    static Beats beats;
    return beats;
}

std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Called with the lock held: takes the beat's ticks once everyone still due has arrived.
std::vector<ArrivedTick> TakeWhenComplete(std::map<std::int64_t, Beat>& due,
                                          std::map<std::int64_t, Beat>::iterator beat)
{
    std::vector<ArrivedTick> ticks;
    if (beat->second.arrived.size() < beat->second.expected)
        return ticks;
    ticks = std::move(beat->second.arrived);
    due.erase(beat);
    return ticks;
}

// One call on the GUI thread for all of them; every waiting worker is released afterwards,
// also when the call failed.
void RunTogether(const std::vector<ArrivedTick>& ticks, TWakeEvent& handedBack)
{
    struct ReleaseOthers {
        const std::vector<ArrivedTick>& ticks;
        const TWakeEvent* own;
        ~ReleaseOthers()
        {
            for (const ArrivedTick& t : ticks)
                if (t.handedBack != own)
                    t.handedBack->Set();
        }
    } release{ticks, &handedBack};
    Application().Synchronize(
        [&ticks] {
            for (const ArrivedTick& t : ticks)
                t.tick();
        },
        handedBack);
}

}  // namespace

std::int64_t NextBeat(unsigned intervalMs)
{
    const std::int64_t now = NowMs();
    if (intervalMs == 0)
        return now;
    return now - now % intervalMs + intervalMs;
}

unsigned UntilBeat(std::int64_t beat)
{
    const std::int64_t left = beat - NowMs();
    return left > 0 ? static_cast<unsigned>(left) : 0;
}

void Expect(std::int64_t beat)
{
    Beats& beats = AllBeats();
    std::lock_guard lock(beats.lock);
    ++beats.due[beat].expected;
}

void Withdraw(std::int64_t beat, TWakeEvent& handedBack)
{
    Beats& beats = AllBeats();
    std::vector<ArrivedTick> ticks;
    {
        std::lock_guard lock(beats.lock);
        const auto it = beats.due.find(beat);
        assert(it != beats.due.end() && it->second.expected > 0);
        --it->second.expected;
        ticks = TakeWhenComplete(beats.due, it);
    }
    if (!ticks.empty())
        RunTogether(ticks, handedBack);
}

void Tick(std::int64_t beat, std::function<void()> tick, TWakeEvent& handedBack)
{
    Beats& beats = AllBeats();
    std::vector<ArrivedTick> ticks;
    {
        std::lock_guard lock(beats.lock);
        const auto it = beats.due.find(beat);
        assert(it != beats.due.end());
        it->second.arrived.push_back({std::move(tick), &handedBack});
        ticks = TakeWhenComplete(beats.due, it);
    }
    if (ticks.empty())
        handedBack.Wait();
    else
        RunTogether(ticks, handedBack);
}

}  // namespace beat_batch
