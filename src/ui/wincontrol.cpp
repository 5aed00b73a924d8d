// Windowed controls: children, tab order, focus and the notifications they pass down.
#include "ui/wincontrol.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/form_input.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { FWindowed = true; }

TWinControl::~TWinControl()
{
    MarkDestroying();
    // Free what this control owns while it is still whole, then the children owned
    // elsewhere: a child never outlives its parent.
    DestroyComponents();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        RemoveControl(child);
        delete child;
    }
    FWindowed = false;
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c != nullptr; c = c->FParent)
        if (c->FParent == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowWindowed, bool allowDisabled) const
{
    auto under = [&](const TControl* c, bool enabledOnly) {
        return c->FVisible && (c->FEnabled || !enabledOnly) && c->BoundsRect().Contains(p);
    };
    if (allowWindowed) {
        for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
            auto* w = dynamic_cast<TWinControl*>(*it);
            if (w == nullptr || !under(w, true))
                continue;
            TControl* inner = w->ControlAtPos({p.x - w->FLeft, p.y - w->FTop}, true, allowDisabled);
            return inner != nullptr ? inner : w;
        }
    }
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (dynamic_cast<TWinControl*>(*it) == nullptr && under(*it, !allowDisabled))
            return *it;
    return nullptr;
}

int TWinControl::TabOrder() const
{
    if (FParent == nullptr)
        return -1;
    const auto& list = FParent->FTabList;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (FParent == nullptr)
        return;
    auto& list = FParent->FTabList;
    list.erase(std::find(list.begin(), list.end(), this));
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::CanFocus() const
{
    TForm* form = ParentForm();
    if (form == nullptr)
        return false;
    for (const TControl* c = this; c != nullptr; c = c->FParent)
        if (!c->FVisible || !c->FEnabled)
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    TForm* form = ParentForm();
    return form != nullptr && form->ActiveControl() == this;
}

void TWinControl::SetFocus()
{
    TForm* form = ParentForm();
    if (form != nullptr && form != this && CanFocus())
        form->SetFocusedControl(this);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const
{
    std::vector<TWinControl*> out;
    for (TWinControl* c : FTabList) {
        out.push_back(c);
        auto inner = c->TabOrderList();
        out.insert(out.end(), inner.begin(), inner.end());
    }
    return out;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward,
                                          bool checkTabStop) const
{
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty())
        return nullptr;
    if (!goForward)
        std::reverse(list.begin(), list.end());
    auto start = std::find(list.begin(), list.end(), current);
    std::size_t first =
        start == list.end() ? 0 : static_cast<std::size_t>(start - list.begin()) + 1;
    for (std::size_t i = 0; i < list.size(); ++i) {
        TWinControl* c = list[(first + i) % list.size()];
        if (c != current && c->CanFocus() && (!checkTabStop || c->FTabStop))
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop))
        next->SetFocus();
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::KeyDown(TKey& key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::KeyUp(TKey& key, TShiftState shift)
{
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

bool TWinControl::DialogChar(char key)
{
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        if (c->FVisible && c->FEnabled && c->DialogChar(key))
            return true;
    return false;
}

bool TWinControl::DialogKey(TKey key, TShiftState shift)
{
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        if (c->FVisible && c->FEnabled && c->DialogKey(key, shift))
            return true;
    return false;
}

void TWinControl::FocusChanged(TWinControl* focused)
{
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        c->FocusChanged(focused);
}

void TWinControl::VisibleChanged()
{
    TForm* form = ParentForm();
    if (!FVisible && form != nullptr && form != this && ContainsOrIs(form->ActiveControl()))
        form->SetFocusedControl(nullptr);
    TControl::VisibleChanged();
}

void TWinControl::EnabledChanged()
{
    TForm* form = ParentForm();
    if (!FEnabled && form != nullptr && form != this && ContainsOrIs(form->ActiveControl()))
        form->SetFocusedControl(nullptr);
    TControl::EnabledChanged();
}

void TWinControl::ColorChanged()
{
    TControl::ColorChanged();
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        c->ParentColorChanged();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        c->ParentFontChanged();
}

void TWinControl::ShowHintChanged()
{
    std::vector<TControl*> children = FControls;
    for (TControl* c : children)
        c->ParentShowHintChanged();
}

bool TWinControl::ContainsOrIs(const TControl* control) const
{
    return control != nullptr && (control == this || ContainsControl(control));
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control))
        FTabList.push_back(w);
}

void TWinControl::RemoveControl(TControl* control)
{
    if (TForm* form = ParentForm())
        form->ControlGone(control);
    Invalidate();
    FControls.erase(std::find(FControls.begin(), FControls.end(), control));
    auto tab = std::find(FTabList.begin(), FTabList.end(), control);
    if (tab != FTabList.end())
        FTabList.erase(tab);
    control->FParent = nullptr;
}

void TWinControl::DropPictures()
{
    for (TControl* control : FControls)
        control->DropPictures();
}
