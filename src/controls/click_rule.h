// When presses and releases on the tray icon make a click. The shell reports raw presses,
// releases and double clicks; a release after a press makes a click, but one that waits out the
// double-click time, so that a double click can still cancel it. The rule keeps that state and
// says when the wait starts and stops; its owner runs the timer and hands the wait's end back.
#pragma once

#include <optional>

#include "ui/types.h"

// A click as the shell reported it: button, shift state and pointer (screen pixels) at release.
struct TTrayClick {
    TMouseButton button = TMouseButton::mbLeft;
    TShiftState shift = 0;
    int x = 0;
    int y = 0;
};

class TClickRule {
public:
    void Pressed() { FPressed = true; }
    // A release after a press keeps a click worth waiting for (the latest one wins); true when
    // the wait must start now, false while one is already running.
    bool Released(const TTrayClick& click, bool worthWaiting);
    // True when a click was waiting: it is dropped and the wait stops.
    bool DoubleClicked();
    // The wait ran out: the click that waited, if one still does.
    std::optional<TTrayClick> WaitOver();

private:
    bool FPressed = false;
    bool FWaiting = false;
    TTrayClick FClick;
};
