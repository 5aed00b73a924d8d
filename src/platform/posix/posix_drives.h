// Drives on POSIX: the letters of mount_table.h, sizes from statvfs, serials from the file
// system's UUID, labels from /dev/disk/by-label. Only /proc is read outside the queries about
// one letter (which the scan asks on its workers), so a mount that hangs stalls the questions
// about its own letter and nothing else: the letters are worked out from the mount table alone.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/drives.h"
#include "platform/posix/device_links.h"
#include "platform/posix/mount_table.h"
#include "platform/posix/mount_watcher.h"

namespace sw {

class PosixDrives : public IDrives {
public:
    // Told with the capitals of the letters whose drives came (arrival) or went, in letter
    // order, one call for each; a replaced drive is both.
    using MountsChanged = std::function<void(bool arrival, const std::string& letters)>;

    PosixDrives();

    // Reads the mount table afresh, so a scan sees mounts come and go, unless the watcher keeps
    // the letters up to date.
    DriveKind Kind(char letter) override;
    DiskSpace Space(char letter) override;
    bool IsReadable(char letter) override;
    VolumeSerialNumber VolumeSerial(char letter) override;
    // There are no critical-error dialogs here; the mode is only kept, per thread.
    ErrorMode QuietErrors() override;
    void RestoreErrors(ErrorMode previous) override;

    // Watches the mount table from now on and tells `changed`, on the watcher's thread, within
    // moments of a mount or an unmount; a later call only replaces `changed`. The watch ends with
    // this object.
    void OnMountsChanged(MountsChanged changed);

private:
    void Refresh();
    void ReportChanges();
    std::optional<LetterDrive> Find(char letter);
    bool Removable(const std::string& device);

    const UserPlaces FPlaces;
    // Guards what follows; held while the table is read, so that tables are taken in order.
    std::mutex FLock;
    std::string FMountsText;
    DriveLetters FLetters;
    // The removable flag of each device asked about since the table last changed.
    std::map<std::string, bool> FRemovable;
    DeviceLinks FLabels{"/dev/disk/by-label"};
    DeviceLinks FUuids{"/dev/disk/by-uuid"};
    // The letters as last told to FMountsChanged.
    DriveLetters FReported;
    MountsChanged FMountsChanged;
    std::atomic<bool> FWatching{false};
    // Last, so that it stops before the state it reports on goes.
    std::unique_ptr<MountWatcher> FWatcher;
};

}  // namespace sw
