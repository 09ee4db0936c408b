// Component base: ownership and its notifications.
#include "toolkit/core/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    DestroyComponents();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        delete last;  // its destructor removes it from this list
    }
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    if (IsLoading()) component->BeginLoading();
    NotifyInsertion(component);
}

void TComponent::NotifyInsertion(TComponent* component) {
    for (TComponent* other : std::vector<TComponent*>(components_))
        if (other != component) other->NotifyTree(component, TOperation::opInsert);
    Notification(component, TOperation::opInsert);
}

void TComponent::AnnounceInsertion() {
    if (owner_ != nullptr) owner_->NotifyInsertion(this);
}

void TComponent::NotifyTree(TComponent* component, TOperation operation) {
    Notification(component, operation);
    for (TComponent* c : std::vector<TComponent*>(components_)) c->NotifyTree(component, operation);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
    for (TComponent* other : std::vector<TComponent*>(components_))
        other->NotifyTree(component, TOperation::opRemove);
}

void TComponent::BeginLoading() {
    state_ |= csLoading;
    for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
    for (TComponent* c : std::vector<TComponent*>(components_)) c->EndLoading();
    state_ &= ~static_cast<unsigned>(csLoading);
    Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}
