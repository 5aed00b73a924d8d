// The bold type of the titles, headings, figure names and meter rows.
#pragma once

#include "gfx/font.h"

// `font` made bold; by default the windows' own font (MS Sans Serif, height -11).
inline TFontSpec Bolded(TFontSpec font = {})
{
    font.bold = true;
    return font;
}
