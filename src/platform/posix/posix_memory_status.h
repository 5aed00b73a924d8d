// Memory figures from the Linux /proc files.
#pragma once

#include "platform/memory_status.h"

namespace sw {

class PosixMemoryStatus : public IMemoryStatus {
public:
    MemoryStatus Read() override;
};

}  // namespace sw
