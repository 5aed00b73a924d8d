// The message box while it is open on X: a framed dialog window, centred on the screen, that
// the window manager decorates with the caption and a close button.
#pragma once

#include <optional>
#include <string>

#include "ui/drawn/message_box_choice.h"
#include "ui/drawn/message_box_face.h"
#include "ui/x11/x11_popup_window.h"

// The toolkit's headers come before Xlib's, whose None macro would clash with their enumerators.
#include <X11/Xlib.h>

class TX11MessageBox {
public:
    TX11MessageBox(Display* display, const std::string& text, const std::string& caption,
                   TMsgBoxButtons buttons, TMsgBoxIcon icon, int dpi);

    // True for the box's own events.
    bool Handle(const XEvent& event);
    // The answer, once given.
    std::optional<TMsgBoxResult> Result() const { return FResult; }

private:
    void Describe(const std::string& caption, TPoint place);
    void Repaint();

    Display* FDisplay;
    std::string FText;
    TMsgBoxButtons FButtons;
    TMsgBoxIcon FIcon;
    TMsgBoxFace FFace;
    TMsgBoxChoice FChoice;
    TX11PopupWindow FWindow;
    Atom FDeleteWindow;
    std::optional<TMsgBoxResult> FResult;
};
