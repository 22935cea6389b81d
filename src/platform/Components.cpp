#include "platform/Components.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : components_)
        if (c->Name.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this)
        return;
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
    for (TComponent* c : components_)
        if (c != component)
            c->Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end())
        return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
    for (TComponent* c : components_)
        c->Notification(component, opRemove);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from the list
    }
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    (void)component;
    (void)operation;
}

void TComponent::EndLoading()
{
    if (!(state_ & csLoading))
        return;
    state_ &= static_cast<TComponentState>(~csLoading);
    Loaded();
}
