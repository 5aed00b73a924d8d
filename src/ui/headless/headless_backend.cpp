// The in-memory backend: window records, the virtual clock, synthetic input and the
// composed screen.
#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <cassert>

#include "gfx/canvas.h"
#include "ui/application.h"

namespace {

// Made cursors are numbered above every stock id.
constexpr std::uintptr_t kFirstMadeCursor = 0x1000;

TColor Blend(TColor over, TColor under, int alpha)
{
    auto mix = [&](int a, int b) { return (a * alpha + b * (255 - alpha)) / 255; };
    return RGB(mix(GetRValue(over), GetRValue(under)), mix(GetGValue(over), GetGValue(under)),
               mix(GetBValue(over), GetBValue(under)));
}

}  // namespace

HeadlessBackend::HeadlessBackend() : FGuiThread(std::this_thread::get_id()) { }

HeadlessBackend::~HeadlessBackend() = default;

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

TShiftState HeadlessBackend::MouseShift() const { return FShift | FButtons; }

TBitmap HeadlessBackend::Screenshot(TColor background, bool blend) const
{
    TBitmap shot(FScreenSize.cx, FScreenSize.cy);
    TCanvas& canvas = shot.Canvas();
    canvas.Brush = TBrush{background, TBrushStyle::bsSolid};
    canvas.FillRect(shot.BoundsRect());
    for (WindowId id : ZOrder()) {
        const THeadlessWindow& w = *Window(id);
        if (!IsShown(id))
            continue;
        int alpha = blend && w.params.layered ? w.params.alpha : 255;
        for (int y = 0; y < w.image.Height(); ++y)
            for (int x = 0; x < w.image.Width(); ++x) {
                int sx = w.params.bounds.left + x;
                int sy = w.params.bounds.top + y;
                TColor under = shot.Pixel(sx, sy);
                if (under != clNone)
                    shot.SetPixel(sx, sy, Blend(w.image.Pixel(x, y), under, alpha));
            }
    }
    return shot;
}

void HeadlessBackend::AdvanceTime(unsigned ms)
{
    std::uint32_t end = FNow + ms;
    ProcessMessages();
    for (;;) {
        auto due =
            std::min_element(FTimers.begin(), FTimers.end(), [](const auto& a, const auto& b) {
                return a.second.due < b.second.due;
            });
        if (due == FTimers.end() || static_cast<std::int32_t>(due->second.due - end) > 0)
            break;
        FNow = std::max(FNow, due->second.due);
        due->second.due = FNow + due->second.interval;
        std::function<void()> tick = due->second.tick;
        tick();
        ProcessMessages();
    }
    FNow = end;
    ProcessMessages();
}

void HeadlessBackend::TrackHover(WindowId over)
{
    if (FHover == over)
        return;
    WindowId old = FHover;
    FHover = over;
    if (THeadlessWindow* w = Find(old))
        w->handler->WndMouseLeave();
}

void HeadlessBackend::MouseMove(TPoint screen)
{
    FPointer = screen;
    if (FDragging != 0) {
        if (THeadlessWindow* w = Find(FDragging)) {
            TRect b = w->params.bounds;
            TRect moved =
                Bounds(screen.x - FDragOffset.x, screen.y - FDragOffset.y, b.Width(), b.Height());
            w->params.bounds = moved;
            w->handler->WndMoved(moved);
        }
        ProcessMessages();
        return;
    }
    WindowId target = FCapture != 0 ? FCapture : WindowAt(screen);
    TrackHover(WindowAt(screen));
    if (THeadlessWindow* w = Find(target)) {
        const TPoint client = ToClient(target, screen);
        w->handler->WndCursorAt(client);
        if (FCapture == 0 && w->handler->WndHitTest(screen) == THitTest::Caption)
            w->handler->WndMouseHover(client);
        else
            w->handler->WndMouseMove(MouseShift(), client);
    }
    ProcessMessages();
}

void HeadlessBackend::MouseDown(TPoint screen, TMouseButton button)
{
    if (!(screen == FPointer))
        MouseMove(screen);
    WindowId target = FCapture != 0 ? FCapture : WindowAt(screen);
    THeadlessWindow* w = Find(target);
    if (w == nullptr)
        return;
    SetForeground(target);
    FButtons |= ButtonBit(button);
    if (FCapture == 0 && button == TMouseButton::mbLeft &&
        w->handler->WndHitTest(screen) == THitTest::Caption) {
        w->handler->WndMouseLeave();
        FDragging = target;
        FDragOffset = {screen.x - w->params.bounds.left, screen.y - w->params.bounds.top};
    } else {
        w->handler->WndMouseDown(button, MouseShift(), ToClient(target, screen));
    }
    ProcessMessages();
}

void HeadlessBackend::MouseUp(TPoint screen, TMouseButton button)
{
    if (!(screen == FPointer))
        MouseMove(screen);
    FButtons &= static_cast<TShiftState>(~ButtonBit(button));
    if (FDragging != 0 && button == TMouseButton::mbLeft) {
        FDragging = 0;
        ProcessMessages();
        return;
    }
    WindowId target = FCapture != 0 ? FCapture : WindowAt(screen);
    if (THeadlessWindow* w = Find(target))
        w->handler->WndMouseUp(button, MouseShift(), ToClient(target, screen));
    ProcessMessages();
}

void HeadlessBackend::Click(TPoint screen, TMouseButton button)
{
    MouseDown(screen, button);
    MouseUp(screen, button);
}

void HeadlessBackend::DoubleClick(TPoint screen)
{
    Click(screen);
    THeadlessWindow* w = FCapture != 0 ? nullptr : Find(WindowAt(screen));
    if (w == nullptr || w->handler->WndHitTest(screen) != THitTest::Caption) {
        Click(screen);
        return;
    }
    w->handler->WndBodyDoubleClick(ToClient(w->id, screen));
    ProcessMessages();
}

void HeadlessBackend::KeyDown(TKey key, TShiftState shift)
{
    FShift = shift;
    if (THeadlessWindow* w = Find(Foreground()))
        w->handler->WndKeyDown(key, shift);
    FShift = 0;
    ProcessMessages();
}

void HeadlessBackend::KeyUp(TKey key, TShiftState shift)
{
    FShift = shift;
    if (THeadlessWindow* w = Find(Foreground()))
        w->handler->WndKeyUp(key, shift);
    FShift = 0;
    ProcessMessages();
}

void HeadlessBackend::TypeChar(char key)
{
    if (THeadlessWindow* w = Find(Foreground()))
        w->handler->WndChar(key);
    ProcessMessages();
}

void HeadlessBackend::PressKey(TKey key, char typed, TShiftState shift)
{
    KeyDown(key, shift);
    // With Alt held the system sends a system character, which reaches no key-press handler.
    if (typed != 0 && (shift & ssAlt) == 0)
        TypeChar(typed);
    KeyUp(key, shift);
}

void HeadlessBackend::Hotkey(int id, WindowId target)
{
    if (target == 0 && !FWindows.empty())
        target = FWindows.begin()->first;
    if (THeadlessWindow* w = Find(target))
        w->handler->WndHotkey(id);
    ProcessMessages();
}

TMenuChooser HeadlessBackend::ByCaption(std::vector<std::string> path)
{
    return [path](const std::vector<TMenuEntry>& items, TPoint) {
        const std::vector<TMenuEntry>* level = &items;
        const TMenuEntry* chosen = nullptr;
        for (const std::string& caption : path) {
            auto it = std::find_if(level->begin(), level->end(),
                                   [&](const TMenuEntry& e) { return e.caption == caption; });
            if (it == level->end() || !it->enabled)
                return 0;
            chosen = &*it;
            level = &it->items;
        }
        return chosen != nullptr && chosen->items.empty() ? chosen->command : 0;
    };
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
    // As on the platform, showing activates the window before the show returns.
    if (visible)
        SetForeground(window);
    if (!visible && FForeground == window)
        FForeground = 0;
    if (!visible && FHover == window)
        TrackHover(0);
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

WindowId HeadlessBackend::Foreground() { return FForeignForeground ? 0 : FForeground; }

void HeadlessBackend::SetAppIcon(const TBitmap&, TColor) { }

void HeadlessBackend::MinimizeApp()
{
    FAppMinimized = true;
    for (auto& [id, w] : FWindows)
        if (w.visible) {
            w.visible = false;
            w.hiddenWithApp = true;
            if (FForeground == id)
                FForeground = 0;
            if (FHover == id)
                TrackHover(0);
        }
}

void HeadlessBackend::RestoreApp()
{
    FAppMinimized = false;
    for (auto& [id, w] : FWindows)
        if (w.hiddenWithApp) {
            w.visible = true;
            w.hiddenWithApp = false;
        }
}

bool HeadlessBackend::AppActive() { return !FForeignForeground && FForeground != 0; }

void HeadlessBackend::ActivateApp()
{
    WindowId old = FForeground;
    FForeground = kAppWindow;
    FForeignForeground = false;
    if (THeadlessWindow* w = Find(old))
        w->handler->WndActivate(false);
    if (FAppHandler != nullptr)
        FAppHandler->AppActivated();
}

bool HeadlessBackend::QueryEndSession()
{
    return FAppHandler == nullptr || FAppHandler->AppQueryEndSession();
}

void HeadlessBackend::EndSession()
{
    if (FAppHandler != nullptr)
        FAppHandler->AppEndSession();
}

void HeadlessBackend::ChangeDisplay(std::vector<TRect> workAreas)
{
    FWorkAreas = std::move(workAreas);
    if (FAppHandler != nullptr)
        FAppHandler->AppDisplayChanged();
}

void HeadlessBackend::VolumeChange(bool arrival, std::uint32_t drives)
{
    if (FAppHandler != nullptr)
        FAppHandler->AppVolumeChanged(arrival, drives);
}

std::vector<TRect> HeadlessBackend::WorkAreas()
{
    if (!FWorkAreas.empty())
        return FWorkAreas;
    return {Rect(0, 0, FScreenSize.cx, FScreenSize.cy)};
}

void HeadlessBackend::ClipCursor(const TRect* screen)
{
    if (screen == nullptr)
        FClip.reset();
    else
        FClip = *screen;
}

std::uintptr_t HeadlessBackend::LoadStockCursor(TCursor id)
{
    // Stock cursors are named by their id's magnitude.
    return static_cast<std::uintptr_t>(-id);
}

std::uintptr_t HeadlessBackend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    if (image.Empty())
        return 0;
    FMadeCursors.push_back({image, transparent, hotSpot});
    return kFirstMadeCursor + FMadeCursors.size() - 1;
}

const THeadlessCursor* HeadlessBackend::MadeCursor(std::uintptr_t handle) const
{
    if (handle < kFirstMadeCursor || handle - kFirstMadeCursor >= FMadeCursors.size())
        return nullptr;
    return &FMadeCursors[handle - kFirstMadeCursor];
}

bool HeadlessBackend::KeyPressed(TKey key)
{
    switch (key) {
    case TKey::Shift:
        return (FShift & ssShift) != 0;
    case TKey::Control:
        return (FShift & ssCtrl) != 0;
    case TKey::Alt:
        return (FShift & ssAlt) != 0;
    default:
        return false;
    }
}

int HeadlessBackend::StartTimer(unsigned intervalMs, std::function<void()> tick)
{
    int id = FNextTimer++;
    // A zero interval would fire forever within one AdvanceTime; the platform rounds it up too.
    intervalMs = std::max(intervalMs, 1u);
    FTimers[id] = Timer{intervalMs, FNow + intervalMs, std::move(tick)};
    return id;
}

void HeadlessBackend::StopTimer(int id) { FTimers.erase(id); }

int HeadlessBackend::TrackPopupMenu(const std::vector<TMenuEntry>& items, TPoint screen)
{
    FLastMenu = items;
    FLastMenuPoint = screen;
    ++FMenuCount;
    return FChooser ? FChooser(items, screen) : 0;
}

TMsgBoxResult HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption,
                                              TMsgBoxButtons buttons, TMsgBoxIcon icon)
{
    FLastMessageText = text;
    FLastMessageCaption = caption;
    FLastMessageIcon = icon;
    ++FMessageCount;
    return buttons == TMsgBoxButtons::YesNo ? TMsgBoxResult::Yes : TMsgBoxResult::Ok;
}

void HeadlessBackend::ShowHintWindow(const std::string& text, TPoint, TColor, const TFontSpec&)
{
    FHintText = text;
}

void HeadlessBackend::Run()
{
    // No real input arrives here: run what is pending and return.
    ProcessMessages();
}

void HeadlessBackend::PaintPending()
{
    for (WindowId id : Windows()) {
        THeadlessWindow* w = Find(id);
        if (w != nullptr && w->paintPending && w->visible) {
            w->paintPending = false;
            w->handler->WndPaint();
        }
    }
}

bool HeadlessBackend::RunPosted()
{
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(FPostLock);
        work.swap(FPostQueue);
    }
    for (auto& item : work)
        Application().Guard(item);
    return !work.empty();
}

void HeadlessBackend::ProcessMessages()
{
    while (RunPosted()) { }
    PaintPending();
}

void HeadlessBackend::PostToGuiThread(std::function<void()> work)
{
    std::lock_guard lock(FPostLock);
    FPostQueue.push_back(std::move(work));
}

HeadlessBackend& UseHeadlessBackend()
{
    SetBackend(std::make_unique<HeadlessBackend>());
    return Headless();
}

HeadlessBackend& Headless()
{
    auto* backend = dynamic_cast<HeadlessBackend*>(&CurrentBackend());
    assert(backend != nullptr && "the headless backend is not installed");
    return *backend;
}

#ifndef _WIN32
std::unique_ptr<Backend> MakeNativeBackend() { return std::make_unique<HeadlessBackend>(); }
#endif
