// Drive queries over kernel32. GetDiskFreeSpaceExA is looked up at run time because the
// oldest systems lack it; there the byte counts come from the cluster figures instead.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

using GetDiskFreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER,
                                           PULARGE_INTEGER);

std::string RootOfDrive(int driveNumber)
{
    return std::string(1, static_cast<char>('A' + driveNumber - 1)) + ":\\";
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

    int DriveType(const std::string& root) override
    {
        return static_cast<int>(GetDriveTypeA(root.c_str()));
    }

    DiskSpace FreeAndTotalBytes(int driveNumber) override
    {
        std::string root = RootOfDrive(driveNumber);
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

    bool IsReadable(const std::string& root) override
    {
        DWORD a = 0, b = 0, c = 0, d = 0;
        return GetDiskFreeSpaceA(root.c_str(), &a, &b, &c, &d) != 0;
    }

    VolumeSerialNumber VolumeSerial(const std::string& root) override
    {
        DWORD serial = 0, maxComponent = 0, flags = 0;
        BOOL ok = GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, &maxComponent, &flags,
                                        nullptr, 0);
        return {static_cast<std::uint32_t>(serial), ok != 0};
    }

    unsigned SetErrorMode(unsigned mode) override
    {
        DWORD previous = 0;
        ::SetThreadErrorMode(mode, &previous);
        return previous;
    }

private:
    GetDiskFreeSpaceExFn FGetDiskFreeSpaceEx = nullptr;
};

}  // namespace

std::shared_ptr<IDrives> MakeWin32Drives() { return std::make_shared<Win32Drives>(); }

}  // namespace sw
