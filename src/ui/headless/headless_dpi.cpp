// Display scale in memory: one scale for the system and one per window's monitor, and the
// notice a window gets when its monitor's scale changes.
#include "ui/headless/headless_backend.h"
#include "ui/scaling.h"

int HeadlessBackend::WindowDpi(WindowId window)
{
    const THeadlessWindow* w = Window(window);
    return w != nullptr && w->dpi != 0 ? w->dpi : FSystemDpi;
}

// The platform suggests the same top-left and the size scaled by the ratio of the scales.
void HeadlessBackend::MoveToMonitorDpi(WindowId window, int dpi)
{
    THeadlessWindow* w = Find(window);
    if (w == nullptr || dpi <= 0)
        return;
    const int old = WindowDpi(window);
    w->dpi = dpi;
    if (dpi == old)
        return;
    const TRect b = w->params.bounds;
    w->handler->WndDpiChanged(dpi, Bounds(b.left, b.top, MulDivRound(b.Width(), dpi, old),
                                          MulDivRound(b.Height(), dpi, old)));
    ProcessMessages();
}
