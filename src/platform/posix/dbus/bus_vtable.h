// sd-bus tables whose properties and methods all go to one getter and one handler, which tell
// them apart by name: the tables stay lists of names and signatures.
#pragma once

#include "platform/posix/dbus/sd_bus_calls.h"

#include <vector>

namespace sw {

// A table's first entry. The library's own start entry points at a mark of the library, which is
// only known once it is loaded: WithHandlers fills it in.
inline constexpr sd_bus_vtable kVtableStart = {
    .type = _SD_BUS_VTABLE_START,
    .flags = 0,
    .x = {.start = {.element_size = sizeof(sd_bus_vtable),
                    .features = _SD_BUS_VTABLE_PARAM_NAMES,
                    .vtable_format_reference = nullptr}}};

inline std::vector<sd_bus_vtable>
WithHandlers(const sd_bus_vtable* table, sd_bus_property_get_t get, sd_bus_message_handler_t method)
{
    std::vector<sd_bus_vtable> filled;
    for (const sd_bus_vtable* entry = table;; ++entry) {
        sd_bus_vtable copy = *entry;
        if (copy.type == _SD_BUS_VTABLE_START)
            copy.x.start.vtable_format_reference = SdBus().vtableFormat;
        else if (copy.type == _SD_BUS_VTABLE_PROPERTY)
            copy.x.property.get = get;
        else if (copy.type == _SD_BUS_VTABLE_METHOD)
            copy.x.method.handler = method;
        filled.push_back(copy);
        if (copy.type == _SD_BUS_VTABLE_END)
            return filled;
    }
}

}  // namespace sw
