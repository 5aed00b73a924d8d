// The 2-D canvas every owner-drawn control paints through, with Win32 GDI's pixel rules so
// the headless pictures equal the platform's:
//  - rectangles are half-open: FillRect({0,0,3,2}) covers x 0..2, y 0..1;
//  - MoveTo/LineTo leaves out the end pixel; lines step as GDI's Bresenham does;
//  - colours are 0x00BBGGRR; system colours are resolved (ColorToRGB) when drawn;
//  - all coordinates are logical: device = logical + Origin(); drawing is clipped to the
//    bitmap and to ClipRect(), which is in device (bitmap) coordinates.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The sixteen raster operations of SetROP2, in R2_* order minus one.
enum class TPenMode {
    pmBlack,
    pmNotMerge,
    pmMaskNotPen,
    pmNotCopy,
    pmMaskPenNot,
    pmNot,
    pmXor,
    pmNotMask,
    pmMask,
    pmNotXor,
    pmNop,
    pmCopy,
    pmMergeNotPen,
    pmMergePenNot,
    pmMerge,
    pmWhite
};

enum class TBrushStyle { bsSolid, bsClear };

enum class TBackgroundMode { bkTransparent, bkOpaque };

struct TPen {
    TColor color = clBlack;
    int width = 1;
    TPenStyle style = TPenStyle::psSolid;
    TPenMode mode = TPenMode::pmCopy;
    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor color = clWhite;
    TBrushStyle style = TBrushStyle::bsSolid;
    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// DrawText formats, with the Win32 values; a win32/ file that has <windows.h> keeps its own.
#ifndef DT_TOP
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
#endif

class TCanvas {
public:
    explicit TCanvas(TBitmap& target);

    TBitmap& Target() { return *FTarget; }
    void SetTarget(TBitmap& target) { FTarget = &target; }

    TPen Pen;
    TBrush Brush;
    TFontSpec Font;

    // Logical (0, 0) lands on this bitmap pixel.
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint origin) { FOrigin = origin; }
    // Device (bitmap) coordinates; drawing outside it is dropped.
    TRect ClipRect() const { return FClip; }
    void SetClipRect(TRect clip) { FClip = clip; }
    void ResetClipRect();

    TBackgroundMode BkMode() const { return FBkMode; }
    void SetBkMode(TBackgroundMode mode) { FBkMode = mode; }

    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }

    // Brush colour over [left,right) x [top,bottom); ignores the pen and a clear brush.
    void FillRect(const TRect& r);
    // Paints `r` column by column, columnColors[i] over the whole height of column
    // r.left + i (a horizontal ramp in one call); columns past the colours are left alone.
    void FillColumns(const TRect& r, std::span<const TColor> columnColors);
    // Pen outline on the border pixels, brush (unless clear) inside, both in the pen mode.
    void Rectangle(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom)
    {
        Rectangle(TRect{left, top, right, bottom});
    }
    // A one-pixel frame on the border pixels in the brush colour.
    void FrameRect(const TRect& r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Connected lines, each leaving out its end pixel; the pen position does not move.
    void Polyline(std::span<const TPoint> points);
    // An inverting dotted frame like Win32's focus rectangle; drawing it twice restores.
    void DrawFocusRect(const TRect& r);

    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    TSize TextExtent(std::string_view text) const;
    int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) const { return TextExtent(text).cy; }
    // Glyph cell top-left at (x, y); the cell is first filled with the brush colour when the
    // brush is solid and the background mode opaque. The pen position moves past the text.
    void TextOut(int x, int y, std::string_view text);
    // Text in a rectangle, as Win32 DrawText places it; returns the text height. With
    // DT_CALCRECT nothing is drawn and `r` gets the text's right and bottom.
    int DrawText(TRect& r, std::string_view text, unsigned format);
    int DrawText(std::string_view text, TRect& r, unsigned format)
    {
        return DrawText(r, text, format);
    }
    // Disabled text, embossed: in the button highlight colour one pixel down and right, then
    // in the button shadow colour in place. Font.color is left at the shadow colour.
    void DrawEmbossedText(const TRect& r, std::string_view text, unsigned format);

    // Copies `source` with its top-left at (x, y), leaving out its transparent colour when
    // source.Transparent is set.
    void Draw(int x, int y, const TBitmap& source);
    // Copies `sourceRect` of `source` onto `dest`, nearest-neighbour when the sizes differ.
    void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);

private:
    // Drawing-time helpers; rectangles and points here are in device coordinates.
    TRect DeviceClip() const;
    void PutPixel(int x, int y, TColor rgb, TPenMode mode, const TRect& clip);
    void FillDevice(TRect r, TColor rgb, TPenMode mode);
    void StrokeSegment(TPoint from, TPoint to, int& dashPos);
    void StrokePath(std::span<const TPoint> logicalPoints);
    void PaintText(int x, int y, std::string_view text, const TRect& clip);

    TBitmap* FTarget;
    TPoint FOrigin;
    TRect FClip;
    TPoint FPenPos;
    TBackgroundMode FBkMode = TBackgroundMode::bkOpaque;
};
