// The names udev gives a disk's devices in a /dev/disk/by-* folder (by-label, by-uuid): each
// link's name, by the device it points at. Finding one device's name means following every link
// in the folder, so the folder is read again only when it changed: udev adds, removes and renames
// links as disks and labels come and go, and each of those changes the folder's time.
#pragma once

#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace sw {

class DeviceLinks {
public:
    explicit DeviceLinks(std::string folder) : FFolder(std::move(folder)) { }

    // The decoded name of the link that points at `device` (a path under /dev), if any.
    std::optional<std::string> NameFor(const std::string& device);

private:
    void ReadIfChanged();

    const std::string FFolder;
    std::mutex FLock;
    bool FRead = false;
    timespec FChanged{};
    std::map<std::string, std::string> FNames;
};

}  // namespace sw
