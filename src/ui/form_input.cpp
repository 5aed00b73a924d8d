// Mouse, keyboard and hint routing inside one form.
#include "ui/form_input.h"

#include <cctype>
#include <cstdlib>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/hint_text.h"
#include "ui/scaling.h"

namespace {

bool IsInside(const TControl* inner, const TControl* outer)
{
    for (const TControl* c = inner; c != nullptr; c = c->Parent())
        if (c == outer)
            return true;
    return false;
}

bool IsDialogKey(TKey key)
{
    switch (key) {
    case TKey::Tab:
    case TKey::Return:
    case TKey::Escape:
    case TKey::Left:
    case TKey::Right:
    case TKey::Up:
    case TKey::Down:
        return true;
    default:
        return false;
    }
}

}  // namespace

FormInput::~FormInput() { CancelHint(); }

TControl* FormInput::Hit(TPoint client, bool forHover) const
{
    TControl* hit = FForm.ControlAtPos(client, true, forHover);
    return hit != nullptr ? hit : &FForm;
}

TPoint FormInput::Local(const TControl* control, TPoint client) const
{
    TPoint offset = control->FormOffset();
    return {client.x - offset.x, client.y - offset.y};
}

void FormInput::MouseDown(TMouseButton button, TShiftState shift, TPoint client)
{
    CancelHint();
    TControl* target = FCapture != nullptr ? FCapture : Hit(client);
    TPoint local = Local(target, client);
    shift |= ButtonBit(button);
    bool isDouble = false;
    if (button == TMouseButton::mbLeft) {
        Backend& backend = CurrentBackend();
        std::uint32_t now = backend.TickCount();
        isDouble = target == FLastClick && (target->ControlStyle() & csDoubleClicks) != 0 &&
                   now - FLastClickTime <= backend.DoubleClickTime() &&
                   std::abs(client.x - FLastClickPos.x) <= 2 &&
                   std::abs(client.y - FLastClickPos.y) <= 2;
        FLastClick = isDouble ? nullptr : target;
        FLastClickTime = now;
        FLastClickPos = client;
        FClicked = !isDouble && (target->ControlStyle() & csClickEvents) != 0 ? target : nullptr;
    }
    if ((target->ControlStyle() & csCaptureMouse) != 0)
        SetCapture(target);
    if (isDouble) {
        shift |= ssDouble;
        target->DblClick();
        if (target != &FForm && !FForm.ContainsControl(target))
            return;
    }
    target->MouseDown(button, shift, local.x, local.y);
}

void FormInput::Hover(TPoint client)
{
    SetHover(FForm.ClientRect().Contains(client) ? Hit(client, true) : nullptr);
}

void FormInput::MouseMove(TShiftState shift, TPoint client)
{
    Hover(client);
    TControl* target = FCapture != nullptr ? FCapture : Hit(client);
    TPoint local = Local(target, client);
    target->MouseMove(shift, local.x, local.y);
}

void FormInput::MouseUp(TMouseButton button, TShiftState shift, TPoint client)
{
    TControl* target = FCapture != nullptr ? FCapture : Hit(client);
    TPoint local = Local(target, client);
    if ((shift & (ssLeft | ssRight | ssMiddle) & ~ButtonBit(button)) == 0)
        SetCapture(nullptr);
    if (button == TMouseButton::mbLeft && FClicked == target) {
        FClicked = nullptr;
        if (target->ClientRect().Contains(local)) {
            target->Click();
            // The click may have freed the control.
            if (target != &FForm && !FForm.ContainsControl(target))
                return;
        }
    }
    target->MouseUp(button, shift & ~ButtonBit(button), local.x, local.y);
}

void FormInput::MouseLeave()
{
    SetHover(nullptr);
    CancelHint();
}

void FormInput::BodyDoubleClick(TPoint client)
{
    CancelHint();
    TControl* target = Hit(client);
    if ((target->ControlStyle() & csDoubleClicks) != 0)
        target->DblClick();
}

TCursor FormInput::CursorAt(TPoint client)
{
    TCursor id = Screen().Cursor();
    for (const TControl* c = FCapture != nullptr ? FCapture : Hit(client);
         c != nullptr && id == crDefault; c = c->Parent())
        id = c->CursorAt(Local(c, client));
    if (id == crDefault)
        id = crArrow;
    // An id nobody registered shows the arrow rather than no cursor at all.
    std::uintptr_t handle = Screen().Cursors(id);
    if (handle == 0 && id != crNone)
        handle = Screen().Cursors(crArrow);
    CurrentBackend().SetCursorShape(handle);
    return id;
}

void FormInput::SetCapture(TControl* control)
{
    if (FCapture == control)
        return;
    FCapture = control;
    Backend& backend = CurrentBackend();
    if (control != nullptr)
        backend.SetCapture(FForm.Handle());
    else
        backend.ReleaseCapture();
}

void FormInput::SetHover(TControl* control)
{
    if (FHover == control)
        return;
    CancelHint();
    TControl* old = FHover;
    FHover = control;
    if (old != nullptr)
        old->MouseLeave();
    if (FHover != control)
        return;
    if (control != nullptr) {
        control->MouseEnter();
        if (FHover == control && control->ShowHint() && Application().ShowHint() &&
            !control->Hint().empty())
            FHintTimer = CurrentBackend().StartTimer(Application().HintPause(), [this] {
                Application().Guard([this] { ShowHintNow(); });
            });
    }
}

void FormInput::ShowHintNow()
{
    CurrentBackend().StopTimer(FHintTimer);
    FHintTimer = 0;
    if (FHover == nullptr)
        return;
    THintInfo info;
    info.HintControl = FHover;
    info.HintStr = ShortHint(FHover->Hint());
    info.HintColor = Application().HintColor();
    info.CursorPos = CurrentBackend().CursorPos();
    FHover->HintShow(info);
    if (info.Cancel || info.HintStr.empty())
        return;
    TFontSpec plain;
    plain.color = clInfoText;
    // At the form's scale, below the pointer, as the platform places tooltips.
    const TFontSpec font = TControl::ScaledFont(plain, FForm.PixelsPerInch(), kDesignDpi);
    CurrentBackend().ShowHintWindow(info.HintStr,
                                    {info.CursorPos.x, info.CursorPos.y + FForm.Scaled(20)},
                                    info.HintColor, font);
}

void FormInput::CancelHint()
{
    Backend& backend = CurrentBackend();
    if (FHintTimer != 0) {
        backend.StopTimer(FHintTimer);
        FHintTimer = 0;
    }
    backend.HideHintWindow();
}

void FormInput::ControlGone(TControl* control)
{
    if (IsInside(FHover, control)) {
        FHover = nullptr;
        CancelHint();
    }
    if (IsInside(FCapture, control))
        SetCapture(nullptr);
    if (IsInside(FClicked, control))
        FClicked = nullptr;
    if (IsInside(FLastClick, control))
        FLastClick = nullptr;
}

TWinControl* FormInput::KeyTarget() const
{
    TWinControl* focused = FForm.ActiveControl();
    return focused != nullptr && focused->CanFocus() ? focused : &FForm;
}

void FormInput::KeyDown(TKey key, TShiftState shift)
{
    CancelHint();
    TWinControl* target = KeyTarget();
    if (FForm.KeyPreview() && target != &FForm) {
        FForm.KeyDown(key, shift);
        if (key == TKey::None)
            return;
    }
    target = KeyTarget();
    target->KeyDown(key, shift);
    if (key == TKey::None)
        return;
    if (IsDialogKey(key) && !KeyTarget()->WantsKey(key, shift)) {
        if (key == TKey::Tab && (shift & (ssCtrl | ssAlt)) == 0) {
            TWinControl* focused = KeyTarget();
            FForm.SelectNext(focused == &FForm ? nullptr : focused, (shift & ssShift) == 0, true);
            return;
        }
        FForm.DialogKey(key, shift);
        return;
    }
    const auto code = static_cast<unsigned>(key);
    if ((shift & ssAlt) != 0 && code < 0x80 && std::isalnum(static_cast<int>(code)) != 0)
        FForm.DialogChar(static_cast<char>(code));
}

void FormInput::KeyUp(TKey key, TShiftState shift)
{
    TWinControl* target = KeyTarget();
    if (FForm.KeyPreview() && target != &FForm) {
        FForm.KeyUp(key, shift);
        if (key == TKey::None)
            return;
    }
    KeyTarget()->KeyUp(key, shift);
}

void FormInput::Char(char key)
{
    TWinControl* target = KeyTarget();
    if (FForm.KeyPreview() && target != &FForm) {
        FForm.KeyPress(key);
        if (key == 0)
            return;
    }
    KeyTarget()->KeyPress(key);
    // As in a dialog, a character the focused control leaves alone may be another's accelerator.
    if (key != 0)
        FForm.DialogChar(key);
}
