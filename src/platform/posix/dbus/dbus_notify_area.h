// The notification area of Linux desktops: a status item on the session bus per tray window
// (Plasma, Xfce's status tray, GNOME with the AppIndicator extension), its menu drawn by the
// desktop, and balloons as the desktop's notifications.
#pragma once

#include <functional>
#include <memory>

#include "platform/notify_area.h"

namespace sw {

// `postToGui` runs a call on the program's GUI thread, later and in order: every event of a tray
// window reaches the program through it.
std::shared_ptr<INotifyArea>
MakeDbusNotifyArea(std::function<void(std::function<void()>)> postToGui);

}  // namespace sw
