// Window records: created, freed, placed, shown, captioned, blended, stacked and presented;
// the foreground, and the application window's minimize and restore.
#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <iterator>

THeadlessWindow* HeadlessBackend::Find(WindowId id)
{
    auto it = FWindows.find(id);
    return it == FWindows.end() ? nullptr : &it->second;
}

const THeadlessWindow* HeadlessBackend::Window(WindowId id) const
{
    auto it = FWindows.find(id);
    return it == FWindows.end() ? nullptr : &it->second;
}

std::vector<WindowId> HeadlessBackend::Windows() const
{
    std::vector<WindowId> ids;
    for (const auto& [id, w] : FWindows)
        ids.push_back(id);
    return ids;
}

WindowId HeadlessBackend::WindowByCaption(const std::string& caption) const
{
    for (const auto& [id, w] : FWindows)
        if (w.params.caption == caption)
            return id;
    return 0;
}

bool HeadlessBackend::IsShown(WindowId id) const
{
    const THeadlessWindow* w = Window(id);
    return w != nullptr && w->visible;
}

std::vector<WindowId> HeadlessBackend::ZOrder() const
{
    std::vector<WindowId> order;
    for (bool topmost : {false, true})
        for (WindowId id : FStack)
            if (Window(id)->params.topmost == topmost)
                order.push_back(id);
    return order;
}

WindowId HeadlessBackend::WindowAt(TPoint screen) const
{
    std::vector<WindowId> order = ZOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (IsShown(*it) && Window(*it)->params.bounds.Contains(screen))
            return *it;
    return 0;
}

TPoint HeadlessBackend::ToClient(WindowId id, TPoint screen) const
{
    const THeadlessWindow* w = Window(id);
    return {screen.x - w->params.bounds.left, screen.y - w->params.bounds.top};
}

WindowId HeadlessBackend::NewWindow(const TWindowParams& params, IWindowHandler* handler)
{
    WindowId id = FNextId++;
    THeadlessWindow& w = FWindows[id];
    w.id = id;
    w.handler = handler;
    w.params = params;
    FStack.push_back(id);
    return id;
}

void HeadlessBackend::FreeWindow(WindowId window)
{
    FWindows.erase(window);
    std::erase(FStack, window);
    for (WindowId* ref : {&FForeground, &FCapture, &FHover, &FDragging})
        if (*ref == window)
            *ref = 0;
}

TRect HeadlessBackend::FrameMargins(const TWindowParams& params)
{
    // A thin frame and a title bar, like a classic framed window.
    return params.framed ? TRect{3, 22, 3, 3} : TRect{};
}

// The platform tells a window it was moved, even by its own program.
void HeadlessBackend::SetWindowBounds(WindowId window, TRect screen)
{
    if (THeadlessWindow* w = Find(window)) {
        w->params.bounds = screen;
        w->handler->WndMoved(screen);
    }
}

void HeadlessBackend::SetWindowVisible(WindowId window, bool visible)
{
    THeadlessWindow* w = Find(window);
    if (w == nullptr)
        return;
    // Shown or hidden by the program, it no longer waits for the restore.
    w->hiddenWithApp = false;
    if (w->visible == visible)
        return;
    w->visible = visible;
    // As on the platform, showing activates the window before the show returns, then tells it
    // its place (unchanged).
    if (visible) {
        SetForeground(window);
        if (THeadlessWindow* shown = Find(window))
            shown->handler->WndMoved(shown->params.bounds);
        return;
    }
    // As on the platform, a hidden window first hears that its place changed (it did not), then,
    // when it was the active window, that it lost the activation, which goes on to another.
    w->handler->WndMoved(w->params.bounds);
    if (!FForeignForeground && FForeground == window)
        ActivateOtherThan(window);
    else if (FForeground == window)
        FForeground = 0;  // another program holds the foreground: nothing to hand on
    if (FHover == window)
        TrackHover(0);
}

// The platform hands the activation on from a window that goes: a pop-up (unframed) to the
// shown application window that owns it, which tells the application from the queue; any
// other window to the next one. With none left the application is no longer active.
void HeadlessBackend::ActivateOtherThan(WindowId gone)
{
    if (!Window(gone)->params.framed && FAppVisible) {
        AppWindowTakesActivation();
        PostAppActivated();
        return;
    }
    if (WindowId next = NextToActivate(gone)) {
        SetForeground(next);
        return;
    }
    FForeground = 0;
    Find(gone)->handler->WndActivate(false);
}

WindowId HeadlessBackend::NextToActivate(WindowId gone) const
{
    const std::vector<WindowId> order = ZOrder();
    auto shown = [this](WindowId id) { return IsShown(id); };
    auto next =
        std::find_if(std::make_reverse_iterator(std::find(order.begin(), order.end(), gone)),
                     order.rend(), shown);
    if (next == order.rend())
        next = std::find_if(order.rbegin(), order.rend(), shown);
    return next != order.rend() ? *next : 0;
}

void HeadlessBackend::SetWindowCaption(WindowId window, const std::string& caption)
{
    if (THeadlessWindow* w = Find(window))
        w->params.caption = caption;
}

void HeadlessBackend::SetWindowAlpha(WindowId window, bool layered, std::uint8_t alpha)
{
    if (THeadlessWindow* w = Find(window)) {
        w->params.layered = layered;
        w->params.alpha = alpha;
    }
}

void HeadlessBackend::SetWindowTopmost(WindowId window, bool topmost)
{
    if (THeadlessWindow* w = Find(window))
        w->params.topmost = topmost;
}

void HeadlessBackend::SetWindowIcon(WindowId window, const TBitmap& image, TColor)
{
    if (THeadlessWindow* w = Find(window))
        w->icon = image;
}

// Like the platform's window surface, only the dirty part changes; the rest keeps what an
// earlier present left there.
void HeadlessBackend::Present(WindowId window, const TBitmap& image, TRect dirty)
{
    if (THeadlessWindow* w = Find(window)) {
        w->image.SetSize(image.Width(), image.Height());
        CopyPixels(w->image, dirty, image, dirty.TopLeft());
        ++w->presents;
        w->paintPending = false;
    }
}

void HeadlessBackend::InvalidateWindow(WindowId window)
{
    if (THeadlessWindow* w = Find(window))
        w->paintPending = true;
}

void HeadlessBackend::SetForeground(WindowId window)
{
    if (FForeground == window || Find(window) == nullptr)
        return;
    WindowId old = FForeground;
    FForeground = window;
    FForeignForeground = false;
    std::erase(FStack, window);
    FStack.push_back(window);
    if (THeadlessWindow* w = Find(old))
        w->handler->WndActivate(false);
    Find(window)->handler->WndActivate(true);
}

// Keys reach no hidden window: a form gone off the screen with the minimized application keeps
// the activation (it hears of it at the restore) but not the keyboard.
WindowId HeadlessBackend::Foreground()
{
    if (FForeignForeground || (FForeground != kAppWindow && !IsShown(FForeground)))
        return 0;
    return FForeground;
}

void HeadlessBackend::SetAppIcon(const TBitmap&, TColor) { }

// Hidden while active, the application window hands the activation on like any window; the
// forms it owns stand above it. As on the platform, a show that does not activate also
// restores a minimized application window, and with it the forms it took off the screen.
void HeadlessBackend::ShowAppWindow(bool visible, bool activate)
{
    FAppVisible = visible;
    if (visible && !activate && FAppMinimized)
        RestoreApp();
    if (visible || FForeground != kAppWindow)
        return;
    if (WindowId next = NextToActivate(kAppWindow))
        SetForeground(next);
    else
        FForeground = 0;
}

// As on the platform, the forms go with their owner, the application window, but keep the
// activation: none of them hears of it until the restore.
void HeadlessBackend::MinimizeApp()
{
    FAppMinimized = true;
    for (auto& [id, w] : FWindows)
        if (w.visible) {
            w.visible = false;
            w.hiddenWithApp = true;
            if (FHover == id)
                TrackHover(0);
        }
}

// Restoring activates the application window: the active form hears that it lost the
// activation, which the application hands back from the queue.
void HeadlessBackend::RestoreApp()
{
    FAppMinimized = false;
    for (auto& [id, w] : FWindows)
        if (w.hiddenWithApp) {
            w.visible = true;
            w.hiddenWithApp = false;
        }
    AppWindowTakesActivation();
    PostAppActivated();
}

bool HeadlessBackend::AppActive() { return !FForeignForeground && FForeground != 0; }

void HeadlessBackend::ActivateApp()
{
    AppWindowTakesActivation();
    if (FAppHandler != nullptr)
        FAppHandler->AppActivated();
}

void HeadlessBackend::AppWindowTakesActivation()
{
    const WindowId old = FForeground;
    FForeground = kAppWindow;
    FForeignForeground = false;
    if (THeadlessWindow* w = Find(old))
        w->handler->WndActivate(false);
}

void HeadlessBackend::PostAppActivated()
{
    PostToGuiThread([this] {
        if (FAppHandler != nullptr)
            FAppHandler->AppActivated();
    });
}
