// Windowless controls: bounds, parent-following colour and font, notifications, painting
// requests and the canvas positioned on the form's composition bitmap.
#include "ui/control.h"

#include "gfx/canvas.h"
#include "ui/form.h"
#include "ui/form_input.h"
#include "ui/wincontrol.h"

namespace {

// Where a control without a form draws (measuring text, mostly).
TBitmap& ScratchBitmap()
{
    static TBitmap scratch(1, 1);
    return scratch;
}

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) { }

TControl::~TControl()
{
    MarkDestroying();
    if (FParent != nullptr)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (FParent == parent)
        return;
    if (FParent != nullptr)
        FParent->RemoveControl(this);
    FParent = parent;
    if (parent == nullptr)
        return;
    parent->InsertControl(this);
    ParentColorChanged();
    ParentFontChanged();
    ParentShowHintChanged();
    Invalidate();
}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->FParent != nullptr)
        c = c->FParent;
    return c->FIsForm ? static_cast<TForm*>(const_cast<TControl*>(c)) : nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    bool resized = width != FWidth || height != FHeight;
    Invalidate();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    Invalidate();
    if (resized)
        Resize();
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c != nullptr; c = c->FParent)
        if (!c->FVisible)
            return false;
    return ParentForm() != nullptr;
}

void TControl::SetVisible(bool visible)
{
    if (FVisible == visible)
        return;
    FVisible = visible;
    VisibleChanged();
}

void TControl::SetEnabled(bool enabled)
{
    if (FEnabled == enabled)
        return;
    FEnabled = enabled;
    EnabledChanged();
}

void TControl::SetCaption(const std::string& caption)
{
    if (FCaption == caption)
        return;
    FCaption = caption;
    TextChanged();
}

void TControl::SetColor(TColor color)
{
    if (FColor == color && !FParentColor)
        return;
    bool changed = FColor != color;
    FColor = color;
    FParentColor = false;
    if (changed)
        ColorChanged();
}

void TControl::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    if (value)
        ParentColorChanged();
}

void TControl::SetFont(const TFontSpec& font)
{
    if (FFont == font && !FParentFont)
        return;
    bool changed = !(FFont == font);
    FFont = font;
    FParentFont = false;
    if (changed)
        FontChanged();
}

void TControl::SetParentFont(bool value)
{
    if (FParentFont == value)
        return;
    FParentFont = value;
    if (value)
        ParentFontChanged();
}

void TControl::SetShowHint(bool value)
{
    FParentShowHint = false;
    if (FShowHint == value)
        return;
    FShowHint = value;
    ShowHintChanged();
}

void TControl::SetParentShowHint(bool value)
{
    if (FParentShowHint == value)
        return;
    FParentShowHint = value;
    if (value)
        ParentShowHintChanged();
}

void TControl::SetCursor(TCursor cursor) { FCursor = cursor; }

void TControl::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    if (value)
        AdjustSize();
}

bool TControl::MouseCapture() const
{
    TForm* form = ParentForm();
    return form != nullptr && form->FInput->Capture() == this;
}

void TControl::SetMouseCapture(bool capture)
{
    TForm* form = ParentForm();
    if (form == nullptr)
        return;
    if (capture)
        form->FInput->SetCapture(this);
    else if (form->FInput->Capture() == this)
        form->FInput->SetCapture(nullptr);
}

TPoint TControl::FormOffset() const
{
    TPoint p;
    for (const TControl* c = this; c->FParent != nullptr; c = c->FParent) {
        p.x += c->FLeft;
        p.y += c->FTop;
    }
    return p;
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint offset = FormOffset();
    TPoint origin;
    if (TForm* form = ParentForm()) {
        TRect m = form->Margins();
        origin = {form->Left() + m.left, form->Top() + m.top};
    }
    return {p.x + offset.x + origin.x, p.y + offset.y + origin.y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint zero = ClientToScreen({0, 0});
    return {p.x - zero.x, p.y - zero.y};
}

void TControl::Invalidate()
{
    TForm* form = ParentForm();
    if (form != nullptr && FVisible)
        form->Invalidate();
}

void TControl::Repaint()
{
    TForm* form = ParentForm();
    if (form == nullptr || !Showing() || form->FHandle == 0)
        return;
    // An opaque control hides what lies beneath: only it and what is above it need painting.
    if ((FControlStyle & csOpaque) != 0)
        form->RepaintControl(this);
    else
        form->Repaint();
}

void TControl::Update()
{
    TForm* form = ParentForm();
    if (form != nullptr && form->FDirty)
        form->Repaint();
}

TCanvas& TControl::Canvas()
{
    TForm* form = ParentForm();
    TBitmap& target = form != nullptr ? form->FImage : ScratchBitmap();
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(target);
    FCanvas->SetTarget(target);
    if (form == nullptr || form == this) {
        FCanvas->SetOrigin({0, 0});
        FCanvas->ResetClipRect();
        return *FCanvas;
    }
    TPoint origin = FormOffset();
    TRect clip = Bounds(origin.x, origin.y, FWidth, FHeight);
    for (const TControl* c = FParent; c != nullptr && c != form; c = c->FParent) {
        TPoint o = c->FormOffset();
        clip = clip.Intersect(Bounds(o.x, o.y, c->FWidth, c->FHeight));
    }
    FCanvas->SetOrigin(origin);
    FCanvas->SetClipRect(clip);
    return *FCanvas;
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::ColorChanged() { Invalidate(); }

void TControl::FontChanged()
{
    if (FAutoSize)
        AdjustSize();
    Invalidate();
}

void TControl::TextChanged()
{
    if (FAutoSize)
        AdjustSize();
    Invalidate();
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::VisibleChanged()
{
    TForm* form = ParentForm();
    if (form != nullptr && form != this) {
        if (!FVisible)
            form->FInput->ControlGone(this);
        form->Invalidate();
    }
}

void TControl::ParentColorChanged()
{
    if (!FParentColor || FParent == nullptr || FColor == FParent->FColor)
        return;
    FColor = FParent->FColor;
    ColorChanged();
}

void TControl::ParentFontChanged()
{
    if (!FParentFont || FParent == nullptr || FFont == FParent->FFont)
        return;
    FFont = FParent->FFont;
    FontChanged();
}

void TControl::ParentShowHintChanged()
{
    if (!FParentShowHint || FParent == nullptr || FShowHint == FParent->FShowHint)
        return;
    FShowHint = FParent->FShowHint;
    ShowHintChanged();
}

void TControl::MouseEnter()
{
    SetPointerInside(true);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    SetPointerInside(false);
    if (OnMouseLeave)
        OnMouseLeave(this);
}
