// The change notification that ties a control's sub-objects (bevel, palette, bitmap list) to
// the control that owns them.
#pragma once

#include <utility>

#include "ui/property_change.h"
#include "ui/component.h"
#include "ui/types.h"

// A sub-object of a control (bevel, palette, bitmap list) that tells its owner about every
// effective change; grouped changes inside BeginUpdate/EndUpdate tell it once.
class TGaugePersistent : public TObject {
public:
    void BeginUpdate() { ++FUpdateCount; }
    // The outermost call notifies, even when nothing changed; extra calls never go below 0.
    void EndUpdate();

    // The owning control's handler, assigned right after it creates the object.
    TNotifyEvent OnChange;

protected:
    void NotifyChange();
    // The setters' rule for a sub-object: a changed value is stored and the owner told.
    template <class T> void Change(T& field, T value)
    {
        ChangeProperty(field, std::move(value), [this] { NotifyChange(); });
    }

private:
    int FUpdateCount = 0;
};
