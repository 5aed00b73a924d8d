// Drives on POSIX: the letters of mount_table.h, sizes from statvfs, serials from the file
// system's UUID. The mount table is read afresh on every query, so a scan sees mounts come and go;
// the letters are worked out again only when it has changed, so that a mount that hangs stalls
// the queries about its own letter and not those of every other one.
#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/posix/mount_table.h"

namespace sw {

class PosixDrives : public IDrives {
public:
    DriveKind Kind(char letter) override;
    DiskSpace Space(char letter) override;
    bool IsReadable(char letter) override;
    VolumeSerialNumber VolumeSerial(char letter) override;
    // There are no critical-error dialogs here; the mode is only kept, per thread.
    ErrorMode QuietErrors() override;
    void RestoreErrors(ErrorMode previous) override;

private:
    std::optional<LetterDrive> Find(char letter);
    // Guards the letters worked out from the mount table, which every worker reads.
    std::mutex FLock;
    std::string FMountsText;
    std::vector<LetterDrive> FLetters;
};

}  // namespace sw
