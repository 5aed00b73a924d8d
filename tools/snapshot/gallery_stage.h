// A stage for posing controls: a borderless headless form at the screen's top-left, so form
// and screen coordinates agree and synthetic pointer input lands where the control lies.
// Controls are placed while the form loads; Show ends loading, Shot composes the picture.
#pragma once

#include <memory>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "ui/form.h"

class Stage {
public:
    Stage(int width, int height, TColor color);
    ~Stage();

    TForm& Form() { return *FForm; }
    // Creates a control owned by and parented to the stage's form at (left, top).
    template <class T> T* Place(int left, int top)
    {
        auto* control = new T(FForm.get());
        control->SetParent(FForm.get());
        control->SetLeft(left);
        control->SetTop(top);
        return control;
    }

    void Show();
    // The composed form picture, as it is now.
    TBitmap Shot();
    // Pointer input at form points.
    void Hover(TPoint at);
    void Press(TPoint at);

private:
    std::unique_ptr<TForm> FForm;
    bool FPressed = false;
};
