// The click rule's three steps.
#include "controls/click_rule.h"

bool TClickRule::Released(const TTrayClick& click, bool worthWaiting)
{
    if (!FPressed)
        return false;
    FPressed = false;
    if (!worthWaiting)
        return false;
    FClick = click;
    if (FWaiting)
        return false;
    FWaiting = true;
    return true;
}

bool TClickRule::DoubleClicked()
{
    if (!FWaiting)
        return false;
    FWaiting = false;
    return true;
}

std::optional<TTrayClick> TClickRule::WaitOver()
{
    if (!FWaiting)
        return std::nullopt;
    FWaiting = false;
    return FClick;
}
