// The palette's setters, each telling the owner of an effective change.
#include "controls/gauge_palette.h"

void TGaugePalette::SetLow(TColor value)
{
    if (FLow == value)
        return;
    FLow = value;
    NotifyChange();
}

void TGaugePalette::SetHigh(TColor value)
{
    if (FHigh == value)
        return;
    FHigh = value;
    NotifyChange();
}

void TGaugePalette::Assign(const TGaugePalette& source)
{
    BeginUpdate();
    SetLow(source.FLow);
    SetHigh(source.FHigh);
    EndUpdate();
}
