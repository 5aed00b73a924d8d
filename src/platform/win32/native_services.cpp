// The Windows set of services.
#include "platform/win32/win32_factories.h"

namespace sw {

PlatformServices MakeNativeServices()
{
    return {MakeWin32Drives(),    MakeWin32MemoryStatus(), MakeWin32ProfileFiles(),
            MakeWin32Autostart(), MakeWin32Hotkeys(),      MakeWin32Paths(),
            MakeWin32Locale(),    MakeNativeShell(),       MakeNativeNotifyArea()};
}

}  // namespace sw
