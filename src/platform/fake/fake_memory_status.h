// A memory record that tests set; every read returns it and is counted.
#pragma once

#include "platform/memory_status.h"

namespace sw {

class FakeMemoryStatus : public IMemoryStatus {
public:
    MemoryStatus Status;
    int Reads = 0;

    MemoryStatus Read() override
    {
        ++Reads;
        return Status;
    }
};

}  // namespace sw
