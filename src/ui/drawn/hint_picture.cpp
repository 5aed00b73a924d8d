#include "ui/drawn/hint_picture.h"

#include "gfx/canvas.h"
#include "ui/drawn/popup_look.h"

TBitmap HintPicture(const std::string& text, TColor color, const TFontSpec& font)
{
    // The margins are design pixels at the scale the font is meant for, so the box grows with
    // its text.
    const int dpi = font.pixelsPerInch;
    const TSize extent = Fonts().TextExtent(font, text);
    TBitmap image(extent.cx + PopupScaled(8, dpi), extent.cy + PopupScaled(4, dpi));
    TCanvas& canvas = image.Canvas();
    canvas.Brush.color = color;
    canvas.FillRect(image.BoundsRect());
    canvas.Brush.color = clWindowFrame;
    canvas.FrameRect(image.BoundsRect());
    Fonts().DrawText(image, image.BoundsRect(), 1 + PopupScaled(2, dpi), 1 + PopupScaled(1, dpi),
                     font, text, ColorToRGB(font.color));
    return image;
}
