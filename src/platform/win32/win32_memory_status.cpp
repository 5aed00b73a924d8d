// Memory figures from GlobalMemoryStatusEx: the full 64-bit values, so neither more than 4 GB
// of memory nor a 64-bit process's 128 TB address space is cut short.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32MemoryStatus : public IMemoryStatus {
public:
    MemoryStatus Read() override
    {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        if (!GlobalMemoryStatusEx(&status))
            return {};
        return {static_cast<std::int64_t>(status.ullTotalPhys),
                static_cast<std::int64_t>(status.ullAvailPhys),
                static_cast<std::int64_t>(status.ullTotalVirtual),
                static_cast<std::int64_t>(status.ullAvailVirtual)};
    }
};

}  // namespace

std::shared_ptr<IMemoryStatus> MakeWin32MemoryStatus()
{
    return std::make_shared<Win32MemoryStatus>();
}

}  // namespace sw
