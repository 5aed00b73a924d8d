// The letters' workers: threads that take queued letters one at a time, kept for the next scan.
// Letters are bits in masks so that a scan allocates nothing. A worker stuck in the platform
// holds only its own letter; the scan adds a worker when letters have waited a while and every
// worker is held by a letter, and a worker that finds the queue empty while another waits idle
// ends, so the pool goes back to its size once the drives answer.
#include "meter/drive_asker.h"

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace sw {
namespace {

// Idle workers a scan makes sure of. One: the platform answers most letters at once, and a
// thread costs more to start than a desk's letters cost to ask.
constexpr int kSpareWorkers = 1;
// A queue that has not moved for this long has every worker held by a drive: the waiting scan
// then adds one. Workers stay for later scans, so a queue that is merely slow adds none.
constexpr std::chrono::milliseconds kWorkerCheck{20};

std::uint32_t Bit(int index) { return std::uint32_t{1} << index; }

char LetterAt(int index) { return static_cast<char>('A' + index); }

constexpr std::uint32_t kAllLetters = ~std::uint32_t{0};

bool IsMeteredKind(DriveKind kind)
{
    return kind == DriveKind::Removable || kind == DriveKind::Fixed || kind == DriveKind::Network ||
           kind == DriveKind::CdRom;
}

}  // namespace

struct DriveAsker::Shared {
    std::shared_ptr<IDrives> drives;
    GuiThreadHooks hooks;

    std::mutex lock;
    std::condition_variable work;  // workers wait here for letters
    std::condition_variable done;  // the scan and the closing asker wait here
    std::uint32_t queued = 0;  // letters waiting for a worker
    std::uint32_t busy = 0;  // queued letters and letters being asked
    std::uint32_t awaited = 0;  // letters the open scan still waits for
    std::uint32_t ahead = 0;  // letters asked ahead of a scan, not answered yet
    std::uint32_t early = 0;  // letters answered ahead of a scan, in onTime
    std::array<DriveAnswer, 26> onTime;
    std::array<DriveKind, 26> lastKind{};  // Unknown until the letter says
    int idle = 0;
    int workers = 0;
    int handingOver = 0;
    bool closed = false;

    // Touched on the GUI thread only.
    struct Kept {
        DriveAnswer answer;
        std::uint32_t since = 0;
    };
    std::array<std::optional<Kept>, 26> kept;

    void SpareWorkers(const std::shared_ptr<Shared>& self);
    void AddWorker(const std::shared_ptr<Shared>& self);
    std::uint32_t Queue(std::uint32_t now, std::uint32_t letters = kAllLetters);
    void AwaitAnswers(const std::shared_ptr<Shared>& self, std::unique_lock<std::mutex>& held,
                      std::chrono::steady_clock::time_point deadline);
    void Work(const std::shared_ptr<Shared>& self, std::unique_lock<std::mutex>& held);
    DriveAnswer Ask(int index);
    void HandOver(const std::shared_ptr<Shared>& self, std::unique_lock<std::mutex>& held,
                  int index, const DriveAnswer& answer);
    void Keep(int index, const DriveAnswer& answer);
};

// Called with the lock held.
void DriveAsker::Shared::SpareWorkers(const std::shared_ptr<Shared>& self)
{
    const int wanted = std::min(std::popcount(queued), kSpareWorkers);
    while (idle < wanted)
        AddWorker(self);
}

// Called with the lock held.
void DriveAsker::Shared::AddWorker(const std::shared_ptr<Shared>& self)
{
    ++idle;
    ++workers;
    std::thread([self] {
        std::unique_lock held(self->lock);
        self->Work(self, held);
        --self->workers;
    }).detach();
}

void DriveAsker::Shared::Work(const std::shared_ptr<Shared>& self,
                              std::unique_lock<std::mutex>& held)
{
    for (;;) {
        work.wait(held, [this] { return queued != 0 || closed; });
        --idle;
        if (closed)
            return;
        const int index = std::countr_zero(queued);
        queued &= ~Bit(index);
        held.unlock();
        const DriveAnswer answer = Ask(index);
        held.lock();
        busy &= ~Bit(index);
        if (awaited & Bit(index)) {
            awaited &= ~Bit(index);
            onTime[index] = answer;
            done.notify_all();
        } else if (ahead & Bit(index)) {
            ahead &= ~Bit(index);
            early |= Bit(index);
            onTime[index] = answer;
        } else {
            HandOver(self, held, index, answer);
        }
        if (queued == 0 && idle >= kSpareWorkers)
            return;
        ++idle;
    }
}

// Runs on a worker, unlocked.
DriveAnswer DriveAsker::Shared::Ask(int index)
{
    const char letter = LetterAt(index);
    const DriveKind kind = drives->Kind(letter);
    {
        std::lock_guard guard(lock);
        lastKind[index] = kind;
    }
    return MeasureDrive(*drives, letter, kind);
}

// A late answer: the GUI thread runs Keep while this worker waits, unlocked, for it to do so.
void DriveAsker::Shared::HandOver(const std::shared_ptr<Shared>& self,
                                  std::unique_lock<std::mutex>& held, int index,
                                  const DriveAnswer& answer)
{
    if (closed || !hooks.handOver)
        return;
    ++handingOver;
    held.unlock();
    hooks.handOver([self, index, answer] { self->Keep(index, answer); });
    held.lock();
    --handingOver;
    done.notify_all();
}

// On the GUI thread.
void DriveAsker::Shared::Keep(int index, const DriveAnswer& answer)
{
    {
        std::lock_guard guard(lock);
        if (closed)
            return;
    }
    kept[index] = Kept{answer, hooks.now()};
    if (hooks.lateAnswerKept)
        hooks.lateAnswerKept(LetterAt(index));
}

DriveAsker::DriveAsker(std::shared_ptr<IDrives> drives, GuiThreadHooks hooks)
    : FShared(std::make_shared<Shared>())
{
    FShared->drives = std::move(drives);
    FShared->hooks = std::move(hooks);
    if (!FShared->hooks.now)
        FShared->hooks.now = [] {
            using namespace std::chrono;
            return static_cast<std::uint32_t>(
                duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
        };
}

DriveAsker::~DriveAsker()
{
    Shared& s = *FShared;
    std::unique_lock held(s.lock);
    s.closed = true;
    s.work.notify_all();
    // A worker handing over waits for this thread: run its work (which now does nothing).
    while (s.handingOver > 0) {
        held.unlock();
        if (s.hooks.runPending)
            s.hooks.runPending();
        held.lock();
        s.done.wait_for(held, std::chrono::milliseconds(1), [&] { return s.handingOver == 0; });
    }
}

// Called with the lock held, on the GUI thread: drops kept answers that are no longer fresh and
// queues every letter that has neither a fresh kept answer, nor questions running, nor an
// answer given ahead, among `letters`. Returns the letters queued.
std::uint32_t DriveAsker::Shared::Queue(std::uint32_t now, std::uint32_t letters)
{
    std::uint32_t asked = 0;
    for (int index = 'B' - 'A'; index <= 'Z' - 'A'; ++index) {
        auto& answer = kept[index];
        if (answer && now - answer->since >= kKeptForMs)
            answer.reset();
        if (!answer && !((busy | early) & Bit(index)) && (letters & Bit(index)))
            asked |= Bit(index);
    }
    queued |= asked;
    busy |= asked;
    return asked;
}

// Called with the lock held, on the GUI thread: waits until every awaited letter has answered or
// the deadline has passed, adding a worker whenever the queue stands still.
void DriveAsker::Shared::AwaitAnswers(const std::shared_ptr<Shared>& self,
                                      std::unique_lock<std::mutex>& held,
                                      std::chrono::steady_clock::time_point deadline)
{
    using std::chrono::steady_clock;
    SpareWorkers(self);
    work.notify_all();
    std::uint32_t seen = queued;
    auto moved = steady_clock::now();
    while (awaited != 0 && steady_clock::now() < deadline) {
        done.wait_until(held, std::min(deadline, steady_clock::now() + kWorkerCheck),
                        [this] { return awaited == 0; });
        const auto now = steady_clock::now();
        if (queued != seen) {
            seen = queued;
            moved = now;
        } else if (queued != 0 && now - moved >= kWorkerCheck) {
            // Every worker is held by a letter (an idle one would have taken from the queue).
            if (idle == 0)
                AddWorker(self);
            work.notify_all();
            moved = now;
        }
    }
}

void DriveAsker::AskAll(LetterReplies& replies) { Ask(replies, kAllLetters); }

void DriveAsker::AskKnownDrives(LetterReplies& replies)
{
    std::uint32_t known = 0;
    {
        std::lock_guard held(FShared->lock);
        for (int index = 'B' - 'A'; index <= 'Z' - 'A'; ++index)
            if (IsMeteredKind(FShared->lastKind[index]))
                known |= Bit(index);
    }
    Ask(replies, known);
}

void DriveAsker::Ask(LetterReplies& replies, std::uint32_t letters)
{
    const auto deadline = std::chrono::steady_clock::now() + kAnswerBudget;
    Shared& s = *FShared;
    std::unique_lock held(s.lock);
    s.awaited = s.Queue(s.hooks.now(), letters) | s.ahead;
    const std::uint32_t asked = s.awaited | s.early;
    s.ahead = 0;
    for (int index = 'B' - 'A'; index <= 'Z' - 'A'; ++index) {
        const auto& kept = s.kept[index];
        replies[index] = {kept ? std::optional(kept->answer) : std::nullopt, s.lastKind[index]};
    }
    s.AwaitAnswers(FShared, held, deadline);
    for (int index = 'B' - 'A'; index <= 'Z' - 'A'; ++index) {
        if (!(asked & Bit(index)))
            continue;
        if (s.awaited & Bit(index))
            replies[index] = {std::nullopt, s.lastKind[index]};
        else
            replies[index] = {s.onTime[index], s.lastKind[index]};
    }
    s.awaited = 0;
    s.early = 0;
}

int DriveAsker::Workers() const
{
    std::lock_guard held(FShared->lock);
    return FShared->workers;
}

void DriveAsker::AskAhead()
{
    Shared& s = *FShared;
    std::lock_guard held(s.lock);
    s.ahead |= s.Queue(s.hooks.now());
    s.SpareWorkers(FShared);
    s.work.notify_all();
}

}  // namespace sw
