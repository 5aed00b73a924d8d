// Display scale: design geometry is in pixels at 96 dots per inch (100 %); forms multiply it
// by dpi / 96 once, as they are built for their screen, and again when their monitor's scale
// changes.
#pragma once

constexpr int kDesignDpi = 96;

// a × b / c rounded half away from zero, as the platform's MulDiv; c = 0 gives -1, as it does.
int MulDivRound(int a, int b, int c);
