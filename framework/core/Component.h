#pragma once
// The component: an object with an owner, a name and published properties. An owner destroys
// what it owns, last created first; it clears the slot before deleting, and every remaining
// component of the owner (and the owner itself) hears Notification(c, opRemove), so
// references to the dying component are cleared. References across owners use free notices.

#include "framework/core/Persistent.h"

#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

enum class Operation { Insert, Remove };
constexpr Operation opInsert = Operation::Insert;
constexpr Operation opRemove = Operation::Remove;

enum ComponentState : unsigned {
    csLoading = 1u << 0,     // properties are being read from a designed window
    csDestroying = 1u << 1,  // the component (or its owner) is being destroyed
};

class Component : public Persistent {
public:
    // Inserts the new component into `owner`'s list (owner may be null).
    explicit Component(Component* owner);
    ~Component() override;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    Component* Owner() const { return owner_; }

    const std::string& Name() const { return name_; }
    // A valid identifier or empty; a name another component of the same owner has (ignoring
    // letter case) raises fw::Exception.
    void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Owned components in creation order.
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    Component* Components(int index) const;
    // Position in the owner's list, -1 without owner.
    int ComponentIndex() const;
    // Owned component by name, ignoring letter case; nullptr if none.
    Component* FindComponent(std::string_view name) const;

    // Moves `c` into this component's list (out of its previous owner's).
    void InsertComponent(Component* c);
    // Takes `c` out of the list without destroying it; everything owned hears opRemove.
    void RemoveComponent(Component* c);
    // Destroys every owned component, last created first. Destructors of derived classes that
    // need their owned components gone before their own members call it first.
    void DestroyComponents();

    unsigned State() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    void SetLoading(bool loading);

    // Starts the destruction: marks this and everything it owns as destroying, leaves the owner
    // (whose components hear opRemove) and tells every component that asked for a free notice.
    // The destructor runs it if nobody did; a derived destructor may run it first.
    void BeginDestroy();

    // Deleting a component runs in two phases: BeforeDestruction while the object is still whole
    // (whether its owner, a parent or any other `delete` destroys it), then the destructors.
    // Overrides of BeforeDestruction may therefore use every member of the most derived class.
    static void operator delete(Component* c, std::destroying_delete_t);

    // Asks to hear Notification(c, opRemove) when `c` is destroyed although `c` has another
    // owner (components of the same owner hear it anyway). Calls pair up with
    // RemoveFreeNotification: the notice stays until as many removals as requests.
    void FreeNotification(Component* c);
    void RemoveFreeNotification(Component* c);

    // After a designed window was read: properties and references are set, the loading flag is
    // already cleared. Overrides call the base.
    virtual void Loaded();
    // opInsert when a component joins this one's owned list, opRemove when one leaves or is
    // destroyed (also for free notices). The base passes the notice to every owned component;
    // overrides call it. It must not throw.
    virtual void Notification(Component* c, Operation operation);
    // The description reader calls this with the enclosing object before reading the
    // component's properties; controls take it as their parent. The base does nothing.
    virtual void SetParentComponent(Component* parent);

protected:
    // The first phase of `delete`. A component that is not made with new (one on the stack)
    // skips it, so destructors still clean up what an override would. Overrides that start the
    // destruction early call BeginDestroy themselves; they call the base last and must not throw.
    virtual void BeforeDestruction() {}

private:
    void SetDestroyingFlag();
    void DropFreeNotices();

    Component* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    unsigned state_ = 0;
    bool destroyStarted_ = false;
    std::vector<Component*> components_;
    // Components this one watches, and those watching it, each with its request count.
    std::vector<std::pair<Component*, int>> watching_;
    std::vector<std::pair<Component*, int>> watchers_;
};

} // namespace fw
