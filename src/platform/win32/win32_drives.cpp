// Drive queries over kernel32. GetDiskFreeSpaceExA is looked up at run time because the
// oldest systems lack it; there the byte counts come from the cluster figures instead.
#include <windows.h>

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

    DriveKind Kind(char letter) override { return KindOf(GetDriveTypeA(RootOf(letter).c_str())); }

    DiskSpace Space(char letter) override
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

    bool IsReadable(char letter) override
    {
        DWORD a = 0, b = 0, c = 0, d = 0;
        return GetDiskFreeSpaceA(RootOf(letter).c_str(), &a, &b, &c, &d) != 0;
    }

    VolumeSerialNumber VolumeSerial(char letter) override
    {
        DWORD serial = 0, maxComponent = 0, flags = 0;
        BOOL ok = GetVolumeInformationA(RootOf(letter).c_str(), nullptr, 0, &serial, &maxComponent,
                                        &flags, nullptr, 0);
        return {static_cast<std::uint32_t>(serial), ok != 0};
    }

    ErrorMode QuietErrors() override { return SetThreadMode(SEM_FAILCRITICALERRORS); }
    void RestoreErrors(ErrorMode previous) override { SetThreadMode(previous); }

private:
    static ErrorMode SetThreadMode(DWORD mode)
    {
        DWORD previous = 0;
        ::SetThreadErrorMode(mode, &previous);
        return previous;
    }

    GetDiskFreeSpaceExFn FGetDiskFreeSpaceEx = nullptr;
};

}  // namespace

std::shared_ptr<IDrives> MakeWin32Drives() { return std::make_shared<Win32Drives>(); }

}  // namespace sw
