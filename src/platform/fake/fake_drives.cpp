// In-memory drive table behind the drive interface.
#include "platform/fake/fake_drives.h"

#include <algorithm>
#include <utility>

namespace sw {
namespace {

void AddInOrder(std::string& letters, char letter)
{
    letters.insert(std::upper_bound(letters.begin(), letters.end(), letter), letter);
}

}  // namespace

void FakeDrives::Set(char letter, const FakeDrive& drive)
{
    std::lock_guard lock(FLock);
    FTable[letter] = drive;
}

void FakeDrives::Remove(char letter)
{
    std::lock_guard lock(FLock);
    FTable.erase(letter);
}

void FakeDrives::Hang(char letter, FakeHang what)
{
    std::lock_guard lock(FLock);
    FHung[letter] = what;
}

void FakeDrives::Unhang(char letter)
{
    std::lock_guard lock(FLock);
    FHung.erase(letter);
    FUnhung.notify_all();
}

int FakeDrives::Waiting(char letter) const
{
    std::lock_guard lock(FLock);
    auto it = FWaiting.find(letter);
    return it == FWaiting.end() ? 0 : it->second;
}

int FakeDrives::AskingThreads() const
{
    std::lock_guard lock(FLock);
    return static_cast<int>(FAskingThreads.size());
}

std::unique_lock<std::mutex> FakeDrives::Ask(char letter, bool kindQuestion)
{
    std::unique_lock lock(FLock);
    FAskingThreads.insert(std::this_thread::get_id());
    auto hangs = [&] {
        auto it = FHung.find(letter);
        return it != FHung.end() && !(kindQuestion && it->second == FakeHang::AfterKind);
    };
    if (hangs()) {
        ++FWaiting[letter];
        FUnhung.wait(lock, [&] { return !hangs(); });
        --FWaiting[letter];
    }
    return lock;
}

const FakeDrive* FakeDrives::Find(char letter) const
{
    auto it = FTable.find(letter);
    return it == FTable.end() ? nullptr : &it->second;
}

DriveKind FakeDrives::Kind(char letter)
{
    auto lock = Ask(letter, true);
    const FakeDrive* d = Find(letter);
    return d ? d->kind : DriveKind::Absent;
}

DiskSpace FakeDrives::Space(char letter)
{
    auto lock = Ask(letter, false);
    const FakeDrive* d = Find(letter);
    if (!d || !d->mediaPresent || d->spaceQueryFails)
        return {};
    return {d->freeBytes, d->totalBytes, true};
}

bool FakeDrives::IsReadable(char letter)
{
    auto lock = Ask(letter, false);
    const FakeDrive* d = Find(letter);
    return d && d->mediaPresent && !d->spaceQueryFails && !d->unreadable;
}

VolumeSerialNumber FakeDrives::VolumeSerial(char letter)
{
    auto lock = Ask(letter, false);
    const bool silent = (FErrorModes[std::this_thread::get_id()] & kQuiet) != 0;
    AddInOrder(silent ? FSerialsReadSilently : FSerialsReadLoudly, letter);
    const FakeDrive* d = Find(letter);
    if (!d)
        return {};
    VolumeSerialNumber answer;
    answer.mountPoint = d->mountPoint;
    answer.label = d->label;
    if (!d->serialFails && d->mediaPresent) {
        answer.serial = d->serial;
        answer.ok = true;
    }
    return answer;
}

ErrorMode FakeDrives::QuietErrors() { return SetMode(kQuiet); }

void FakeDrives::RestoreErrors(ErrorMode previous) { SetMode(previous); }

ErrorMode FakeDrives::SetMode(ErrorMode mode)
{
    std::lock_guard lock(FLock);
    FErrorModeCalls.push_back(mode);
    return std::exchange(FErrorModes[std::this_thread::get_id()], mode);
}

ErrorMode FakeDrives::Mode() const
{
    std::lock_guard lock(FLock);
    auto it = FErrorModes.find(std::this_thread::get_id());
    return it == FErrorModes.end() ? 0 : it->second;
}

std::vector<ErrorMode> FakeDrives::ErrorModeCalls() const
{
    std::lock_guard lock(FLock);
    return FErrorModeCalls;
}

std::string FakeDrives::SerialsReadSilently() const
{
    std::lock_guard lock(FLock);
    return FSerialsReadSilently;
}

std::string FakeDrives::SerialsReadLoudly() const
{
    std::lock_guard lock(FLock);
    return FSerialsReadLoudly;
}

}  // namespace sw
