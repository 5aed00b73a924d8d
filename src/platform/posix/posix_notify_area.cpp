// Linux builds have no notification area to show an icon in: the hidden window exists, takes
// every call and shows nothing, and no message ever reaches it.
#include "platform/notify_area.h"

namespace sw {

namespace {

class SilentTrayWindow : public ITrayWindow {
public:
    WindowId Handle() const override { return reinterpret_cast<WindowId>(this); }
    bool NotifyIcon(unsigned, const TrayIconData&) override { return false; }
    void SetTimer(unsigned, unsigned) override { }
    void KillTimer(unsigned) override { }
    void SetForeground() override { }
    void Post(unsigned, std::uintptr_t, std::intptr_t) override { }
};

class SilentNotifyArea : public INotifyArea {
public:
    std::unique_ptr<ITrayWindow> CreateTrayWindow(TrayWindowProc) override
    {
        return std::make_unique<SilentTrayWindow>();
    }
    std::uint32_t ShellFileVersion() override { return 0x60000; }
    unsigned TaskbarCreatedMessage() override { return 0xC000; }
    unsigned DoubleClickTime() override { return 500; }
    TrayPointerState PointerState() override { return {}; }
    void SetTaskListVisible(bool) override { }
};

}  // namespace

std::shared_ptr<INotifyArea> MakeNativeNotifyArea() { return std::make_shared<SilentNotifyArea>(); }

}  // namespace sw
