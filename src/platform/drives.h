// Drive queries the meter needs for each letter, as plain values. Roots are "X:\" texts and
// drive numbers count from 1 for A: to 26 for Z:, as the Windows calls take them. The scan asks
// the letters on worker threads, so an implementation answers several threads at once, and any
// query may block for as long as its drive does not answer.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// The Win32 drive type numbering, kept on every platform.
enum : int {
    kDriveUnknown = 0,
    kDriveNoRootDir = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdrom = 5,
    kDriveRamDisk = 6,
};

// Fails critical errors without a dialog (the Win32 SEM_FAILCRITICALERRORS value).
inline constexpr unsigned kSemFailCriticalErrors = 1;

// Byte counts of one drive; a failed query leaves both at -1.
struct DiskSpace {
    std::int64_t freeToCaller = -1;
    std::int64_t total = -1;
    bool ok = false;
};

struct VolumeSerialNumber {
    std::uint32_t serial = 0;
    bool ok = false;
};

class IDrives {
public:
    virtual ~IDrives() = default;
    // One of the kDrive* values for a root such as "C:\".
    virtual int DriveType(const std::string& root) = 0;
    virtual DiskSpace FreeAndTotalBytes(int driveNumber) = 0;
    // True when the drive answers a space query (a medium is present and readable).
    virtual bool IsReadable(const std::string& root) = 0;
    virtual VolumeSerialNumber VolumeSerial(const std::string& root) = 0;
    // Sets the calling thread's critical-error mode and returns the previous one: a process-wide
    // switch would race between the workers.
    virtual unsigned SetErrorMode(unsigned mode) = 0;
};

}  // namespace sw
