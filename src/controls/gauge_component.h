// The version text every component of the gauge family publishes, and the family's
// non-visual component base that carries it.
#pragma once

#include <string>

#include "ui/component.h"

// The version text every component of the family publishes.
inline const std::string GaugeVersion = "1.3";

// Non-visual component of the family.
class TGaugeComponent : public TComponent {
public:
    explicit TGaugeComponent(TComponent* owner) : TComponent(owner) { }
    const std::string& Version() const { return GaugeVersion; }
};
