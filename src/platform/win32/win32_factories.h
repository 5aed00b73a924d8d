// Makers of the Win32 service objects; each lives in its own file, and only the native
// services set gathers them.
#pragma once

#include <memory>

#include "platform/services.h"

namespace sw {

std::shared_ptr<IDrives> MakeWin32Drives();
std::shared_ptr<IMemoryStatus> MakeWin32MemoryStatus();
std::shared_ptr<IProfileFiles> MakeWin32ProfileFiles();
std::shared_ptr<IAutostart> MakeWin32Autostart();
std::shared_ptr<IHotkeys> MakeWin32Hotkeys();
std::shared_ptr<IPaths> MakeWin32Paths();
std::shared_ptr<ILocale> MakeWin32Locale();

}  // namespace sw
