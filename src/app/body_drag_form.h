// A borderless window that the pointer drags by its body: both windows of the program are one.
#pragma once

#include "ui/form.h"

class TBorder;

class TBodyDragForm : public TForm {
public:
    using TForm::TForm;

protected:
    // Every hit on the client area counts as a hit on a title bar; windowed children keep their
    // own clicks, as the toolkit answers them before this.
    void HitTest(TPoint screen, THitTest& result) override;
    // The etched frame around the title band, the same in both windows.
    TBorder* NewTitleBorder();
};
