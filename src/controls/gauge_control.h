// The gauge family's control bases over the toolkit's windowless and windowed controls: a
// repaint request that paints at once, and the double-buffered image variants.
#pragma once

#include <string>
#include <utility>

#include "controls/gauge_component.h"
#include "ui/property_change.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "ui/component.h"
#include "ui/control.h"
#include "ui/wincontrol.h"

enum class TGaugeOrientation { voVertical, voHorizontal };
enum class TGaugeProgressStyle { psBottomLeft, psTopRight };

// The family's base over a toolkit control (windowless or windowed, hence one template with
// two names below): a repaint request that paints at once, unless the form is loading.
template <class TBase> class TGaugeControl : public TBase {
public:
    explicit TGaugeControl(TComponent* owner) : TBase(owner) { }

    const std::string& Version() const { return GaugeVersion; }
    bool IsDesigning() const { return this->Designing(); }
    bool IsLoading() const { return this->Loading(); }

protected:
    virtual void RequestRepaint();
    // The setters' rule for a control: a changed value is stored and repainted.
    template <class T> void Change(T& field, T value)
    {
        ChangeProperty(field, std::move(value), [this] { RequestRepaint(); });
    }
};

// A base that draws into its own Image and puts it on the screen in one copy. A
// descendant's Paint() calls ClearImage(), draws on ImageCanvas() and ends with the base Paint().
template <class TBase> class TGaugeImageControl : public TGaugeControl<TBase> {
public:
    explicit TGaugeImageControl(TComponent* owner) : TGaugeControl<TBase>(owner) { }

    // The picture of the last paint.
    const TBitmap& Image() const { return FImage; }

protected:
    TCanvas& ImageCanvas() { return FImage.Canvas(); }
    // Sizes Image to the control and fills it with Color.
    virtual void ClearImage();
    void Paint() override;
    // Puts the last picture on the screen again while it has the control's size: a heading
    // scrolling twenty times a second beneath a track bar's edge would redraw the whole bar.
    void PaintAgain() override;

private:
    TBitmap FImage;
};

// The members are built once, in gauge_control.cpp, for the two toolkit bases.
extern template class TGaugeControl<TGraphicControl>;
extern template class TGaugeControl<TCustomControl>;
extern template class TGaugeImageControl<TGraphicControl>;
extern template class TGaugeImageControl<TCustomControl>;

using TGaugeGraphicControl = TGaugeControl<TGraphicControl>;
using TGaugeGraphicImageControl = TGaugeImageControl<TGraphicControl>;
using TGaugeCustomControl = TGaugeControl<TCustomControl>;
using TGaugeCustomImageControl = TGaugeImageControl<TCustomControl>;
