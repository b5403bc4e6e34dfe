#pragma once

#include "serial/EnumSet.h"

#include <string>
#include <vector>

namespace zephra::serial {

/// States of a component: being read from a stored description, or edited in a designer.
enum class TComponentStateFlag { csLoading, csDesigning };
using TComponentState = EnumSet<TComponentStateFlag>;

/// Base of the serial component: an owner that destroys what it owns, a name,
/// and the loading and design states.
///
/// A component created with an owner is destroyed (with delete) by that owner
/// unless it was destroyed before, so it must be created with new. Not
/// copyable. Use from one thread.
class TComponent {
public:
    explicit TComponent(TComponent* AOwner);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& Value) { name_ = Value; }

    TComponentState ComponentState() const { return state_; }

    /// Puts the component into or out of design state; in design state no device is touched.
    void SetDesigning(bool Value);

    /// Marks the start of reading the component's stored description. `Loaded` ends it.
    void BeginLoading();

    /// Runs after the stored description has been read; ends the loading state.
    /// Descendants call the inherited step first.
    virtual void Loaded();

    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    TComponent* Components(int Index) const { return owned_.at(static_cast<std::size_t>(Index)); }

private:
    TComponent* owner_;
    std::string name_;
    TComponentState state_;
    std::vector<TComponent*> owned_;
};

} // namespace zephra::serial
