// In-memory drive table behind the drive interface.
#include "platform/fake/fake_drives.h"

#include <cctype>

namespace sw {
namespace {

char RootLetter(const std::string& root)
{
    return root.empty() ? '\0'
                        : static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
}

}  // namespace

void FakeDrives::Set(char letter, const FakeDrive& drive) { FTable[letter] = drive; }

void FakeDrives::Remove(char letter) { FTable.erase(letter); }

const FakeDrive* FakeDrives::Find(char letter) const
{
    auto it = FTable.find(letter);
    return it == FTable.end() ? nullptr : &it->second;
}

int FakeDrives::DriveType(const std::string& root)
{
    const FakeDrive* d = Find(RootLetter(root));
    return d ? d->type : kDriveNoRootDir;
}

DiskSpace FakeDrives::FreeAndTotalBytes(int driveNumber)
{
    const FakeDrive* d = Find(static_cast<char>('A' + driveNumber - 1));
    if (!d || !d->mediaPresent || d->spaceQueryFails)
        return {};
    return {d->freeBytes, d->totalBytes, true};
}

bool FakeDrives::IsReadable(const std::string& root)
{
    const FakeDrive* d = Find(RootLetter(root));
    return d && d->mediaPresent && !d->spaceQueryFails && !d->unreadable;
}

VolumeSerialNumber FakeDrives::VolumeSerial(const std::string& root)
{
    char letter = RootLetter(root);
    (FErrorMode & kSemFailCriticalErrors ? FSerialsReadSilently : FSerialsReadLoudly) += letter;
    const FakeDrive* d = Find(letter);
    if (!d || d->serialFails || !d->mediaPresent)
        return {};
    return {d->serial, true};
}

unsigned FakeDrives::SetErrorMode(unsigned mode)
{
    FErrorModeCalls.push_back(mode);
    unsigned previous = FErrorMode;
    FErrorMode = mode;
    return previous;
}

}  // namespace sw
