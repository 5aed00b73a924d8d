// The sd-bus calls the icon, its menu and the notices make, taken from libsystemd when the bus is
// first wanted. Linked into the program, the library and the six it loads cost every start some
// 2 ms before the window could be made, though the icon joins the bus only once the window shows.
#pragma once

#include <systemd/sd-bus.h>

namespace sw {

// Each call named once: the table's members and what is taken from the library follow the list.
// clang-format off
#define SW_SD_BUS_CALLS(X)                                                                        \
    X(add_match) X(add_object_vtable) X(call_method) X(call_method_async) X(emit_signal)          \
    X(error_setf) X(flush_close_unref) X(get_events) X(get_fd) X(get_timeout)                     \
    X(message_append) X(message_append_array) X(message_close_container)                          \
    X(message_enter_container) X(message_exit_container) X(message_get_member)                    \
    X(message_is_method_error) X(message_new_method_return) X(message_open_container)             \
    X(message_read) X(message_read_array) X(message_read_strv) X(message_ref) X(message_skip)     \
    X(message_unref) X(open_user) X(process) X(release_name) X(reply_method_return)               \
    X(request_name) X(send) X(slot_unref)
// clang-format on

struct SdBusCalls {
#define SW_SD_BUS_MEMBER(name) decltype(&::sd_bus_##name) name;
    SW_SD_BUS_CALLS(SW_SD_BUS_MEMBER)
#undef SW_SD_BUS_MEMBER
    // What a table of objects' methods and properties names as its format, from the library.
    const unsigned* vtableFormat;
};

// Loads the library at the first call (thread-safe); nullptr where it or one of the calls is
// missing, which leaves the program without a session bus, as on a desktop that has none.
const SdBusCalls* LoadSdBus();

// The calls once LoadSdBus() answered with them: every use follows an open bus.
const SdBusCalls& SdBus();

}  // namespace sw
