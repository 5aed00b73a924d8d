// Drive queries the meter needs for each letter, as plain values. A drive is named by its
// letter, 'A' to 'Z'. The scan asks the letters on worker threads, so an implementation answers
// several threads at once, and any query may block for as long as its drive does not answer.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// What is behind a letter; Absent when nothing is.
enum class DriveKind { Unknown, Absent, Removable, Fixed, Network, CdRom, RamDisk };

// Byte counts of one drive; a failed query leaves both at -1.
struct DiskSpace {
    std::int64_t freeToCaller = -1;
    std::int64_t total = -1;
    bool ok = false;
};

// `ok` tells whether the serial was read. Where drives are mounted folders rather than letters,
// the folder and the file system's label (empty when it has none) name the drive too; elsewhere
// both stay empty.
struct VolumeSerialNumber {
    std::uint32_t serial = 0;
    bool ok = false;
    std::string mountPoint{};
    std::string label{};
};

// How a thread meets a drive that wants the user (a disk to insert): the platform's own value,
// kept only to be given back.
using ErrorMode = unsigned;

class IDrives {
public:
    virtual ~IDrives() = default;
    virtual DriveKind Kind(char letter) = 0;
    virtual DiskSpace Space(char letter) = 0;
    // True when the drive answers a space query (a medium is present and readable).
    virtual bool IsReadable(char letter) = 0;
    virtual VolumeSerialNumber VolumeSerial(char letter) = 0;
    // From now on such errors fail quietly on the calling thread, without a dialog; returns the
    // mode to restore. Per thread: a process-wide switch would race between the workers.
    virtual ErrorMode QuietErrors() = 0;
    virtual void RestoreErrors(ErrorMode previous) = 0;
};

}  // namespace sw
