// Controls and forms rescaled for the screen: every place and size and every own font height
// goes through here, so that paint code only ever sees the control's scaled size.
#include <vector>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/scaling.h"

TFontSpec TControl::ScaledFont(TFontSpec font, int m, int d)
{
    font.height = MulDivRound(font.height, m, d);
    font.pixelsPerInch = MulDivRound(font.pixelsPerInch, m, d);
    return font;
}

void TControl::ScaleBounds(int m, int d)
{
    const int left = MulDivRound(FLeft, m, d);
    const int top = MulDivRound(FTop, m, d);
    SetBounds(left, top, MulDivRound(FLeft + FWidth, m, d) - left,
              MulDivRound(FTop + FHeight, m, d) - top);
}

void TControl::ChangeScale(int m, int d)
{
    ScaleBounds(m, d);
    if (!FParentFont)
        SetFont(ScaledFont(FFont, m, d));
}

void TWinControl::ChangeScale(int m, int d)
{
    ScaleBounds(m, d);
    // A copy: the children are walked while they change.
    const std::vector<TControl*> children = Controls();
    for (TControl* child : children)
        child->ChangeScale(m, d);
    if (!ParentFont())
        SetFont(ScaledFont(Font(), m, d));
}

// A form keeps its place on the screen; only its size and contents follow the scale.
void TForm::ScaleBounds(int m, int d)
{
    SetBounds(Left(), Top(), MulDivRound(Width(), m, d), MulDivRound(Height(), m, d));
}

int TForm::Scaled(int designPixels) const
{
    return MulDivRound(designPixels, FPixelsPerInch, kDesignDpi);
}

void TForm::ScaleTo(int dpi)
{
    if (dpi <= 0 || dpi == FPixelsPerInch)
        return;
    const int old = FPixelsPerInch;
    FPixelsPerInch = dpi;
    ChangeScale(dpi, old);
}

void TForm::WndDpiChanged(int dpi, TRect suggested)
{
    Application().Guard([&] {
        ScaleTo(dpi);
        SetBounds(suggested.left, suggested.top, suggested.Width(), suggested.Height());
        DpiChanged();
        Invalidate();
    });
}
