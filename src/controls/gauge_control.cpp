// The gauge control bases, built once for the toolkit's two control kinds.
#include "controls/gauge_control.h"

template <class TBase> void TGaugeControl<TBase>::RequestRepaint()
{
    if (!IsLoading())
        this->Repaint();
}

template <class TBase> void TGaugeImageControl<TBase>::ClearImage()
{
    FImage.SetSize(this->Width(), this->Height());
    TCanvas& canvas = FImage.Canvas();
    canvas.Brush.style = TBrushStyle::bsSolid;
    canvas.Brush.color = this->Color();
    canvas.FillRect(FImage.BoundsRect());
}

// Puts the finished picture on the control's screen canvas in one copy.
template <class TBase> void TGaugeImageControl<TBase>::Paint()
{
    const TRect area{0, 0, this->Width(), this->Height()};
    this->Canvas().CopyRect(area, FImage, area);
}

template <class TBase> void TGaugeImageControl<TBase>::PaintAgain()
{
    if (FImage.Width() == this->Width() && FImage.Height() == this->Height())
        TGaugeImageControl::Paint();
    else
        this->Paint();
}

template class TGaugeControl<TGraphicControl>;
template class TGaugeControl<TCustomControl>;
template class TGaugeImageControl<TGraphicControl>;
template class TGaugeImageControl<TCustomControl>;
