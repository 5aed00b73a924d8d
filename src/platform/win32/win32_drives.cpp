// Drive queries over kernel32. GetDiskFreeSpaceExA is looked up at run time because the
// oldest systems lack it; there the byte counts come from the cluster figures instead.
//
// A fixed drive's serial is kept between scans: reading it costs the mount manager's help
// (fifteen to thirty trips to the wineserver per drive under Wine), and it cannot change while
// the drive stays mounted with the same size. A space query vouches for it each time, and that
// answer serves the measurement's own space query, which comes next; a drive that stops
// answering loses what was kept.
#include <windows.h>

#include <array>
#include <mutex>
#include <optional>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                           PULARGE_INTEGER);

std::string RootOf(char letter) { return std::string(1, letter) + ":\\"; }

DriveKind KindOf(UINT type)
{
    switch (type) {
    case DRIVE_NO_ROOT_DIR:
        return DriveKind::Absent;
    case DRIVE_REMOVABLE:
        return DriveKind::Removable;
    case DRIVE_FIXED:
        return DriveKind::Fixed;
    case DRIVE_REMOTE:
        return DriveKind::Network;
    case DRIVE_CDROM:
        return DriveKind::CdRom;
    case DRIVE_RAMDISK:
        return DriveKind::RamDisk;
    default:
        return DriveKind::Unknown;
    }
}

// The space answer that vouched for a kept serial on this thread, for the space query that
// follows it; any other question drops it.
struct VouchedSpace {
    char letter = 0;
    DiskSpace space;
};
thread_local VouchedSpace tVouched;

// A serial read on this thread, kept once the space query that follows gives the drive's size.
struct ReadSerial {
    char letter = 0;
    std::uint32_t serial = 0;
};
thread_local ReadSerial tRead;

class Win32Drives : public IDrives {
public:
    Win32Drives()
    {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        FGetDiskFreeSpaceEx =
            kernel ? reinterpret_cast<GetDiskFreeSpaceExFn>(
                         reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExA")))
                   : nullptr;
    }

    DriveKind Kind(char letter) override
    {
        Drop();
        const UINT type = GetDriveTypeA(RootOf(letter).c_str());
        std::lock_guard lock(FLock);
        KeptSerial& slot = Slot(letter);
        if (type == DRIVE_FIXED)
            slot.fixed = true;
        else
            slot = {};
        return KindOf(type);
    }

    DiskSpace Space(char letter) override
    {
        if (tVouched.letter == letter) {
            const DiskSpace vouched = tVouched.space;
            Drop();
            return vouched;
        }
        const ReadSerial read = tRead;
        Drop();
        const DiskSpace space = QuerySpace(letter);
        if (read.letter == letter && space.ok)
            Keep(letter, read.serial, space.total);
        return space;
    }

    bool IsReadable(char letter) override
    {
        Drop();
        DWORD a = 0, b = 0, c = 0, d = 0;
        return GetDiskFreeSpaceA(RootOf(letter).c_str(), &a, &b, &c, &d) != 0;
    }

    VolumeSerialNumber VolumeSerial(char letter) override
    {
        Drop();
        if (const auto kept = Kept(letter)) {
            const DiskSpace space = QuerySpace(letter);
            if (space.ok && space.total == kept->total) {
                tVouched = {letter, space};
                return {kept->serial, true};
            }
            Forget(letter);
        }
        DWORD serial = 0, maxComponent = 0, flags = 0;
        BOOL ok = GetVolumeInformationA(RootOf(letter).c_str(), nullptr, 0, &serial, &maxComponent,
                                        &flags, nullptr, 0);
        if (ok)
            tRead = {letter, static_cast<std::uint32_t>(serial)};
        return {static_cast<std::uint32_t>(serial), ok != 0};
    }

    ErrorMode QuietErrors() override { return SetThreadMode(SEM_FAILCRITICALERRORS); }
    void RestoreErrors(ErrorMode previous) override { SetThreadMode(previous); }

private:
    struct KeptSerial {
        bool fixed = false;  // the letter's last kind question said so
        bool kept = false;
        std::uint32_t serial = 0;
        std::int64_t total = 0;
    };

    static void Drop()
    {
        tVouched = {};
        tRead = {};
    }

    KeptSerial& Slot(char letter) { return FKept[static_cast<unsigned char>(letter - 'A') % 26]; }

    std::optional<KeptSerial> Kept(char letter)
    {
        std::lock_guard lock(FLock);
        const KeptSerial& slot = Slot(letter);
        return slot.fixed && slot.kept ? std::optional(slot) : std::nullopt;
    }

    void Keep(char letter, std::uint32_t serial, std::int64_t total)
    {
        std::lock_guard lock(FLock);
        KeptSerial& slot = Slot(letter);
        if (slot.fixed)
            slot = {true, true, serial, total};
    }

    void Forget(char letter)
    {
        std::lock_guard lock(FLock);
        Slot(letter).kept = false;
    }

    DiskSpace QuerySpace(char letter)
    {
        std::string root = RootOf(letter);
        if (FGetDiskFreeSpaceEx) {
            ULARGE_INTEGER toCaller{}, total{};
            if (!FGetDiskFreeSpaceEx(root.c_str(), &toCaller, &total, nullptr))
                return {};
            return {static_cast<std::int64_t>(toCaller.QuadPart),
                    static_cast<std::int64_t>(total.QuadPart), true};
        }
        DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
        if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                               &totalClusters))
            return {};
        std::int64_t cluster = std::int64_t{sectorsPerCluster} * bytesPerSector;
        return {cluster * freeClusters, cluster * totalClusters, true};
    }

    static ErrorMode SetThreadMode(DWORD mode)
    {
        DWORD previous = 0;
        ::SetThreadErrorMode(mode, &previous);
        return previous;
    }

    GetDiskFreeSpaceExFn FGetDiskFreeSpaceEx = nullptr;
    std::mutex FLock;
    std::array<KeptSerial, 26> FKept{};
};

}  // namespace

std::shared_ptr<IDrives> MakeWin32Drives() { return std::make_shared<Win32Drives>(); }

}  // namespace sw
