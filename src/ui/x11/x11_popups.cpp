#include "ui/x11/x11_popups.h"

#include <algorithm>
#include <utility>

#include "ui/drawn/hint_picture.h"
#include "ui/drawn/popup_look.h"
#include "ui/x11/x11_menu_session.h"
#include "ui/x11/x11_message_box.h"
#include "ui/x11/x11_popup_window.h"

namespace {

// Forgets an open popup when its loop ends, also by an exception from `step`.
template <class T> struct TOpenPopup {
    TOpenPopup(std::vector<T*>& open, T* popup) : open(open), popup(popup)
    {
        open.push_back(popup);
    }
    ~TOpenPopup() { open.erase(std::find(open.begin(), open.end(), popup)); }
    TOpenPopup(const TOpenPopup&) = delete;
    TOpenPopup& operator=(const TOpenPopup&) = delete;
    std::vector<T*>& open;
    T* popup;
};

bool IsInput(const XEvent& event)
{
    switch (event.type) {
    case KeyPress:
    case KeyRelease:
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
        return true;
    default:
        return false;
    }
}

}  // namespace

X11Popups::X11Popups(Display* display, std::function<void()> step)
    : FDisplay(display), FStep(std::move(step))
{
}

X11Popups::~X11Popups() = default;

bool X11Popups::Filter(const XEvent& event)
{
    if (!FMenus.empty() && FMenus.back()->Handle(event))
        return true;
    for (TX11MessageBox* box : FBoxes)
        if (box->Handle(event))
            return true;
    // Under a message box the program's other windows take no input, as a modal box disables
    // them on Windows; the hotkey, which comes through the root window, still works.
    if (!FBoxes.empty() && IsInput(event) && event.xany.window != DefaultRootWindow(FDisplay))
        return true;
    if (FHint != nullptr && event.xany.window == FHint->Id()) {
        if (event.type == Expose)
            FHint->Paint();
        return true;
    }
    return false;
}

int X11Popups::TrackMenu(const std::vector<TMenuEntry>& items, TPoint screen, int dpi)
{
    if (!FMenus.empty() || items.empty())
        return 0;
    HideHint();
    TX11MenuSession menu(FDisplay, items, screen, dpi);
    const TOpenPopup open(FMenus, &menu);
    while (!menu.Done())
        FStep();
    return menu.Result();
}

TMsgBoxResult X11Popups::MessageBox(const std::string& text, const std::string& caption,
                                    TMsgBoxButtons buttons, TMsgBoxIcon icon, int dpi)
{
    HideHint();
    TX11MessageBox box(FDisplay, text, caption, buttons, icon, dpi);
    const TOpenPopup open(FBoxes, &box);
    while (!box.Result())
        FStep();
    return *box.Result();
}

void X11Popups::ShowHint(const std::string& text, TPoint screen, TColor color,
                         const TFontSpec& font)
{
    if (FHint == nullptr)
        FHint = std::make_unique<TX11PopupWindow>(FDisplay, TPopupKind::Hint);
    TBitmap picture = HintPicture(text, color, font);
    const TRect bounds{screen.x, screen.y, screen.x + picture.Width(), screen.y + picture.Height()};
    FHint->Show(std::move(picture), KeepOnScreen(bounds, PopupScreen(FDisplay)));
}

void X11Popups::HideHint()
{
    if (FHint != nullptr)
        FHint->Hide();
}
