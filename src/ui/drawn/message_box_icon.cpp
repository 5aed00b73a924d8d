#include "ui/drawn/message_box_icon.h"

#include <cmath>
#include <functional>

namespace {

// Shapes are tested in the icon's unit square, (0, 0) top-left to (1, 1) bottom-right, at
// pixel centres.
using TShape = std::function<bool(double u, double v)>;

bool InDisc(double u, double v, double radius)
{
    return (u - 0.5) * (u - 0.5) + (v - 0.5) * (v - 0.5) <= radius * radius;
}

bool InTriangle(double u, double v, double grow)
{
    return v >= 0.06 - grow && v <= 0.94 + grow &&
           std::abs(u - 0.5) <= (v - 0.06) / 0.88 * 0.47 + grow;
}

bool InBox(double u, double v, double left, double top, double right, double bottom)
{
    return u >= left && u < right && v >= top && v < bottom;
}

void Fill(TCanvas& canvas, const TRect& r, const TShape& shape, TColor color)
{
    const double side = r.Width();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (shape((x - r.left + 0.5) / side, (y - r.top + 0.5) / side))
                canvas.SetPixel(x, y, color);
}

void PaintError(TCanvas& canvas, const TRect& r)
{
    Fill(
        canvas, r, [](double u, double v) { return InDisc(u, v, 0.47); }, clMaroon);
    Fill(
        canvas, r, [](double u, double v) { return InDisc(u, v, 0.43); }, clRed);
    Fill(
        canvas, r,
        [](double u, double v) {
            const double du = u - 0.5, dv = v - 0.5;
            return std::abs(du) < 0.22 && std::abs(dv) < 0.22 &&
                   (std::abs(du - dv) < 0.09 || std::abs(du + dv) < 0.09);
        },
        clWhite);
}

void PaintWarning(TCanvas& canvas, const TRect& r)
{
    Fill(
        canvas, r, [](double u, double v) { return InTriangle(u, v, 0.03); }, clBlack);
    Fill(
        canvas, r, [](double u, double v) { return InTriangle(u, v, -0.02); }, clYellow);
    Fill(
        canvas, r,
        [](double u, double v) {
            return InBox(u, v, 0.45, 0.32, 0.55, 0.70) || InBox(u, v, 0.45, 0.76, 0.55, 0.86);
        },
        clBlack);
}

void PaintInformation(TCanvas& canvas, const TRect& r)
{
    Fill(
        canvas, r, [](double u, double v) { return InDisc(u, v, 0.47); }, clGray);
    Fill(
        canvas, r, [](double u, double v) { return InDisc(u, v, 0.43); }, clWhite);
    Fill(
        canvas, r,
        [](double u, double v) {
            return InBox(u, v, 0.44, 0.20, 0.56, 0.32) || InBox(u, v, 0.44, 0.40, 0.56, 0.80);
        },
        clBlue);
}

}  // namespace

void PaintMsgBoxIcon(TCanvas& canvas, TMsgBoxIcon icon, const TRect& r)
{
    switch (icon) {
    case TMsgBoxIcon::Error:
        PaintError(canvas, r);
        break;
    case TMsgBoxIcon::Warning:
        PaintWarning(canvas, r);
        break;
    case TMsgBoxIcon::Information:
        PaintInformation(canvas, r);
        break;
    case TMsgBoxIcon::None:
        break;
    }
}
