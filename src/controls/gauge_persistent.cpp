// Change notification of the gauge controls' sub-objects, held back inside update brackets.
#include "controls/gauge_persistent.h"

void TGaugePersistent::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    NotifyChange();
}

void TGaugePersistent::NotifyChange()
{
    if (FUpdateCount == 0 && OnChange)
        OnChange(this);
}
