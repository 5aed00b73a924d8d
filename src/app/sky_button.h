// The sky-blue title buttons, shared by the main window's buttons and the memory window's close
// button.
#pragma once

#include "gfx/geometry.h"

class TForm;
class TPushButton;

// Colours by state, the TColorScheme::csSky scheme, flat, no gradient, hot-tracking, glyph left and
// see-through.
void DressSkyButton(TPushButton& button);

// A sky button owned by `form` and placed on it at `bounds`, with its caption and hint.
TPushButton* NewSkyButton(TForm& form, const char* name, TRect bounds, const char* caption,
                          const char* hint);
