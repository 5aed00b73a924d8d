// Memory figures from /proc/meminfo. A 64-bit address space says nothing to a user, so the
// "virtual" pair is the commit limit and what is left of it: how much more the programs may
// claim before the system refuses (or, with overcommit, starts to swap hard).
#pragma once

#include <chrono>
#include <string_view>
#include <vector>

#include "platform/memory_status.h"

namespace sw {

// Physical: MemTotal and MemAvailable; virtual: CommitLimit and CommitLimit - Committed_AS, never
// below 0. A text that lacks one of the four, or has one that is no count of kB, gives all
// zeros, as a failed query does on Windows.
MemoryStatus ParseMemInfo(std::string_view text);

// The memory window asks for its four figures one after another, twice a second whether it is
// open or not, and the kernel builds the whole table for every read: the file stays open, and a
// table read less than kReusedFor ago answers again. Used from one thread.
class PosixMemoryStatus : public IMemoryStatus {
public:
    static constexpr std::chrono::milliseconds kReusedFor{100};

    PosixMemoryStatus();
    ~PosixMemoryStatus() override;
    PosixMemoryStatus(const PosixMemoryStatus&) = delete;
    PosixMemoryStatus& operator=(const PosixMemoryStatus&) = delete;

    MemoryStatus Read() override;

private:
    // The whole file from its start, or an empty text when it cannot be read.
    std::string_view ReadFile();

    int FFile = -1;
    std::vector<char> FText;
    MemoryStatus FLast;
    std::chrono::steady_clock::time_point FReadAt;
    bool FRead = false;
};

}  // namespace sw
