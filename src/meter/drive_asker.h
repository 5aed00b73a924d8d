// Asking the drives without being held by them. Each letter's questions run on a worker thread
// and a scan waits for the answers at most kAnswerBudget in all; a letter that has not answered
// by then is late. Its worker goes on waiting for the platform; when the answer comes, the worker
// hands it to the GUI thread, which keeps it for kKeptFor as the letter's fresh answer and is
// told, so it can scan again. A letter whose questions are still running is not asked again.
// The letters can also be asked ahead of a scan, so that their answers are in when it comes.
//
// Workers own the state they share with the asker, so the asker can go (the program end) while a
// worker is stuck in the platform: the worker finds it gone when it returns and touches nothing
// else. The asker's end waits only for hand-overs already under way, never for the platform.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "meter/drive_measure.h"
#include "platform/drives.h"

namespace sw {

inline constexpr std::chrono::milliseconds kAnswerBudget{300};
inline constexpr std::uint32_t kKeptForMs = 10000;

// What the asker needs from the GUI thread.
struct GuiThreadHooks {
    // Runs work on the GUI thread and returns once it has run there.
    std::function<void(const std::function<void()>&)> handOver;
    // Runs the work handed over so far; called on the GUI thread while it waits for a worker.
    std::function<void()> runPending;
    // The GUI thread's clock in milliseconds, for how long a late answer stays fresh.
    std::function<std::uint32_t()> now;
    // Told on the GUI thread, with the letter, once a late answer has been kept.
    std::function<void(char letter)> lateAnswerKept;
};

// One letter's outcome in a scan: its answers, or none when it was late, with the kind it last
// said it was (Unknown when it never said).
struct LetterReply {
    std::optional<DriveAnswer> answer;
    DriveKind lastKnownKind = DriveKind::Unknown;
};

// Index 0 is 'A'; a scan fills 'B'..'Z'.
using LetterReplies = std::array<LetterReply, 26>;

class DriveAsker {
public:
    // Without hooks, late answers are dropped.
    DriveAsker(std::shared_ptr<IDrives> drives, GuiThreadHooks hooks);
    ~DriveAsker();
    DriveAsker(const DriveAsker&) = delete;
    DriveAsker& operator=(const DriveAsker&) = delete;

    // Asks every letter from B to Z that has neither a fresh kept answer nor questions still
    // running, and waits until they have answered or kAnswerBudget has passed since the call.
    // A letter asked ahead is waited for too, or taken as it answered ahead.
    void AskAll(LetterReplies& replies);
    // The same for the letters whose last answer named a removable, fixed, network or CD-ROM
    // drive: the others keep no answer. Drives that come are announced instead, and a letter
    // without a drive costs the platform as much to ask as one with.
    void AskKnownDrives(LetterReplies& replies);

    // Asks every letter from B to Z that AskAll would ask, and returns at once. The next AskAll
    // takes these answers, so it should follow within moments (as the first scan at start does).
    void AskAhead();

    // The worker threads there are now: idle ones and ones asking a letter.
    int Workers() const;

private:
    void Ask(LetterReplies& replies, std::uint32_t letters);

    struct Shared;
    std::shared_ptr<Shared> FShared;
};

}  // namespace sw
