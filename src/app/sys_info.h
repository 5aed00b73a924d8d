// The memory figures the memory window shows, as a component it owns: every figure is read from
// the system afresh, so two figures read one after the other may come from different instants.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "platform/memory_status.h"
#include "ui/component.h"

// Raised by an attempt to change one of the figures.
struct EReadOnlyProperty : std::runtime_error {
    EReadOnlyProperty();
};

// Holds no figures of its own; each getter is one query of the memory status, in bytes.
class TMemoryInfo : public TObject {
public:
    explicit TMemoryInfo(sw::IMemoryStatus& source) : FSource(source) { }

    std::int64_t TotalPhysicalMemory() const { return FSource.Read().totalPhys; }
    std::int64_t FreePhysicalMemory() const { return FSource.Read().availPhys; }
    std::int64_t TotalVirtualMemory() const { return FSource.Read().totalVirtual; }
    std::int64_t FreeVirtualMemory() const { return FSource.Read().availVirtual; }

    [[noreturn]] void SetTotalPhysicalMemory(std::int64_t) { throw EReadOnlyProperty(); }
    [[noreturn]] void SetFreePhysicalMemory(std::int64_t) { throw EReadOnlyProperty(); }
    [[noreturn]] void SetTotalVirtualMemory(std::int64_t) { throw EReadOnlyProperty(); }
    [[noreturn]] void SetFreeVirtualMemory(std::int64_t) { throw EReadOnlyProperty(); }

private:
    sw::IMemoryStatus& FSource;
};

// The system information component; of its information groups only the memory one is built.
class TSystemInfo : public TComponent {
public:
    TSystemInfo(TComponent* owner, std::shared_ptr<sw::IMemoryStatus> source);

    // Made on the first read and kept until the component goes.
    TMemoryInfo& Memory();
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }

private:
    std::shared_ptr<sw::IMemoryStatus> FSource;
    std::unique_ptr<TMemoryInfo> FMemory;
    bool FReadOnly = true;
};
