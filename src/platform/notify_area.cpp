// Holds the process-wide notification-area service that tray icons use by default.
#include "platform/notify_area.h"

#include <utility>

namespace sw {

namespace {

std::shared_ptr<INotifyArea>& DefaultSlot()
{
    static std::shared_ptr<INotifyArea> area;
    return area;
}

}  // namespace

std::shared_ptr<INotifyArea> DefaultNotifyArea()
{
    auto& area = DefaultSlot();
    if (!area)
        area = MakeNativeNotifyArea();
    return area;
}

void SetDefaultNotifyArea(std::shared_ptr<INotifyArea> area) { DefaultSlot() = std::move(area); }

}  // namespace sw
