// The mount-table-to-letters rule described in the header, free of file access so it can be
// tested with any table.
#include "platform/posix/mount_table.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

#include "platform/posix/file_text.h"

namespace sw {
namespace {

constexpr char kFirstLetter = 'D';
constexpr char kLastLetter = 'Z';

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes a space, tab, newline and backslash in a path as \040, \011, \012 and \134.
std::string Unescape(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
            IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// The space-separated fields of a line.
std::vector<std::string_view> FieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

// ID, parent, major:minor, root, mount point, options, optional fields up to "-", then type,
// source and the super block's options.
bool ParseLine(std::string_view line, MountEntry& m)
{
    const auto fields = FieldsOf(line);
    const auto dash =
        std::find(fields.begin() + std::min<std::size_t>(fields.size(), 6), fields.end(), "-");
    if (fields.size() < 6 || fields.end() - dash < 3)
        return false;
    const std::string_view id = fields[0];
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), m.id);
    if (error != std::errc() || end != id.data() + id.size())
        return false;
    m.device = fields[2];
    m.root = fields[3];
    m.mountPoint = fields[4];
    m.fsType = dash[1];
    m.source = dash[2];
    m.superOptions = fields.end() - dash > 3 ? std::string(dash[3]) : std::string();
    m.root = Unescape(m.root);
    m.mountPoint = Unescape(m.mountPoint);
    m.source = Unescape(m.source);
    return true;
}

bool IsNetworkType(const std::string& fsType)
{
    static const std::set<std::string> kTypes = {"nfs",   "nfs4",  "cifs",       "smb3",
                                                 "smbfs", "sshfs", "fuse.sshfs", "9p",
                                                 "ceph",  "afs",   "davfs",      "fuse.rclone"};
    return kTypes.count(fsType) != 0;
}

bool IsUnder(const std::string& path, const std::string& folder)
{
    if (folder.empty())
        return false;
    if (path == folder)
        return true;
    const std::string prefix = folder.back() == '/' ? folder : folder + "/";
    return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0;
}

// The whole file system, or a btrfs subvolume mounted by name: not a folder bound elsewhere.
bool IsWholeFileSystem(const MountEntry& m)
{
    if (m.root == "/")
        return true;
    if (m.fsType != "btrfs")
        return false;
    const std::string wanted = "subvol=" + m.root;
    std::string_view options = m.superOptions;
    while (!options.empty()) {
        const std::size_t comma = std::min(options.find(','), options.size());
        if (options.substr(0, comma) == wanted)
            return true;
        options.remove_prefix(std::min(comma + 1, options.size()));
    }
    return false;
}

bool IsOnDevice(const MountEntry& m)
{
    return (m.source.rfind("/dev/", 0) == 0 || m.fsType == "zfs") && m.fsType != "squashfs";
}

// A home folder of "/" (some service accounts) would take in every mount; it counts as none.
bool IsUserPlace(const std::string& path, const UserPlaces& places)
{
    const bool inHome = places.home != "/" && IsUnder(path, places.home);
    return IsUnder(path, "/media") || IsUnder(path, "/mnt") || inHome ||
           (!places.user.empty() && IsUnder(path, "/run/media/" + places.user));
}

bool IsShown(const MountEntry& m, const UserPlaces& places)
{
    if (!IsWholeFileSystem(m))
        return false;
    if (IsNetworkType(m.fsType))
        return true;
    return IsOnDevice(m) && IsUserPlace(m.mountPoint, places);
}

// The mounts a user can see: a later mount on the same folder hides an earlier one.
std::vector<MountEntry> VisibleMounts(const std::vector<MountEntry>& mounts)
{
    std::vector<MountEntry> visible;
    for (std::size_t i = 0; i < mounts.size(); ++i) {
        const auto hides = [&](const MountEntry& later) {
            return later.mountPoint == mounts[i].mountPoint;
        };
        if (std::none_of(mounts.begin() + static_cast<std::ptrdiff_t>(i) + 1, mounts.end(), hides))
            visible.push_back(mounts[i]);
    }
    return visible;
}

const LetterDrive* FindById(const DriveLetters& letters, int id)
{
    for (const auto& d : letters)
        if (d.mount.id == id)
            return &d;
    return nullptr;
}

bool SameDrive(const LetterDrive& a, const LetterDrive& b)
{
    return a.letter == b.letter && a.mount.id == b.mount.id;
}

// Letters of `from` that `other` lacks, or gives another drive.
std::string LettersMissingFrom(const DriveLetters& from, const DriveLetters& other)
{
    std::string letters;
    for (const auto& d : from) {
        const bool kept = std::any_of(other.begin(), other.end(),
                                      [&](const LetterDrive& o) { return SameDrive(d, o); });
        if (!kept)
            letters += d.letter;
    }
    return letters;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(const std::string& text)
{
    std::vector<MountEntry> mounts;
    for (const std::string_view line : LinesOf(text)) {
        MountEntry m;
        if (ParseLine(line, m))
            mounts.push_back(std::move(m));
    }
    return mounts;
}

DriveLetters KeepDriveLetters(const DriveLetters& previous, const std::vector<MountEntry>& mounts,
                              const UserPlaces& places)
{
    DriveLetters letters;
    std::set<std::string> devices;
    std::vector<MountEntry> newcomers;
    for (const auto& m : VisibleMounts(mounts)) {
        const LetterDrive* kept = FindById(previous, m.id);
        if (m.mountPoint == "/") {
            letters.push_back({'C', m});
            devices.insert(m.device);
        } else if (IsShown(m, places) && kept != nullptr) {
            letters.push_back({kept->letter, m});
            devices.insert(m.device);
        } else if (IsShown(m, places)) {
            newcomers.push_back(m);
        }
    }
    std::set<char> taken;
    for (const auto& d : letters)
        taken.insert(d.letter);
    char next = kFirstLetter;
    for (const auto& m : newcomers) {
        while (next <= kLastLetter && taken.count(next) != 0)
            ++next;
        if (next > kLastLetter)
            break;
        if (devices.insert(m.device).second)
            letters.push_back({next++, m});
    }
    std::sort(letters.begin(), letters.end(),
              [](const LetterDrive& a, const LetterDrive& b) { return a.letter < b.letter; });
    return letters;
}

LetterChanges CompareDriveLetters(const DriveLetters& before, const DriveLetters& after)
{
    return {LettersMissingFrom(after, before), LettersMissingFrom(before, after)};
}

DriveKind KindOf(const MountEntry& mount,
                 const std::function<bool(const std::string& source)>& isRemovable)
{
    if (IsNetworkType(mount.fsType))
        return DriveKind::Network;
    const std::string base = mount.source.substr(mount.source.rfind('/') + 1);
    const bool onDevice = mount.source.rfind("/dev/", 0) == 0;
    if (mount.fsType == "iso9660" || mount.fsType == "udf" ||
        (onDevice && base.rfind("sr", 0) == 0))
        return DriveKind::CdRom;
    return onDevice && isRemovable(mount.source) ? DriveKind::Removable : DriveKind::Fixed;
}

}  // namespace sw
