// The platform services the program runs on, gathered so the app can be handed the real set
// or a fake one. Shared pointers let a test keep its own handle on each fake.
#pragma once

#include <memory>

#include "platform/autostart.h"
#include "platform/drives.h"
#include "platform/hotkey.h"
#include "platform/locale.h"
#include "platform/memory_status.h"
#include "platform/notify_area.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/shell.h"

namespace sw {

struct PlatformServices {
    std::shared_ptr<IDrives> drives;
    std::shared_ptr<IMemoryStatus> memory;
    std::shared_ptr<IProfileFiles> profiles;
    std::shared_ptr<IAutostart> autostart;
    std::shared_ptr<IHotkeys> hotkeys;
    std::shared_ptr<IPaths> paths;
    std::shared_ptr<ILocale> locale;
    std::shared_ptr<IShell> shell;
    // Handed to the tray icon rather than left to the process-wide default.
    std::shared_ptr<INotifyArea> notifyArea;
};

// The services of the system the program was built for (Windows or POSIX).
PlatformServices MakeNativeServices();

}  // namespace sw
