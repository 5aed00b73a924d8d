// The sky-blue look of the title buttons, shared by the main window's buttons and the memory
// window's close button.
#pragma once

class TXiButton;

// Colours by state, the csSky scheme, flat, no gradient, hot-tracking, glyph left and
// see-through.
void DressSkyButton(TXiButton& button);
