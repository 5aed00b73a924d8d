// A component several controls share, and the links through which it tells them of its
// changes.
#pragma once

#include <functional>
#include <vector>

#include "controls/gauge_component.h"

class TSharedComponent;

// A client's subscription to a shared component's changes.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    // The shared component this link is registered with, or nullptr.
    TSharedComponent* Sender() const { return FSender; }
    std::function<void(TSharedComponent* sender)> OnChange;

private:
    friend class TSharedComponent;
    TSharedComponent* FSender = nullptr;
};

// A component several controls share; it tells every registered link about its changes.
class TSharedComponent : public TGaugeComponent {
public:
    explicit TSharedComponent(TComponent* owner) : TGaugeComponent(owner) { }
    // Unregisters all links, last first.
    ~TSharedComponent() override;

    void InsertLink(TChangeLink& link);
    void RemoveLink(TChangeLink& link);

protected:
    // Calls each link's OnChange in registration order.
    void NotifyLinks();

private:
    std::vector<TChangeLink*> FLinks;
};
