// Components with owners: an owner frees what it owns (last created first), tells its other
// components when one goes away, and carries the loading state during which property setters
// only store values and Loaded() runs once at the end.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/types.h"

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    // A component created by a loading owner starts out loading too.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::vector<TComponent*>& Components() const { return FComponents; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* FindComponent(const std::string& name) const;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name) { FName = name; }
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t tag) { FTag = tag; }

    TComponentState ComponentState() const { return FComponentState; }
    bool Loading() const { return (FComponentState & csLoading) != 0; }
    bool Designing() const { return (FComponentState & csDesigning) != 0; }
    bool Destroying() const { return (FComponentState & csDestroying) != 0; }
    // Sets the loading state on this component and everything it owns.
    void BeginLoading();
    // Clears the loading state and calls Loaded(): owned components first, in creation order.
    void EndLoading();

    // Asks `other` (of any owner) to tell this component through Notification when it is freed.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

    // Frees the owned components, last created first.
    void DestroyComponents();

protected:
    virtual void Loaded() { }
    // A component owned by the same owner, or one asked to notify, is being freed.
    virtual void Notification(TComponent* component, TOperation operation);
    // Marks the component as being freed; derived destructors call it before tearing down.
    void MarkDestroying() { FComponentState |= csDestroying; }
    // For a component that tears down what it owns and then lives on (the application).
    void ClearDestroying() { FComponentState &= ~csDestroying; }

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void EndLoadingTree();

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState = 0;
};
