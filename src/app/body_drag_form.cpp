#include "app/body_drag_form.h"

void TBodyDragForm::WMNCHitTest(TPoint screen, THitTest& result)
{
    TForm::WMNCHitTest(screen, result);
    if (result == THitTest::Client)
        result = THitTest::Caption;
}
