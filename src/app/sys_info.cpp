#include "app/sys_info.h"

#include <utility>

EReadOnlyProperty::EReadOnlyProperty()
    : std::runtime_error("This value is read-only and cannot be changed.")
{
}

TSystemInfo::TSystemInfo(TComponent* owner, std::shared_ptr<sw::IMemoryStatus> source)
    : TComponent(owner), FSource(std::move(source))
{
}

TMemoryInfo& TSystemInfo::Memory()
{
    if (!FMemory)
        FMemory = std::make_unique<TMemoryInfo>(*FSource);
    return *FMemory;
}
