#include "ui/x11/x11_menu_session.h"

#include <chrono>
#include <thread>

TX11MenuSession::TX11MenuSession(Display* display, const std::vector<TMenuEntry>& items,
                                 TPoint screen, int dpi)
    : FDisplay(display), FDpi(dpi), FAt(screen), FTracker(items)
{
    Sync();
    Grab();
}

TX11MenuSession::~TX11MenuSession()
{
    XUngrabPointer(FDisplay, CurrentTime);
    XUngrabKeyboard(FDisplay, CurrentTime);
    FShown.clear();
    XFlush(FDisplay);
}

// The click that opened the menu may still hold the pointer (a panel's own grab) for a moment.
void TX11MenuSession::Grab()
{
    const Window window = FShown.front().window->Id();
    XSync(FDisplay, False);
    constexpr unsigned kMask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    for (int attempt = 0; attempt < 50; ++attempt) {
        // Not confined, the cursor unchanged (X's None for both).
        const int pointer = XGrabPointer(FDisplay, window, True, kMask, GrabModeAsync,
                                         GrabModeAsync, 0, 0, CurrentTime);
        const int keyboard =
            XGrabKeyboard(FDisplay, window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (pointer == GrabSuccess && keyboard == GrabSuccess)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TPoint TX11MenuSession::LevelPlace(std::size_t level, TSize size) const
{
    const TSize screen = PopupScreen(FDisplay);
    if (level == 0)
        return MenuPlace(FAt, size, screen);
    const TShownLevel& parent = FShown[level - 1];
    const TRect parentBounds = parent.window->Bounds();
    TRect row = parent.face.rows.at(static_cast<std::size_t>(parent.selected));
    row.Offset(parentBounds.left, parentBounds.top);
    return SubmenuPlace(parentBounds, row, size, screen, FDpi);
}

void TX11MenuSession::Sync()
{
    const std::vector<TMenuLevel>& levels = FTracker.Levels();
    if (FShown.size() > levels.size())
        FShown.resize(levels.size());
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i < FShown.size() && FShown[i].items != levels[i].items)
            FShown.resize(i);
        if (i == FShown.size()) {
            TShownLevel shown;
            shown.items = levels[i].items;
            shown.selected = levels[i].selected;
            shown.face = LayoutMenu(*shown.items, FDpi);
            shown.window = std::make_unique<TX11PopupWindow>(FDisplay, TPopupKind::Menu);
            FShown.push_back(std::move(shown));
            FShown[i].window->Show(PaintMenu(*levels[i].items, FShown[i].face, levels[i].selected),
                                   LevelPlace(i, FShown[i].face.size));
        } else if (FShown[i].selected != levels[i].selected) {
            FShown[i].selected = levels[i].selected;
            FShown[i].window->Repaint(
                PaintMenu(*levels[i].items, FShown[i].face, levels[i].selected));
        }
    }
}

bool TX11MenuSession::Owns(Window window) const
{
    for (const TShownLevel& shown : FShown)
        if (shown.window->Id() == window)
            return true;
    return false;
}

int TX11MenuSession::LevelAt(int xRoot, int yRoot, int& row) const
{
    for (std::size_t i = FShown.size(); i-- > 0;) {
        const TX11PopupWindow& window = *FShown[i].window;
        if (window.Contains(xRoot, yRoot)) {
            const TRect bounds = window.Bounds();
            row = MenuRowAt(FShown[i].face, {xRoot - bounds.left, yRoot - bounds.top});
            return static_cast<int>(i);
        }
    }
    row = -1;
    return -1;
}

void TX11MenuSession::Pointer(int type, int xRoot, int yRoot)
{
    int row = -1;
    const int level = LevelAt(xRoot, yRoot, row);
    if (type == MotionNotify)
        FTracker.Hover(level < 0 ? static_cast<int>(FShown.size()) - 1 : level, row);
    else if (type == ButtonPress && level < 0)
        FOutcome = TMenuOutcome::Dismissed;
    else if (type == ButtonPress)
        FTracker.Hover(level, row);
    else if (type == ButtonRelease && level >= 0)
        FOutcome = FTracker.Click(level, row);
}

bool TX11MenuSession::Handle(const XEvent& event)
{
    switch (event.type) {
    case MotionNotify:
        Pointer(event.type, event.xmotion.x_root, event.xmotion.y_root);
        break;
    case ButtonPress:
    case ButtonRelease:
        Pointer(event.type, event.xbutton.x_root, event.xbutton.y_root);
        break;
    case KeyPress:
        FOutcome = FTracker.Key(PopupKey(event.xkey));
        break;
    case KeyRelease:
        return true;
    case Expose:
        for (TShownLevel& shown : FShown)
            if (shown.window->Id() == event.xexpose.window)
                shown.window->Paint();
        return Owns(event.xexpose.window);
    default:
        return Owns(event.xany.window);
    }
    if (!Done())
        Sync();
    return true;
}
