// The rules every label-like control follows when it hands its caption to DrawText: the
// format of its alignment and word wrap, the text it measures and draws, and where its
// layout puts the text vertically. The toolkit's label and owner-drawn labels share them.
#pragma once

#include <string>

#include "ui/types.h"

// DrawText flags for a caption's alignment and word wrap (tabs always expand).
unsigned CaptionFormat(TAlignment alignment, bool wordWrap);
// The caption as DrawText gets it. A measurement of an empty caption (or a lone "&" that
// is only a prefix) still measures one line high; without accelerators "&" shows as is.
std::string CaptionForDrawText(const std::string& caption, bool showAccelChar, unsigned& flags);
// How far down the text goes in a box `height` high when its measurement ended at `textBottom`.
int LayoutOffset(TTextLayout layout, int height, int textBottom);
