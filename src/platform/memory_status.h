// The machine's memory figures in bytes, full width: physical memory, and the calling process's
// own virtual address space (not the page file) on Windows, the commit limit on Linux.
#pragma once

#include <cstdint>

namespace sw {

struct MemoryStatus {
    std::int64_t totalPhys = 0;
    std::int64_t availPhys = 0;
    std::int64_t totalVirtual = 0;
    std::int64_t availVirtual = 0;
};

class IMemoryStatus {
public:
    virtual ~IMemoryStatus() = default;
    // Asks the system afresh on every call.
    virtual MemoryStatus Read() = 0;
};

}  // namespace sw
