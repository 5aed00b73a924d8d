// A drive table that tests fill in: kind, sizes, a missing medium, failing queries and serials
// per letter, with every error-mode switch recorded.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace sw {

struct FakeDrive {
    int type = kDriveFixed;
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
    bool mediaPresent = true;  // false: space queries fail, like an empty drive
    bool spaceQueryFails = false;  // the space query fails although a medium is present
    bool unreadable = false;  // the medium answers the size query but fails the readability test
    std::uint32_t serial = 0;
    bool serialFails = false;
};

class FakeDrives : public IDrives {
public:
    // Letter 'A'..'Z'; letters never set report kDriveNoRootDir.
    void Set(char letter, const FakeDrive& drive);
    void Remove(char letter);

    int DriveType(const std::string& root) override;
    DiskSpace FreeAndTotalBytes(int driveNumber) override;
    bool IsReadable(const std::string& root) override;
    VolumeSerialNumber VolumeSerial(const std::string& root) override;
    unsigned SetErrorMode(unsigned mode) override;

    unsigned ErrorMode() const { return FErrorMode; }
    // Every mode passed to SetErrorMode, in order.
    const std::vector<unsigned>& ErrorModeCalls() const { return FErrorModeCalls; }
    // Letters whose serial was read while critical errors were failing without a dialog.
    const std::string& SerialsReadSilently() const { return FSerialsReadSilently; }
    // Letters whose serial was read with the system's dialogs on.
    const std::string& SerialsReadLoudly() const { return FSerialsReadLoudly; }

private:
    const FakeDrive* Find(char letter) const;

    std::map<char, FakeDrive> FTable;
    unsigned FErrorMode = 0;
    std::vector<unsigned> FErrorModeCalls;
    std::string FSerialsReadSilently;
    std::string FSerialsReadLoudly;
};

}  // namespace sw
