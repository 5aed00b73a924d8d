// A form's input routing, kept apart from painting and window management: which control the
// mouse is over, which one holds the capture, click and double-click detection, the hint
// window, and the order in which keys reach the form and its focused control.
#pragma once

#include <cstdint>

#include "gfx/geometry.h"
#include "ui/types.h"

class TControl;
class TForm;
class TWinControl;

class FormInput {
public:
    explicit FormInput(TForm& form) : FForm(form) { }
    ~FormInput();
    FormInput(const FormInput&) = delete;
    FormInput& operator=(const FormInput&) = delete;

    void MouseDown(TMouseButton button, TShiftState shift, TPoint client);
    void MouseMove(TShiftState shift, TPoint client);
    // Enter, leave and the hint for the control under `client`, without a move.
    void Hover(TPoint client);
    void MouseUp(TMouseButton button, TShiftState shift, TPoint client);
    void MouseLeave();
    // A double click where the body drags the window: the control under it hears of it as a
    // double click, and of nothing else.
    void BodyDoubleClick(TPoint client);
    // Sets the platform cursor for the control under `client`; returns its id.
    TCursor CursorAt(TPoint client);

    // KeyPreview form first, then the focused control; then dialog keys and accelerators.
    void KeyDown(TKey key, TShiftState shift);
    void KeyUp(TKey key, TShiftState shift);
    void Char(char key);

    TControl* Capture() const { return FCapture; }
    void SetCapture(TControl* control);
    TControl* Hover() const { return FHover; }
    // Leave for the old hover control, then enter (and the hint timer) for the new one.
    void SetHover(TControl* control);
    // Forgets `control` and everything inside it (it is being freed or removed).
    void ControlGone(TControl* control);
    void CancelHint();

private:
    // The deepest control under `client`, the form itself where no child is; the pointer
    // hovers over disabled windowless controls too, but only enabled ones take input.
    TControl* Hit(TPoint client, bool forHover = false) const;
    TPoint Local(const TControl* control, TPoint client) const;
    TWinControl* KeyTarget() const;
    void ShowHintNow();

    TForm& FForm;
    TControl* FCapture = nullptr;
    TControl* FHover = nullptr;
    TControl* FClicked = nullptr;
    TControl* FLastClick = nullptr;
    std::uint32_t FLastClickTime = 0;
    TPoint FLastClickPos;
    int FHintTimer = 0;
};
