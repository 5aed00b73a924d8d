// sd-bus tables whose properties and methods all go to one getter and one handler, which tell
// them apart by name: the tables stay lists of names and signatures.
#pragma once

#include <systemd/sd-bus.h>

#include <vector>

namespace sw {

inline std::vector<sd_bus_vtable>
WithHandlers(const sd_bus_vtable* table, sd_bus_property_get_t get, sd_bus_message_handler_t method)
{
    std::vector<sd_bus_vtable> filled;
    for (const sd_bus_vtable* entry = table;; ++entry) {
        sd_bus_vtable copy = *entry;
        if (copy.type == _SD_BUS_VTABLE_PROPERTY)
            copy.x.property.get = get;
        else if (copy.type == _SD_BUS_VTABLE_METHOD)
            copy.x.method.handler = method;
        filled.push_back(copy);
        if (copy.type == _SD_BUS_VTABLE_END)
            return filled;
    }
}

}  // namespace sw
