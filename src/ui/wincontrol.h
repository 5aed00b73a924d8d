// Windowed controls: focusable containers managed inside their form (only forms are platform
// windows). They hold child controls, take the keyboard focus in tab order, receive the keys
// the form routes to the focused control, and paint above their windowless siblings.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/control.h"

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Children in creation (insertion) order.
    const std::vector<TControl*>& Controls() const { return FControls; }
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // True for any descendant, however deep.
    bool ContainsControl(const TControl* control) const;
    bool ContainsOrIs(const TControl* control) const;
    // The deepest visible control under `p` (this control's client coordinates): windowed
    // children first, later ones above earlier ones; nullptr when none. Disabled windowed
    // controls never count (the platform passes their input to the parent); disabled
    // windowless ones only with allowDisabled.
    TControl* ControlAtPos(TPoint p, bool allowWindowed = true, bool allowDisabled = false) const;
    void DropPictures() override;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // Visible, enabled, every parent too, on a form.
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windowed descendants in tab order (depth first).
    std::vector<TWinControl*> TabOrderList() const;
    // The next focusable control after `current` in tab order, wrapping; nullptr when none.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    // Focus arrived / left; the bases fire OnEnter / OnExit.
    virtual void DoEnter();
    virtual void DoExit();
    // The bases fire OnKeyDown / OnKeyPress / OnKeyUp.
    virtual void KeyDown(TKey& key, TShiftState shift);
    virtual void KeyPress(char& key);
    virtual void KeyUp(TKey& key, TShiftState shift);
    // True to receive `key` (Tab, Enter, Escape, an arrow) as a plain key instead of a dialog key.
    virtual bool WantsKey(TKey /*key*/, TShiftState /*shift*/) const { return false; }

    // Offer to the children in order; the first that takes it ends the search.
    bool DialogChar(char key) override;
    bool DialogKey(TKey key, TShiftState shift) override;
    void FocusChanged(TWinControl* focused) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    // Children first, then this control's font, so that a child sizing itself to its text
    // does so at its scaled place.
    void ChangeScale(int m, int d) override;
    void ShowHintChanged() override;

private:
    friend class TControl;
    friend class TForm;
    friend class FormInput;

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
};

// A windowed control that paints itself on its Canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) { }
};
