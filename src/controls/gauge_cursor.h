// The gauge family's hand-point cursor, made once from the built-in picture and kept in the
// toolkit's cursor table.
#pragma once

#include "ui/types.h"

// Cursor id of the family's hand-point cursor in the toolkit's cursor table.
constexpr TCursor crGaugeHandPoint = 99;
// Puts the built-in hand-point cursor into the cursor table as crGaugeHandPoint; repeat calls
// do nothing. The family's controls call it when created.
void RegisterGaugeCursors();
