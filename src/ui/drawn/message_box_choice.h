// What the keys and the mouse do in the message box: Tab and the arrows move the focus among
// its buttons, Return and Space press the focused one (the default one at first), Y and N
// answer Yes and No, Escape (and the window's close button) answers Cancel, No or OK, whichever
// the box has; a click is a press and a release on the same button.
#pragma once

#include <optional>
#include <vector>

#include "ui/types.h"

class TMsgBoxChoice {
public:
    explicit TMsgBoxChoice(TMsgBoxButtons buttons);

    int Focused() const { return FFocused; }
    int Pressed() const { return FPressed; }
    // The answer a key gives, if any.
    std::optional<TMsgBoxResult> Key(TKey key, TShiftState shift);
    // What closing the window answers.
    TMsgBoxResult Escape() const;
    // The left button went down or up over button `index` (-1: none).
    void MouseDown(int index);
    std::optional<TMsgBoxResult> MouseUp(int index);

private:
    std::vector<TMsgBoxResult> FResults;
    int FFocused = 0;
    int FPressed = -1;
};
