// The palette's setters, each telling the owner of an effective change.
#include "controls/gauge_palette.h"

void TGaugePalette::SetLow(TColor value) { Change(FLow, value); }

void TGaugePalette::SetHigh(TColor value) { Change(FHigh, value); }

void TGaugePalette::Assign(const TGaugePalette& source)
{
    BeginUpdate();
    SetLow(source.FLow);
    SetHigh(source.FHigh);
    EndUpdate();
}
