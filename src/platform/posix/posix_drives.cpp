// Mount table, statvfs, /sys/class/block and /dev/disk behind the drive interface.
#include "platform/posix/posix_drives.h"

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "platform/posix/file_text.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// From the session's environment where it says; the account database is read only where it
// does not (its first look-up costs the start half a millisecond).
UserPlaces CurrentUserPlaces()
{
    UserPlaces places;
    const char* home = std::getenv("HOME");
    const char* user = std::getenv("USER");
    if (home != nullptr && *home != '\0')
        places.home = home;
    if (user != nullptr && *user != '\0')
        places.user = user;
    if (!places.home.empty() && !places.user.empty())
        return places;
    if (const passwd* account = getpwuid(getuid())) {
        if (places.home.empty())
            places.home = account->pw_dir;
        if (places.user.empty())
            places.user = account->pw_name;
    }
    return places;
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
    return FileText((sys / "removable").string()).rfind('1', 0) == 0;
}

// The first eight hex digits of the device's UUID (a FAT UUID such as "1A2B-3C4D" is exactly
// its volume serial).
std::optional<std::uint32_t> SerialFromUuid(const std::optional<std::string>& uuid)
{
    std::string hex;
    for (char c : uuid.value_or(""))
        if (std::isxdigit(static_cast<unsigned char>(c)) && hex.size() < 8)
            hex += c;
    if (hex.empty())
        return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16));
}

}  // namespace

PosixDrives::PosixDrives() : FPlaces(CurrentUserPlaces()) { }

void PosixDrives::Refresh()
{
    std::lock_guard lock(FLock);
    std::string text = FileText("/proc/self/mountinfo");
    if (text == FMountsText)
        return;
    FLetters = KeepDriveLetters(FLetters, ParseMountInfo(text), FPlaces);
    FMountsText = std::move(text);
    FRemovable.clear();
}

std::optional<LetterDrive> PosixDrives::Find(char letter)
{
    std::lock_guard lock(FLock);
    for (const auto& d : FLetters)
        if (d.letter == letter)
            return d;
    return std::nullopt;
}

DriveKind PosixDrives::Kind(char letter)
{
    if (!FWatching)
        Refresh();
    auto d = Find(letter);
    return d ? KindOf(d->mount, [this](const std::string& device) { return Removable(device); })
             : DriveKind::Absent;
}

// A device's flag stays as it is while the device stays mounted; finding it takes a dozen path
// look-ups, so every scan asking it again would cost more than measuring the drive.
bool PosixDrives::Removable(const std::string& device)
{
    {
        std::lock_guard lock(FLock);
        if (const auto known = FRemovable.find(device); known != FRemovable.end())
            return known->second;
    }
    const bool removable = IsRemovableDevice(device);
    std::lock_guard lock(FLock);
    FRemovable[device] = removable;
    return removable;
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
    VolumeSerialNumber answer;
    answer.mountPoint = d->mount.mountPoint;
    answer.label = FLabels.NameFor(d->mount.source).value_or("");
    struct statvfs st { };
    if (auto serial = SerialFromUuid(FUuids.NameFor(d->mount.source))) {
        answer.serial = *serial;
        answer.ok = true;
    } else if (statvfs(d->mount.mountPoint.c_str(), &st) == 0) {
        // Without a UUID (network and virtual disks) the file system id stands in.
        answer.serial = static_cast<std::uint32_t>(st.f_fsid);
        answer.ok = true;
    }
    return answer;
}

void PosixDrives::OnMountsChanged(MountsChanged changed)
{
    Refresh();
    {
        std::lock_guard lock(FLock);
        FMountsChanged = std::move(changed);
        if (FWatcher)
            return;
        FReported = FLetters;
    }
    FWatcher = std::make_unique<MountWatcher>([this] { ReportChanges(); });
    FWatching = FWatcher->Watching();
}

// On the watcher's thread: removals first, so a letter that changes hands goes before it comes.
void PosixDrives::ReportChanges()
{
    Refresh();
    LetterChanges changes;
    MountsChanged report;
    {
        std::lock_guard lock(FLock);
        changes = CompareDriveLetters(FReported, FLetters);
        FReported = FLetters;
        report = FMountsChanged;
    }
    if (!changes.removed.empty())
        report(false, changes.removed);
    if (!changes.arrived.empty())
        report(true, changes.arrived);
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
