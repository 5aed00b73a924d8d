#include "ui/x11/x11_message_box.h"

#include "ui/drawn/popup_look.h"

#include <X11/Xutil.h>

TX11MessageBox::TX11MessageBox(Display* display, const std::string& text,
                               const std::string& caption, TMsgBoxButtons buttons, TMsgBoxIcon icon,
                               int dpi)
    : FDisplay(display), FText(text), FButtons(buttons), FIcon(icon),
      FFace(LayoutMessageBox(text, buttons, icon, dpi)), FChoice(buttons),
      FWindow(display, TPopupKind::Dialog),
      FDeleteWindow(XInternAtom(display, "WM_DELETE_WINDOW", False))
{
    const TSize screen = PopupScreen(display);
    // Centred; a box wider or taller than the screen (a long word) keeps its top-left on it.
    const TPoint centre{(screen.cx - FFace.size.cx) / 2, (screen.cy - FFace.size.cy) / 2};
    const TPoint place = KeepOnScreen(
        {centre.x, centre.y, centre.x + FFace.size.cx, centre.y + FFace.size.cy}, screen);
    Describe(caption, place);
    FWindow.Show(PaintMessageBox(FFace, FText, FButtons, FIcon, FChoice.Focused(), -1), place);
}

// What the window manager needs: the title, a fixed size at a place the program chose, the
// keyboard, the close button's request, and that the box belongs to the program's windows.
void TX11MessageBox::Describe(const std::string& caption, TPoint place)
{
    const Window window = FWindow.Id();
    XStoreName(FDisplay, window, caption.c_str());
    XSizeHints* size = XAllocSizeHints();
    size->flags = PPosition | USPosition | PMinSize | PMaxSize;
    size->x = place.x;
    size->y = place.y;
    size->min_width = size->max_width = FFace.size.cx;
    size->min_height = size->max_height = FFace.size.cy;
    XSetWMNormalHints(FDisplay, window, size);
    XFree(size);
    XWMHints* hints = XAllocWMHints();
    hints->flags = InputHint;
    hints->input = True;
    XSetWMHints(FDisplay, window, hints);
    XFree(hints);
    XSetWMProtocols(FDisplay, window, &FDeleteWindow, 1);
    // Moved and closed only, never minimized or maximized: the Motif hints' functions field
    // (flag 1) with its move (4) and close (32) bits; format 32 properties are longs.
    unsigned long motif[5] = {1, 4 | 32, 0, 0, 0};
    const Atom motifHints = XInternAtom(FDisplay, "_MOTIF_WM_HINTS", False);
    XChangeProperty(FDisplay, window, motifHints, motifHints, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(motif), 5);
    XSetTransientForHint(FDisplay, window, DefaultRootWindow(FDisplay));
}

void TX11MessageBox::Repaint()
{
    FWindow.Repaint(
        PaintMessageBox(FFace, FText, FButtons, FIcon, FChoice.Focused(), FChoice.Pressed()));
}

bool TX11MessageBox::Handle(const XEvent& event)
{
    if (event.xany.window != FWindow.Id())
        return false;
    switch (event.type) {
    case Expose:
        FWindow.Paint();
        return true;
    case MapNotify:
        XSetInputFocus(FDisplay, FWindow.Id(), RevertToParent, CurrentTime);
        return true;
    case ClientMessage:
        if (static_cast<Atom>(event.xclient.data.l[0]) == FDeleteWindow)
            FResult = FChoice.Escape();
        return true;
    case KeyPress:
        FResult = FChoice.Key(PopupKey(event.xkey), PopupShift(event.xkey.state));
        break;
    case ButtonPress:
        if (event.xbutton.button == Button1)
            FChoice.MouseDown(MsgBoxButtonAt(FFace, {event.xbutton.x, event.xbutton.y}));
        break;
    case ButtonRelease:
        if (event.xbutton.button == Button1)
            FResult = FChoice.MouseUp(MsgBoxButtonAt(FFace, {event.xbutton.x, event.xbutton.y}));
        break;
    default:
        return true;
    }
    Repaint();
    return true;
}
