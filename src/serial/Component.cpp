#include "serial/Component.h"

#include <algorithm>

namespace zephra::serial {

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
    if (owner_ != nullptr) {
        owner_->owned_.push_back(this);
    }
}

TComponent::~TComponent() {
    // Each owned component removes itself from owned_ while it is destroyed.
    while (!owned_.empty()) {
        delete owned_.back();
    }
    if (owner_ != nullptr) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TComponent::SetDesigning(bool Value) {
    if (Value) {
        state_.Include(TComponentStateFlag::csDesigning);
    } else {
        state_.Exclude(TComponentStateFlag::csDesigning);
    }
}

void TComponent::BeginLoading() {
    state_.Include(TComponentStateFlag::csLoading);
}

void TComponent::Loaded() {
    state_.Exclude(TComponentStateFlag::csLoading);
}

} // namespace zephra::serial
