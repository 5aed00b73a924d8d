#include "app/body_drag_form.h"

void TBodyDragForm::WMNCHitTest(TPoint screen, int& result)
{
    TForm::WMNCHitTest(screen, result);
    if (result == HTCLIENT)
        result = HTCAPTION;
}
