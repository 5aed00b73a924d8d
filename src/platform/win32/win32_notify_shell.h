// The shell's side of the notification area in Win32's terms: the callback message and icon id
// the hidden window uses, how the data block and the notifications differ between shell
// versions, and the balloon icons' numbering. Only the Win32 notification area and its tests
// see these.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "platform/notify_area.h"

namespace sw {

// The message the shell sends to the hidden window: the icon's id in wParam, the mouse message
// or (version 3) the shell's notification in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;
inline constexpr UINT kTrayIconId = 1;

// How the notification area talks to a shell of one version.
struct ShellDialect {
    // NOTIFYICONDATAA's size: the layout with balloons and long tips, or the first one.
    DWORD dataSize = 0;
    // Asks for version-3 notifications after adding an icon.
    bool version3 = false;
    NotifyAreaFeatures features;
};

// `shellVersion` is shell32's dwFileVersionMS (major in the high 16 bits), 0 when unknown.
ShellDialect DialectOf(std::uint32_t shellVersion);
// shell32's dwFileVersionMS, read once it can be read; 0 until then.
std::uint32_t ShellFileVersion();
// A balloon's icon in the shell's numbering (dwInfoFlags).
DWORD InfoFlagsOf(BalloonIcon icon);
// The notification area talking to the shell as one of `shellVersion`, which lets a test send
// the first layout to a newer shell; MakeNativeNotifyArea uses ShellFileVersion().
std::shared_ptr<INotifyArea> MakeWin32NotifyArea(std::uint32_t shellVersion);

}  // namespace sw
