// Holding a window's repaints while its rows are rebuilt, so that it reaches the screen once.
#pragma once

#include "ui/form.h"

// Holds the form's repaints for its own lifetime; the held repaint runs at its end.
class PaintHold {
public:
    explicit PaintHold(TForm& form) : FForm(form) { FForm.HoldPaint(true); }
    ~PaintHold() { FForm.HoldPaint(false); }
    PaintHold(const PaintHold&) = delete;
    PaintHold& operator=(const PaintHold&) = delete;

private:
    TForm& FForm;
};
