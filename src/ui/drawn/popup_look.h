// The classic look every program-drawn popup shares (menus, the message box, the hint): the
// scale of its design pixels, its font, its raised 3-D edges and the small glyphs drawn pixel by
// pixel, and keeping a popup on the screen.
#pragma once

#include <span>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/font.h"
#include "gfx/geometry.h"

// `designPixels` at 96 dpi, in pixels at `dpi`.
int PopupScaled(int designPixels, int dpi);

// The font of menus and message boxes at `dpi`.
TFontSpec PopupFont(int dpi, bool bold = false);

// Two rings of one pixel each, lit from the top left: the outer ring's colours, then the
// inner ring's.
struct TEdgeColors {
    TColor outerLit, outerShaded, innerLit, innerShaded;
};
// A window's raised frame, and a push button's.
constexpr TEdgeColors kRaisedWindowEdge{cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
constexpr TEdgeColors kRaisedButtonEdge{clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow};
constexpr TEdgeColors kSunkenButtonEdge{cl3DDkShadow, cl3DDkShadow, clBtnShadow, clBtnShadow};
constexpr int kEdgeWidth = 2;
void PaintEdge(TCanvas& canvas, const TRect& r, const TEdgeColors& colors);

// A glyph given as rows of '#' (drawn) and '.' (left alone) at 96 dpi, each design pixel onto
// whole pixels at `dpi`, its top-left at `at`.
void PaintGlyph(TCanvas& canvas, std::span<const char* const> rows, TPoint at, int dpi,
                TColor color);
// The glyph's size at `dpi`.
TSize GlyphSize(std::span<const char* const> rows, int dpi);
// The point that puts a `size` glyph in the middle of `r`.
TPoint Centred(const TRect& r, TSize size);

// `picture` stretched over `dest` by nearest neighbour, its transparent colour left out.
void PaintPicture(TCanvas& canvas, const TBitmap& picture, const TRect& dest);

// The index of the first of `places` that holds `point`, -1 for none.
int IndexAt(const std::vector<TRect>& places, TPoint point);

// The top-left that keeps `bounds` on a `screen` sized screen, moved as little as possible
// (its top-left edge wins when it is larger than the screen).
TPoint KeepOnScreen(const TRect& bounds, TSize screen);
