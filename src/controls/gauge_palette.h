// The two-colour palette of one zone of a segment gauge.
#pragma once

#include "controls/gauge_persistent.h"
#include "gfx/color.h"

// The unlit (Low) and lit (High) colour of one zone of a segment gauge.
class TGaugePalette : public TGaugePersistent {
public:
    TColor Low() const { return FLow; }
    void SetLow(TColor value);
    TColor High() const { return FHigh; }
    void SetHigh(TColor value);

    void Assign(const TGaugePalette& source);
    // Low for an index of 0 or below (unlit), High above (lit).
    TColor ColorFor(int index) const { return index <= 0 ? FLow : FHigh; }

private:
    TColor FLow = clGreen;
    TColor FHigh = clLime;
};
