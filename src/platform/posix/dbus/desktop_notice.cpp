// The balloon as the desktop's notification: sent without waiting, so a desktop without a
// notification server costs nothing but an error reply nobody reads. Each notice replaces the
// one before it, as a new balloon takes the place of the old.
#include "platform/posix/dbus/sd_bus_calls.h"

#include "platform/posix/dbus/status_item.h"

namespace sw {

namespace {

const char* ThemedIcon(BalloonIcon icon)
{
    switch (icon) {
    case BalloonIcon::Info:
        return "dialog-information";
    case BalloonIcon::Warning:
        return "dialog-warning";
    case BalloonIcon::Error:
        return "dialog-error";
    case BalloonIcon::None:
        break;
    }
    return "";
}

}  // namespace

void StatusItem::SendNotice(const NotifyBalloon& balloon)
{
    if (!FBus)
        return;
    // 0 ms asks for the server's own timeout (-1); the protocol's 0 would keep the notice forever.
    const int expireMs = balloon.timeoutMs == 0 ? -1 : static_cast<int>(balloon.timeoutMs);
    SdBus().call_method_async(FBus, nullptr, "org.freedesktop.Notifications",
                              "/org/freedesktop/Notifications", "org.freedesktop.Notifications",
                              "Notify", OnNoticeSent, this, "susssasa{sv}i", "Spacewell", FNoticeId,
                              ThemedIcon(balloon.icon), balloon.title.c_str(), balloon.text.c_str(),
                              0, 1, "desktop-entry", "s", "spacewell", expireMs);
}

int StatusItem::OnNoticeSent(sd_bus_message* reply, void* self, sd_bus_error*)
{
    unsigned id = 0;
    if (!SdBus().message_is_method_error(reply, nullptr) &&
        SdBus().message_read(reply, "u", &id) > 0)
        static_cast<StatusItem*>(self)->FNoticeId = id;
    return 0;
}

}  // namespace sw
