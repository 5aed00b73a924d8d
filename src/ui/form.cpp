// Forms: the platform window's life, showing and closing, focus bookkeeping, and the
// composition of all children into one bitmap presented in one copy.
#include "ui/form.h"

#include <algorithm>

#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/form_input.h"

namespace {

}  // namespace

// Paints a container's children: windowless ones in creation order, then windowed ones
// (each followed by its own children), every control clipped to its parents.
class FormPainter {
public:
    static bool IsWindowed(const TControl* c) { return c->FWindowed; }

    static void PaintChildren(TWinControl& parent)
    {
        std::vector<TControl*> children = parent.Controls();
        for (TControl* c : children)
            if (!IsWindowed(c) && c->Visible())
                PaintOne(*c);
        for (TControl* c : children)
            if (IsWindowed(c) && c->Visible()) {
                PaintOne(*c);
                PaintChildren(static_cast<TWinControl&>(*c));
            }
    }

    // Paints `control` and every later-painted control overlapping it; returns the area.
    static TRect PaintOver(TForm& form, TControl& control)
    {
        std::vector<TControl*> order;
        PaintOrder(form, order);
        auto it = std::find(order.begin(), order.end(), &control);
        if (it == order.end())
            return {};
        TRect area = control.Canvas().ClipRect();
        PaintOne(control);
        for (++it; it != order.end(); ++it)
            if (!(*it)->Canvas().ClipRect().Intersect(area).IsEmpty())
                PaintOne(**it, &TControl::PaintAgain);
        return area;
    }

private:
    // Every repaint of one control walks this order, so each child's class is asked once.
    static void PaintOrder(TWinControl& parent, std::vector<TControl*>& out)
    {
        std::vector<TWinControl*> windowed;
        for (TControl* c : parent.Controls()) {
            if (!c->Visible())
                continue;
            if (IsWindowed(c))
                windowed.push_back(static_cast<TWinControl*>(c));
            else
                out.push_back(c);
        }
        for (TWinControl* c : windowed) {
            out.push_back(c);
            PaintOrder(*c, out);
        }
    }

    static void PaintOne(TControl& c, void (TControl::*paint)() = &TControl::Paint)
    {
        TCanvas& canvas = c.Canvas();
        if (canvas.ClipRect().IsEmpty())
            return;
        canvas.Font = c.Font();
        canvas.Brush = TBrush{c.Color(), TBrushStyle::bsSolid};
        (c.*paint)();
    }
};

TForm::TForm(TComponent* owner) : TWinControl(owner), FInput(std::make_unique<FormInput>(*this))
{
    FIsForm = true;
    BeginLoading();
    FVisible = false;
    FColor = clBtnFace;
    FParentColor = false;
    FParentFont = false;
    FParentShowHint = false;
    FLeft = 0;
    FTop = 0;
    FWidth = 320;
    FHeight = 240;
    FIcon.OnChange = [this](TObject*) { UpdateIcon(); };
}

TForm::~TForm()
{
    MarkDestroying();
    if (OnDestroy)
        Application().Guard([this] { OnDestroy(this); });
    DestroyComponents();
    FInput.reset();
    if (FHandle != 0)
        CurrentBackend().FreeWindow(FHandle);
    FIsForm = false;
}

void TForm::AfterConstruction()
{
    if (Loading())
        EndLoading();
    Backend& backend = CurrentBackend();
    ScaleTo(FHandle != 0 ? backend.WindowDpi(FHandle) : backend.SystemDpi());
    DoCreate();
}

void TForm::DoCreate()
{
    if (OnCreate)
        Application().Guard([this] { OnCreate(this); });
}

WindowId TForm::Handle()
{
    if (FHandle == 0) {
        FHandle = CurrentBackend().NewWindow(Params(), this);
        UpdateIcon();
        // A monitor of another scale than the system's gets the window: built forms follow it.
        if (!Loading())
            ScaleTo(CurrentBackend().WindowDpi(FHandle));
    }
    return FHandle;
}

TWindowParams TForm::Params() const
{
    TWindowParams p;
    p.caption = Caption();
    p.bounds = BoundsRect();
    p.framed = FBorderStyle != TFormBorderStyle::bsNone;
    p.toolWindow = FBorderStyle == TFormBorderStyle::bsToolWindow ||
                   FBorderStyle == TFormBorderStyle::bsSizeToolWin;
    p.topmost = FFormStyle == TFormStyle::fsStayOnTop;
    p.layered = FAlphaBlend;
    p.alpha = FAlphaBlendValue;
    return p;
}

TRect TForm::Margins() const
{
    if (FBorderStyle == TFormBorderStyle::bsNone)
        return {};
    return CurrentBackend().FrameMargins(Params());
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    if (FBorderStyle == style)
        return;
    FBorderStyle = style;
    // The frame is fixed at creation; a new style needs a new window.
    if (FHandle != 0) {
        bool visible = FVisible;
        CurrentBackend().FreeWindow(FHandle);
        FHandle = 0;
        if (visible) {
            Handle();
            CurrentBackend().SetWindowVisible(FHandle, true);
            Repaint();
        }
    }
}

void TForm::SetFormStyle(TFormStyle style)
{
    if (FFormStyle == style)
        return;
    FFormStyle = style;
    if (FHandle != 0)
        CurrentBackend().SetWindowTopmost(FHandle, style == TFormStyle::fsStayOnTop);
}

void TForm::SetAlphaBlend(bool value)
{
    if (FAlphaBlend == value)
        return;
    FAlphaBlend = value;
    if (FHandle != 0)
        CurrentBackend().SetWindowAlpha(FHandle, FAlphaBlend, FAlphaBlendValue);
}

void TForm::SetAlphaBlendValue(std::uint8_t value)
{
    if (FAlphaBlendValue == value)
        return;
    FAlphaBlendValue = value;
    if (FHandle != 0 && FAlphaBlend)
        CurrentBackend().SetWindowAlpha(FHandle, FAlphaBlend, FAlphaBlendValue);
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    TWinControl::SetBounds(left, top, width, height);
    if (FHandle != 0)
        CurrentBackend().SetWindowBounds(FHandle, BoundsRect());
}

TRect TForm::ClientRect() const
{
    TRect m = Margins();
    return {0, 0, std::max(0, Width() - m.left - m.right),
            std::max(0, Height() - m.top - m.bottom)};
}

void TForm::SetClientWidth(int v)
{
    TRect m = Margins();
    SetWidth(v + m.left + m.right);
}

void TForm::SetClientHeight(int v)
{
    TRect m = Margins();
    SetHeight(v + m.top + m.bottom);
}

void TForm::SetVisible(bool visible)
{
    if (FVisible == visible)
        return;
    FVisible = visible;
    if (visible) {
        Handle();
        FShowing = true;
        try {
            if (FActiveControl == nullptr)
                SelectFirst();
            DoShow();
        } catch (...) {
            FShowing = false;
            throw;
        }
        FShowing = false;
        if (!FVisible)
            return;
        const bool showFirst = CurrentBackend().Offers().showBeforeCompose;
        if (showFirst)
            CurrentBackend().SetWindowVisible(FHandle, true);
        PaintImage();
        if (!showFirst)
            CurrentBackend().SetWindowVisible(FHandle, true);
        CurrentBackend().Present(FHandle, FImage, FImage.BoundsRect());
        FDirty = false;
        CurrentBackend().SetForeground(FHandle);
    } else {
        DoHide();
        FInput->CancelHint();
        FInput->SetCapture(nullptr);
        if (FHandle != 0)
            CurrentBackend().SetWindowVisible(FHandle, false);
    }
    UpdateOnScreen();
    if (Owner() == &Application())
        Application().UpdateVisible();
}

// The application's window owns the forms: minimized, it takes them off the screen with it.
void TForm::UpdateOnScreen()
{
    const bool onScreen = FVisible && !CurrentBackend().AppWindowIconic();
    if (onScreen == FOnScreen)
        return;
    FOnScreen = onScreen;
    if (!onScreen) {
        // A program that sits hidden in the tray all day keeps no pictures of a window
        // nobody sees.
        DropPictures();
        FImage.Release();
        FDirty = true;
    } else if (FDirty) {
        Repaint();
    }
    ScreenPresenceChanged();
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Close()
{
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (Application().MainForm() == this)
        Application().Terminate();
    else if (action == TCloseAction::caMinimize)
        Application().Minimize();
    else
        Hide();
}

void TForm::BringToFront()
{
    if (FVisible)
        CurrentBackend().SetForeground(Handle());
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (control != nullptr && (!ContainsControl(control) || !control->CanFocus()))
        return;
    SetFocusedControl(control);
}

void TForm::SelectFirst()
{
    if (TWinControl* first = FindNextControl(nullptr, true, true))
        SetFocusedControl(first);
}

void TForm::SetFocusedControl(TWinControl* control)
{
    if (FActiveControl == control)
        return;
    TWinControl* old = FActiveControl;
    FActiveControl = control;
    if (old != nullptr)
        old->DoExit();
    if (control != nullptr && FActiveControl == control)
        control->DoEnter();
    FocusChanged(FActiveControl);
}

void TForm::SetHoverControl(TControl* control) { FInput->SetHover(control); }

void TForm::ColorChanged()
{
    TWinControl::ColorChanged();
    Invalidate();
}

void TForm::TextChanged()
{
    if (FHandle != 0)
        CurrentBackend().SetWindowCaption(FHandle, Caption());
}

void TForm::ControlGone(TControl* control)
{
    if (FInput)
        FInput->ControlGone(control);
    for (const TControl* c = FActiveControl; c != nullptr; c = c->Parent())
        if (c == control) {
            FActiveControl = nullptr;
            break;
        }
}

// A form shows its icon only in its caption: forms are owned by the application window, which
// carries the taskbar button. A borderless form would hand the platform a picture that appears
// nowhere, at a round trip to the window system under Wine.
void TForm::UpdateIcon()
{
    if (FHandle != 0 && !FIcon.Empty() && FBorderStyle != TFormBorderStyle::bsNone)
        CurrentBackend().SetWindowIcon(FHandle, FIcon.Image(), FIcon.TransparentColor());
}

// A held form repaints as the hold ends: a paint asked of the platform meanwhile would only
// come back as a second one (a wake-up and trips to the wineserver under Wine).
void TForm::Invalidate()
{
    FDirty = true;
    if (FHandle != 0 && FVisible && !FHeld)
        CurrentBackend().InvalidateWindow(FHandle);
}

void TForm::Repaint()
{
    if (FHeld || !FOnScreen)
        FDirty = true;
    if (FHandle == 0 || !FOnScreen || FShowing || FHeld)
        return;
    PaintImage();
    CurrentBackend().Present(FHandle, FImage, FImage.BoundsRect());
    FDirty = false;
}

void TForm::RepaintControl(TControl* control)
{
    // A pending invalidation still repaints everything later; until then the rest of the
    // picture stays as last composed.
    if (FHeld || !FOnScreen)
        FDirty = true;
    if (FShowing || FHeld || !FOnScreen)
        return;
    TRect client = ClientRect();
    if (FImage.Empty() || FImage.Width() != client.Width() || FImage.Height() != client.Height()) {
        Repaint();
        return;
    }
    TRect area = FormPainter::PaintOver(*this, *control);
    if (!area.IsEmpty())
        CurrentBackend().Present(FHandle, FImage, area);
}

void TForm::HoldPaint(bool hold)
{
    if (hold == FHeld)
        return;
    FHeld = hold;
    if (!hold && FDirty)
        Repaint();
}

void TForm::PaintImage()
{
    TRect client = ClientRect();
    if (FImage.Width() != client.Width() || FImage.Height() != client.Height())
        FImage.SetSize(client.Width(), client.Height());
    TCanvas& canvas = Canvas();
    canvas.Brush = TBrush{FColor, TBrushStyle::bsSolid};
    canvas.FillRect(client);
    canvas.Font = Font();
    if (OnPaint)
        OnPaint(this);
    FormPainter::PaintChildren(*this);
}

void TForm::WndPaint()
{
    Application().Guard([this] {
        if (!FOnScreen)
            return;
        PaintImage();
        CurrentBackend().Present(FHandle, FImage, FImage.BoundsRect());
        FDirty = false;
    });
}

THitTest TForm::WndHitTest(TPoint screen)
{
    THitTest result = THitTest::Client;
    Application().Guard([&] {
        TControl* hit = ControlAtPos(ScreenToClient(screen));
        for (const TControl* c = hit; c != nullptr && c != this; c = c->Parent())
            if (c->FWindowed)
                return;
        HitTest(screen, result);
    });
    return result;
}

TCursor TForm::WndCursorAt(TPoint client)
{
    TCursor cursor = crDefault;
    Application().Guard([&] { cursor = FInput->CursorAt(client); });
    return cursor;
}

void TForm::WndMouseDown(TMouseButton button, TShiftState shift, TPoint client)
{
    Application().Guard([&] { FInput->MouseDown(button, shift, client); });
}

void TForm::WndMouseMove(TShiftState shift, TPoint client)
{
    Application().Guard([&] { FInput->MouseMove(shift, client); });
}

void TForm::WndMouseHover(TPoint client)
{
    Application().Guard([&] { FInput->Hover(client); });
}

void TForm::WndMouseUp(TMouseButton button, TShiftState shift, TPoint client)
{
    Application().Guard([&] { FInput->MouseUp(button, shift, client); });
}

void TForm::WndMouseLeave()
{
    Application().Guard([&] { FInput->MouseLeave(); });
}

void TForm::WndBodyDoubleClick(TPoint client)
{
    Application().Guard([&] { FInput->BodyDoubleClick(client); });
}

void TForm::WndKeyDown(TKey key, TShiftState shift)
{
    Application().Guard([&] { FInput->KeyDown(key, shift); });
}

void TForm::WndKeyUp(TKey key, TShiftState shift)
{
    Application().Guard([&] { FInput->KeyUp(key, shift); });
}

void TForm::WndChar(char key)
{
    Application().Guard([&] { FInput->Char(key); });
}

void TForm::WndHotkey(int id)
{
    Application().Guard([&] { HotkeyPressed(id); });
}

void TForm::WndMoved(TRect bounds)
{
    Application().Guard([&] {
        bool resized = bounds.Width() != FWidth || bounds.Height() != FHeight;
        bool moved = bounds.left != FLeft || bounds.top != FTop;
        FLeft = bounds.left;
        FTop = bounds.top;
        FWidth = bounds.Width();
        FHeight = bounds.Height();
        if (resized) {
            Resize();
            Invalidate();
        }
        if (moved)
            Moved();
    });
}

void TForm::WndCloseRequest()
{
    Application().Guard([&] { Close(); });
}

void TForm::WndActivate(bool active)
{
    Application().Guard([&] {
        FActive = active;
        if (active)
            Application().FormActivated(this);
        if (active && OnActivate)
            OnActivate(this);
        if (!active && OnDeactivate)
            OnDeactivate(this);
    });
}
