// Memory figures from /proc/meminfo. A 64-bit address space says nothing to a user, so the
// "virtual" pair is the commit limit and what is left of it: how much more the programs may
// claim before the system refuses (or, with overcommit, starts to swap hard).
#pragma once

#include <string>

#include "platform/memory_status.h"

namespace sw {

// Physical: MemTotal and MemAvailable; virtual: CommitLimit and CommitLimit - Committed_AS, never
// below 0. A text that lacks one of the four, or has one that is no count of kB, gives all
// zeros, as a failed query does on Windows.
MemoryStatus ParseMemInfo(const std::string& text);

class PosixMemoryStatus : public IMemoryStatus {
public:
    MemoryStatus Read() override;
};

}  // namespace sw
