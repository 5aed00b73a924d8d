#include "app/sys_info.h"

#include <utility>

EReadOnlyProperty::EReadOnlyProperty()
    : std::runtime_error("This value is read-only and cannot be changed.")
{
}

TJvComputerInfoEx::TJvComputerInfoEx(TComponent* owner, std::shared_ptr<sw::IMemoryStatus> source)
    : TComponent(owner), FSource(std::move(source))
{
}

TJvMemInfo& TJvComputerInfoEx::Memory()
{
    if (!FMemory)
        FMemory = std::make_unique<TJvMemInfo>(*FSource);
    return *FMemory;
}
