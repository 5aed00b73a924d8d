// Synthetic input: mouse moves, presses and clicks routed by the form's hit test, the drag by
// a body the hit test gives to the frame, hover tracking, keys and hotkeys.
#include "ui/headless/headless_backend.h"

TShiftState HeadlessBackend::MouseShift() const { return FShift | FButtons; }

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
