// The setters' house rule, written once: compare with the stored value and return when
// unchanged; then store, and let the owner repaint and notify.
#pragma once

#include <utility>

// Stores `value` in `field` and runs `changed` (the owner's repaint, then its notice) only
// when it differs from the stored value.
template <class T, class Changed> void ChangeProperty(T& field, T value, Changed&& changed)
{
    if (field == value)
        return;
    field = std::move(value);
    changed();
}
