// What the owner-drawn controls add to the toolkit's control classes: a parent-colour event
// and a hint colour. The same layer serves a windowless and a windowed base, hence one
// template with two names.
#pragma once

#include "gfx/color.h"
#include "ui/control.h"
#include "ui/types.h"
#include "ui/wincontrol.h"

template <class TBase> class TExtControl : public TBase {
public:
    explicit TExtControl(TComponent* owner) : TBase(owner) { }

    // Colour of this control's hint window; clDefault leaves the application's colour.
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor color) { FHintColor = color; }

    // The parent's colour changed (after the toolkit took it over when ParentColor is set).
    TNotifyEvent OnParentColorChange;

protected:
    void ParentColorChanged() override
    {
        TBase::ParentColorChanged();
        if (OnParentColorChange)
            OnParentColorChange(this);
    }
    void HintShow(THintInfo& info) override
    {
        if (FHintColor != clDefault)
            info.HintColor = FHintColor;
        TBase::HintShow(info);
    }

private:
    TColor FHintColor = clDefault;
};

// Windowless controls on the layer.
using TExtGraphicControl = TExtControl<TGraphicControl>;
// Windowed, self-painting controls on the layer.
using TExtCustomControl = TExtControl<TCustomControl>;
