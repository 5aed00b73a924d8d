#include "platform/posix/dbus/sd_bus_calls.h"

#include <dlfcn.h>

#include <optional>

namespace sw {

namespace {

template <class Call> bool Take(void* library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

std::optional<SdBusCalls> Load()
{
    // Kept open for the program's life: the bus's threads may call into it until the end.
    void* library = dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr)
        return std::nullopt;
    SdBusCalls calls{};
    bool all = Take(library, "sd_bus_object_vtable_format", calls.vtableFormat);
#define SW_SD_BUS_TAKE(name) all = Take(library, "sd_bus_" #name, calls.name) && all;
    SW_SD_BUS_CALLS(SW_SD_BUS_TAKE)
#undef SW_SD_BUS_TAKE
    if (!all)
        return std::nullopt;
    return calls;
}

}  // namespace

const SdBusCalls* LoadSdBus()
{
    static const std::optional<SdBusCalls> calls = Load();
    return calls ? &*calls : nullptr;
}

const SdBusCalls& SdBus() { return *LoadSdBus(); }

}  // namespace sw
