// The tests' hotkeys: the process's own table, where tests can see who holds what.
#pragma once

#include "platform/hotkey_table.h"

namespace sw {

using FakeHotkeys = HotkeyTable;

}  // namespace sw
