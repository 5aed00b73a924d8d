// A drive table that tests fill in: kind, sizes, a missing medium, failing queries and serials
// per letter, with every error-mode switch recorded. A letter can be made to hang like an
// offline share: its questions wait until the test lets them answer. Safe to ask from several
// threads at once, as the scan's workers do.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/drives.h"

namespace sw {

struct FakeDrive {
    DriveKind kind = DriveKind::Fixed;
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
    bool mediaPresent = true;  // false: space queries fail, like an empty drive
    bool spaceQueryFails = false;  // the space query fails although a medium is present
    bool unreadable = false;  // the medium answers the size query but fails the readability test
    std::uint32_t serial = 0;
    bool serialFails = false;
    // Answered with the serial, also when it fails: a system whose drives are mounted folders
    // knows the folder without asking the medium.
    std::string mountPoint{};
    std::string label{};
};

// Which questions of a hung letter wait: all of them, or all but the kind, which a system may
// answer from its own table of drives.
enum class FakeHang { Everything, AfterKind };

class FakeDrives : public IDrives {
public:
    // Letter 'A'..'Z'; letters never set are absent.
    void Set(char letter, const FakeDrive& drive);
    void Remove(char letter);
    // From now on the letter's questions wait until Unhang; those already waiting go on waiting.
    void Hang(char letter, FakeHang what = FakeHang::Everything);
    // Lets every waiting and later question about the letter answer.
    void Unhang(char letter);
    // How many questions about the letter are waiting right now.
    int Waiting(char letter) const;
    // How many different threads have asked any question so far.
    int AskingThreads() const;

    // The mode QuietErrors sets; any other fails loudly, with a dialog.
    static constexpr ErrorMode kQuiet = 1;

    DriveKind Kind(char letter) override;
    DiskSpace Space(char letter) override;
    bool IsReadable(char letter) override;
    VolumeSerialNumber VolumeSerial(char letter) override;
    ErrorMode QuietErrors() override;
    void RestoreErrors(ErrorMode previous) override;

    // The calling thread's mode.
    ErrorMode Mode() const;
    // Every mode set by any thread, in order.
    std::vector<ErrorMode> ErrorModeCalls() const;
    // Letters whose serial was read while critical errors were failing without a dialog, in
    // letter order.
    std::string SerialsReadSilently() const;
    // Letters whose serial was read with the system's dialogs on, in letter order.
    std::string SerialsReadLoudly() const;

private:
    // Waits while the letter hangs for this question; returns with the lock held.
    std::unique_lock<std::mutex> Ask(char letter, bool kindQuestion);
    const FakeDrive* Find(char letter) const;
    ErrorMode SetMode(ErrorMode mode);

    mutable std::mutex FLock;
    std::condition_variable FUnhung;
    std::map<char, FakeDrive> FTable;
    std::map<char, FakeHang> FHung;
    std::map<char, int> FWaiting;
    std::set<std::thread::id> FAskingThreads;
    std::map<std::thread::id, ErrorMode> FErrorModes;
    std::vector<ErrorMode> FErrorModeCalls;
    std::string FSerialsReadSilently;
    std::string FSerialsReadLoudly;
};

}  // namespace sw
