// Mount table, statvfs and /dev/disk/by-uuid behind the drive interface.
#include "platform/posix/posix_drives.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

namespace sw {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The removable flag of the disk a device (or one of its partitions) belongs to.
bool IsRemovableDevice(const std::string& device)
{
    std::error_code ec;
    fs::path dev = fs::canonical(device, ec);
    if (ec)
        return false;
    fs::path sys = fs::canonical(fs::path("/sys/class/block") / dev.filename(), ec);
    if (ec)
        return false;
    if (fs::exists(sys / "partition", ec))
        sys = sys.parent_path();
    return ReadAll((sys / "removable").string()).rfind('1', 0) == 0;
}

bool IsDirectory(const std::string& path)
{
    struct stat st { };
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The first eight hex digits of the UUID whose link names the device (a FAT UUID such as
// "1A2B-3C4D" is exactly its volume serial).
std::optional<std::uint32_t> SerialFromUuid(const std::string& device)
{
    std::error_code ec;
    fs::path dev = fs::canonical(device, ec);
    if (ec)
        return std::nullopt;
    for (const auto& link : fs::directory_iterator("/dev/disk/by-uuid", ec)) {
        if (fs::canonical(link.path(), ec) != dev)
            continue;
        std::string hex;
        for (char c : link.path().filename().string())
            if (std::isxdigit(static_cast<unsigned char>(c)) && hex.size() < 8)
                hex += c;
        if (!hex.empty())
            return static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16));
    }
    return std::nullopt;
}

}  // namespace

std::optional<LetterDrive> PosixDrives::Find(char letter)
{
    auto lookUp = [&]() -> std::optional<LetterDrive> {
        for (const auto& d : FLetters)
            if (d.letter == letter)
                return d;
        return std::nullopt;
    };
    std::string mounts = ReadAll("/proc/self/mounts");
    {
        std::lock_guard lock(FLock);
        if (mounts == FMountsText)
            return lookUp();
    }
    // Worked out unlocked: the probe looks at every mount point, and one may hang.
    MountProbe probe{IsRemovableDevice, IsDirectory};
    std::vector<LetterDrive> letters = AssignDriveLetters(ParseMounts(mounts), probe);
    std::lock_guard lock(FLock);
    FLetters = std::move(letters);
    FMountsText = std::move(mounts);
    return lookUp();
}

DriveKind PosixDrives::Kind(char letter)
{
    auto d = Find(letter);
    return d ? d->kind : DriveKind::Absent;
}

DiskSpace PosixDrives::Space(char letter)
{
    auto d = Find(letter);
    struct statvfs st { };
    if (!d || statvfs(d->mount.mountPoint.c_str(), &st) != 0)
        return {};
    return {static_cast<std::int64_t>(st.f_bavail) * static_cast<std::int64_t>(st.f_frsize),
            static_cast<std::int64_t>(st.f_blocks) * static_cast<std::int64_t>(st.f_frsize), true};
}

bool PosixDrives::IsReadable(char letter)
{
    auto d = Find(letter);
    struct statvfs st { };
    return d && statvfs(d->mount.mountPoint.c_str(), &st) == 0;
}

VolumeSerialNumber PosixDrives::VolumeSerial(char letter)
{
    auto d = Find(letter);
    if (!d)
        return {};
    if (auto serial = SerialFromUuid(d->mount.device))
        return {*serial, true};
    // Without a UUID (network and virtual disks) the file system id stands in.
    struct statvfs st { };
    if (statvfs(d->mount.mountPoint.c_str(), &st) != 0)
        return {};
    return {static_cast<std::uint32_t>(st.f_fsid), true};
}

namespace {

// The quiet mode; any other value, kept as given, is the default.
constexpr ErrorMode kQuiet = 1;

ErrorMode& ThreadMode()
{
    thread_local ErrorMode mode = 0;
    return mode;
}

}  // namespace

ErrorMode PosixDrives::QuietErrors() { return std::exchange(ThreadMode(), kQuiet); }

void PosixDrives::RestoreErrors(ErrorMode previous) { ThreadMode() = previous; }

}  // namespace sw
