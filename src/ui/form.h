// Top-level windows. A form owns one platform window and manages everything inside it:
// it composes its children into one bitmap (colour, windowless children in creation order,
// then windowed children) and presents it in one copy; it routes the mouse (capture,
// enter/leave, clicks) and the keyboard (key preview, the focused control, dialog keys and
// accelerators); it answers hit tests through the HitTest hook.
#pragma once

#include <cstdint>
#include <memory>

#include "gfx/bitmap.h"
#include "ui/backend.h"
#include "ui/icon.h"
#include "ui/wincontrol.h"

class FormInput;

class TForm : public TWinControl, private IWindowHandler {
public:
    // A form is loading from construction until AfterConstruction (CreateForm calls it).
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Ends loading, scales the design for the screen, then fires OnCreate.
    virtual void AfterConstruction();

    // The screen scale the form is laid out for, in dots per inch (96 = 100 %).
    int PixelsPerInch() const { return FPixelsPerInch; }
    // A length of the design (96-dpi pixels) at the form's scale, for controls and places
    // made after the form was built.
    int Scaled(int designPixels) const;
    // Lays the form and everything on it out again for another scale.
    void ScaleTo(int dpi);

    // The platform window, created on first use; 0 only when the backend refuses.
    WindowId Handle();
    bool HandleAllocated() const { return FHandle != 0; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons icons) { FBorderIcons = icons; }
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    std::uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(std::uint8_t value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TIcon& Icon() { return FIcon; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    // Bounds are the outer edges on the screen; the client area excludes the frame (none for
    // TFormBorderStyle::bsNone).
    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;

    void SetVisible(bool visible) override;
    // On the screen: visible, and not hidden with the application's minimized window.
    bool OnScreen() const { return FOnScreen; }
    // Asks OnCloseQuery and OnClose; TCloseAction::caHide hides, and closing the main form ends the
    // application.
    void Close();
    void BringToFront();
    bool Active() const { return FActive; }

    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Focuses the first control in tab order.
    void SelectFirst();
    // Tells every control the focus may have changed (e.g. default-button state moved).
    void NotifyFocusChanged() { FocusChanged(FActiveControl); }
    // Moves the pointer-inside mark to `control` (nullptr: none) with the leave and enter
    // notifications, for a control that re-checks the pointer on its own.
    void SetHoverControl(TControl* control);

    void Invalidate() override;
    void Repaint() override;
    // The last composed picture (client size).
    const TBitmap& Image() const { return FImage; }
    // Composes into Image(); Repaint also presents it.
    void PaintImage();
    // While held, repaints wait: a change made of many steps reaches the screen once, when the
    // hold ends (with a repaint, if any was asked meanwhile).
    void HoldPaint(bool hold);

    // The platform's notices to the application, which passes them to its main form.
    // The session is about to end: true lets it.
    virtual bool SessionEnding() { return true; }
    // The session ends now: keep what must survive before returning.
    virtual void SessionEnded() { }
    // The monitors changed.
    virtual void DisplaysChanged() { }
    // A work area changed (a taskbar moved, or settled after a change of the monitors).
    virtual void WorkAreaChanged() { }
    // The volumes of drive `letters` ("E", "FG") arrived or went away.
    virtual void DrivesChanged(bool /*arrival*/, const std::string& /*letters*/) { }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // `result` arrives as THitTest::Client (the toolkit's answer where no windowed child is under
    // `screen`); an override may change it, e.g. to THitTest::Caption to drag the window by its
    // body.
    virtual void HitTest(TPoint /*screen*/, THitTest& /*result*/) { }
    // A system-wide hotkey registered for this form's Handle() was pressed.
    virtual void HotkeyPressed(int /*id*/) { }
    // The user or the platform moved the window (a drag by its body, say).
    virtual void Moved() { }
    virtual void DoCreate();
    // After a change of scale (the form moved to a monitor of another scale): whatever the
    // form placed at run time from its design is placed again.
    virtual void DpiChanged() { }
    void ScaleBounds(int m, int d) override;
    virtual void DoShow();
    virtual void DoHide();
    // The form came onto the screen or left it: it was shown or hidden, or the application was
    // minimized or restored with it.
    virtual void ScreenPresenceChanged() { }
    virtual void DoClose(TCloseAction& action);
    virtual bool CloseQuery();
    void ColorChanged() override;
    void TextChanged() override;

private:
    friend class TApplication;
    friend class TControl;
    friend class TWinControl;
    friend class FormInput;

    void WndPaint() override;
    THitTest WndHitTest(TPoint screen) override;
    TCursor WndCursorAt(TPoint client) override;
    void WndMouseDown(TMouseButton button, TShiftState shift, TPoint client) override;
    void WndMouseMove(TShiftState shift, TPoint client) override;
    void WndMouseHover(TPoint client) override;
    void WndMouseUp(TMouseButton button, TShiftState shift, TPoint client) override;
    void WndMouseLeave() override;
    void WndBodyDoubleClick(TPoint client) override;
    void WndKeyDown(TKey key, TShiftState shift) override;
    void WndKeyUp(TKey key, TShiftState shift) override;
    void WndChar(char key) override;
    void WndHotkey(int id) override;
    void WndMoved(TRect bounds) override;
    void WndCloseRequest() override;
    void WndActivate(bool active) override;
    void WndDpiChanged(int dpi, TRect suggested) override;

    TWindowParams Params() const;
    TRect Margins() const;
    void SetFocusedControl(TWinControl* control);
    // Repaints one opaque control and whatever lies above it, presenting only its rectangle.
    void RepaintControl(TControl* control);
    // A control is being freed or removed: drop every reference to it.
    void ControlGone(TControl* control);
    void UpdateIcon();
    void UpdateOnScreen();

    WindowId FHandle = 0;
    int FPixelsPerInch = 96;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    bool FAlphaBlend = false;
    std::uint8_t FAlphaBlendValue = 255;
    bool FKeyPreview = false;
    TIcon FIcon;
    int FModalResult = 0;
    bool FActive = false;
    bool FOnScreen = false;
    // Set while SetVisible runs the show handlers: it paints and presents once itself after
    // them, so their repaints would only present to a window not yet shown.
    bool FShowing = false;
    bool FHeld = false;
    bool FDirty = false;
    TWinControl* FActiveControl = nullptr;
    TBitmap FImage;
    std::unique_ptr<FormInput> FInput;
};
