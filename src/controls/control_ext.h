// A thin layer between the toolkit's control classes and the owner-drawn controls that want
// the toolkit's change notifications as plain overridable operations (ColorChanged,
// MouseEnter, ...), a parent-colour event and a hint colour. The same layer serves a
// windowless and a windowed base, hence one template with two names.
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
    // The overridable operations; each default runs the toolkit's own handling.
    virtual void ColorChanged() { TBase::CMColorChanged(); }
    virtual void FontChanged() { TBase::CMFontChanged(); }
    virtual void TextChanged() { TBase::CMTextChanged(); }
    virtual void EnabledChanged() { TBase::CMEnabledChanged(); }
    virtual void VisibleChanged() { TBase::CMVisibleChanged(); }
    virtual void ParentFontChanged() { TBase::CMParentFontChanged(); }
    virtual void ParentColorChanged()
    {
        TBase::CMParentColorChanged();
        if (OnParentColorChange)
            OnParentColorChange(this);
    }
    // The form's focused control changed to `focused` (nullptr: none).
    virtual void FocusChanged(TWinControl* focused) { TBase::CMFocusChanged(focused); }
    // The toolkit keeps PointerInside: set before OnMouseEnter, cleared before OnMouseLeave.
    virtual void MouseEnter() { TBase::CMMouseEnter(); }
    virtual void MouseLeave() { TBase::CMMouseLeave(); }
    virtual void HintShow(THintInfo& info)
    {
        if (FHintColor != clDefault)
            info.HintColor = FHintColor;
        TBase::CMHintShow(info);
    }

    void CMColorChanged() override { ColorChanged(); }
    void CMFontChanged() override { FontChanged(); }
    void CMTextChanged() override { TextChanged(); }
    void CMEnabledChanged() override { EnabledChanged(); }
    void CMVisibleChanged() override { VisibleChanged(); }
    void CMParentFontChanged() override { ParentFontChanged(); }
    void CMParentColorChanged() override { ParentColorChanged(); }
    void CMFocusChanged(TWinControl* focused) override { FocusChanged(focused); }
    void CMMouseEnter() override { MouseEnter(); }
    void CMMouseLeave() override { MouseLeave(); }
    void CMHintShow(THintInfo& info) override { HintShow(info); }

private:
    TColor FHintColor = clDefault;
};

// Windowless controls on the layer.
using TExtGraphicControl = TExtControl<TGraphicControl>;
// Windowed, self-painting controls on the layer.
using TExtCustomControl = TExtControl<TCustomControl>;
