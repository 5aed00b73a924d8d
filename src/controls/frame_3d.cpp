// Draws the 3-D frame one ring at a time.
#include "controls/frame_3d.h"

void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen.width = 1;
    // The edges become inclusive for the ring drawing and get their pixel back at the end.
    --rect.right;
    --rect.bottom;
    for (int ring = 0; ring < width; ++ring) {
        canvas.Pen.color = topColor;
        const TPoint topLeft[] = {
            {rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
        canvas.Polyline(topLeft);
        canvas.Pen.color = bottomColor;
        const TPoint bottomRight[] = {
            {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}};
        canvas.Polyline(bottomRight);
        rect.Inflate(-1, -1);
    }
    ++rect.right;
    ++rect.bottom;
}
