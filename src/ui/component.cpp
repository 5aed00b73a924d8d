// Ownership, free notifications and the loading state of components.
#include "ui/component.h"

#include <algorithm>

namespace {

void EraseOne(std::vector<TComponent*>& list, TComponent* item)
{
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end())
        list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner)
{
    if (owner == nullptr)
        return;
    owner->InsertComponent(this);
    if (owner->Loading())
        FComponentState |= csLoading;
}

TComponent::~TComponent()
{
    MarkDestroying();
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        EraseOne(other->FFreeNotifies, this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner != nullptr)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (TComponent* c : FComponents)
        if (!name.empty() && c->FName == name)
            return c;
    return nullptr;
}

void TComponent::BeginLoading()
{
    FComponentState |= csLoading;
    for (TComponent* c : FComponents)
        c->BeginLoading();
}

void TComponent::EndLoading() { EndLoadingTree(); }

void TComponent::EndLoadingTree()
{
    // Copy: a Loaded() may create components.
    std::vector<TComponent*> owned = FComponents;
    for (TComponent* c : owned)
        c->EndLoadingTree();
    if (!Loading())
        return;
    FComponentState &= ~csLoading;
    Loaded();
}

void TComponent::FreeNotification(TComponent* other)
{
    if (other == nullptr || other == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), other) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(other);
        other->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    if (other == nullptr)
        return;
    EraseOne(FFreeNotifies, other);
    EraseOne(other->FFreeNotifies, this);
}

void TComponent::DestroyComponents()
{
    // Last created first; siblings are not notified, they go too.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        FComponents.pop_back();
        c->FOwner = nullptr;
        delete c;
    }
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        RemoveFreeNotification(component);
    std::vector<TComponent*> owned = FComponents;
    for (TComponent* c : owned)
        if (c != component)
            c->Notification(component, operation);
}

void TComponent::InsertComponent(TComponent* component)
{
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    EraseOne(FComponents, component);
    component->FOwner = nullptr;
    if (!Destroying())
        Notification(component, TOperation::opRemove);
}
