// The POSIX set of services.
#include "platform/posix/native_services.h"

#include <utility>

#include "platform/posix/posix_autostart.h"
#include "platform/posix/posix_drives.h"
#include "platform/hotkey_table.h"
#include "platform/posix/posix_locale.h"
#include "platform/posix/posix_memory_status.h"
#include "platform/posix/posix_paths.h"
#include "platform/posix/posix_profile.h"
#include "platform/services.h"

namespace sw {

PlatformServices MakeNativeServices()
{
    return MakeNativeServices(std::make_shared<PosixDrives>());
}

PlatformServices MakeNativeServices(std::shared_ptr<PosixDrives> drives)
{
    return {std::move(drives),
            std::make_shared<PosixMemoryStatus>(),
            std::make_shared<PosixProfileFiles>(),
            std::make_shared<PosixAutostart>(PosixAutostart::MachineFolder(),
                                             PosixAutostart::UserFolder(),
                                             PosixPaths().ExecutablePath()),
            std::make_shared<HotkeyTable>(),
            std::make_shared<PosixPaths>(),
            std::make_shared<PosixLocale>(),
            MakeNativeShell(),
            MakeNativeNotifyArea()};
}

}  // namespace sw
