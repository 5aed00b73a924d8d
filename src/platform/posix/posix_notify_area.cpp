// Linux builds have no notification area to show an icon in: the hidden window exists, the
// shell refuses every icon call, and nothing is ever reported to it.
#include "platform/notify_area.h"

namespace sw {

namespace {

class SilentTrayWindow : public ITrayWindow {
public:
    WindowId Handle() const override { return reinterpret_cast<WindowId>(this); }
    bool ShowIcon(const IconImage&, const std::string&) override { return false; }
    bool ChangeIcon(const NotifyIconChange&) override { return false; }
    bool RemoveIcon() override { return false; }
    void SetTimer(unsigned, unsigned) override { }
    void KillTimer(unsigned) override { }
    void SetForeground() override { }
    void MenuClosed() override { }
    void SetMenu(const NotifyMenu&) override { }
};

class SilentNotifyArea : public INotifyArea {
public:
    std::unique_ptr<ITrayWindow> CreateTrayWindow(ITrayEvents&) override
    {
        return std::make_unique<SilentTrayWindow>();
    }
    NotifyAreaFeatures Features() override { return {}; }
    unsigned DoubleClickTime() override { return 500; }
    TrayPointerState PointerState() override { return {}; }
    void SetTaskListVisible(bool) override { }
};

}  // namespace

std::shared_ptr<INotifyArea> MakeNativeNotifyArea() { return std::make_shared<SilentNotifyArea>(); }

}  // namespace sw
