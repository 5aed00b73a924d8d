// Memory figures on Linux: physical memory from /proc/meminfo (MemAvailable is what a program
// can still get without swapping), the address space as the x86_64 user half, 128 TiB, with
// the process's own mapped size (VmSize) taken off for the available part.
#include "platform/posix/posix_memory_status.h"

#include <fstream>
#include <sstream>
#include <string>

namespace sw {
namespace {

constexpr std::int64_t kAddressSpaceBytes = std::int64_t{1} << 47;

// The kB figure of "Name:   1234 kB" in a /proc file, in bytes; 0 when missing.
std::int64_t ProcBytes(const char* file, const std::string& name)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string label;
        std::int64_t kb = 0;
        if (fields >> label >> kb && label == name + ":")
            return kb * 1024;
    }
    return 0;
}

}  // namespace

MemoryStatus PosixMemoryStatus::Read()
{
    MemoryStatus s;
    s.totalPhys = ProcBytes("/proc/meminfo", "MemTotal");
    s.availPhys = ProcBytes("/proc/meminfo", "MemAvailable");
    s.totalVirtual = kAddressSpaceBytes;
    s.availVirtual = kAddressSpaceBytes - ProcBytes("/proc/self/status", "VmSize");
    return s;
}

}  // namespace sw
