// Windowless controls: a rectangle inside a parent windowed control that paints on the
// parent form's composition bitmap, follows its parent's colour and font when asked, and
// takes mouse input routed by its form. Property changes reach descendants through the
// protected notifications (ColorChanged, MouseEnter, ...), which derived controls override
// (calling the base first).
#pragma once

#include <memory>
#include <string>

#include "gfx/color.h"
#include "gfx/font.h"
#include "gfx/geometry.h"
#include "ui/component.h"

class TCanvas;
class TForm;
class TWinControl;

// What a control may change before its hint shows; Cancel suppresses it.
struct THintInfo {
    class TControl* HintControl = nullptr;
    std::string HintStr;
    TColor HintColor = clInfoBk;
    TPoint CursorPos;  // screen
    bool Cancel = false;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on (itself for a form), or nullptr.
    TForm* ParentForm() const;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Parent client coordinates; a change invalidates old and new places and fires Resize().
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.left, r.top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible (for a form: shown on screen).
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& caption);
    const std::string& Text() const { return FCaption; }
    void SetText(const std::string& text) { SetCaption(text); }

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    const TFontSpec& Font() const { return FFont; }
    void SetFont(const TFontSpec& font);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& hint) { FHint = hint; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor cursor);
    // The cursor over a client point: Cursor, unless a control shows another over part of itself.
    virtual TCursor CursorAt(TPoint /*client*/) const { return Cursor(); }
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align) { FAlign = align; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle style) { FControlStyle = style; }
    // True between the pointer entering and leaving the control.
    bool PointerInside() const { return FPointerInside; }
    bool MouseCapture() const;
    void SetMouseCapture(bool capture);

    // Client coordinates of this control <-> screen coordinates.
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // This control's client (0, 0) in its form's client coordinates.
    TPoint FormOffset() const;

    // Repaint later, from the message queue.
    virtual void Invalidate();
    // Paint at once: the form composes and presents before this returns.
    virtual void Repaint();
    void Update();
    void Refresh() { Repaint(); }
    // The form left the screen: pictures kept only to paint faster go; the next paint draws
    // them again.
    virtual void DropPictures() { }

    // A canvas with its origin at this control's top-left, clipped to its bounds, drawing on
    // the form's composition bitmap (a private scratch bitmap while the control has no form).
    TCanvas& Canvas();

    // Runs the click handling as a left press and release would.
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnResize;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    virtual void Paint() { }
    // Paints the control again where a neighbour beneath it was repainted: Paint, unless the
    // control keeps the picture of its last paint (each change of its look repaints it).
    virtual void PaintAgain() { Paint(); }
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // Auto-size rules: called after caption, font or bounds changes when AutoSize is on.
    virtual void AdjustSize() { }
    // Multiplies the design by m / d for a new screen scale: the edges (so neighbours stay
    // neighbours), then an own font's height. A control with pixel properties of its own (a
    // gap, a second font) scales them too, calling the base.
    virtual void ChangeScale(int m, int d);
    // The place and size part of ChangeScale; a form keeps its place on the screen.
    virtual void ScaleBounds(int m, int d);
    // Scales a font's height by m / d for the scale it is now meant for.
    static TFontSpec ScaledFont(TFontSpec font, int m, int d);

    virtual void ColorChanged();
    virtual void FontChanged();
    virtual void TextChanged();
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void ShowHintChanged() { }
    // The parent's colour/font changed; the base takes it over when ParentColor/ParentFont.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    virtual void ParentShowHintChanged();
    // The base keeps PointerInside (set before OnMouseEnter, cleared before OnMouseLeave).
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void HintShow(THintInfo& /*info*/) { }
    // Alt+key accelerator; true when this control took it.
    virtual bool DialogChar(char /*key*/) { return false; }
    // A dialog key (Tab, Enter, Escape, arrows) the focused control did not want; true when
    // handled.
    virtual bool DialogKey(TKey /*key*/, TShiftState /*shift*/) { return false; }
    // The form's focused control changed (also sent when default-button state may differ).
    virtual void FocusChanged(TWinControl* /*focused*/) { }
    // Lets a control that re-checks the pointer itself correct the hover flag.
    void SetPointerInside(bool inside) { FPointerInside = inside; }

private:
    friend class TWinControl;
    friend class TForm;
    friend class FormInput;
    friend class FormPainter;

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FCaption;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TFontSpec FFont;
    bool FParentFont = true;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TAlign FAlign = TAlign::alNone;
    bool FAutoSize = false;
    TControlStyle FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
    bool FPointerInside = false;
    std::unique_ptr<TCanvas> FCanvas;
    // The kind of control, asked on every paint without a dynamic_cast each time: set in the
    // constructor body and cleared at the end of the destructor body of TWinControl / TForm, so
    // a control under construction or half torn down reads as dynamic_cast would say.
    bool FWindowed = false;
    bool FIsForm = false;
};

// A windowless control that paints itself.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) { }
};
