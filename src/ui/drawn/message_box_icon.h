// The message box's icons, drawn from simple shapes at any size: information (a white disc
// with a blue "i"), warning (a yellow triangle with a black "!"), error (a red disc with a
// white cross).
#pragma once

#include "gfx/canvas.h"
#include "ui/types.h"

void PaintMsgBoxIcon(TCanvas& canvas, TMsgBoxIcon icon, const TRect& r);
