#pragma once
// A non-owning reference from one component (the holder) to another (a file theme, a popup
// menu, an image list). Setting it asks for a free notice; the holder's Notification calls
// Removed() so the reference is cleared when the target goes away:
//
//   void Notification(Component* c, Operation op) override {
//       Control::Notification(c, op);
//       if (op == opRemove && fileTheme_.Removed(c)) SetUIStyle(DeepBlue);
//   }

#include "framework/core/Component.h"

namespace fw {

template <class T>
class ComponentRef {
public:
    explicit ComponentRef(Component& holder) : holder_(holder) {}
    ~ComponentRef() { Set(nullptr); }
    ComponentRef(const ComponentRef&) = delete;
    ComponentRef& operator=(const ComponentRef&) = delete;

    T* Get() const { return target_; }
    T* operator->() const { return target_; }
    explicit operator bool() const { return target_ != nullptr; }

    void Set(T* target) {
        if (target == target_) return;
        if (target_) holder_.RemoveFreeNotification(target_);
        target_ = target;
        if (target_) holder_.FreeNotification(target_);
    }

    // True (and the reference cleared) when `removed` is the target.
    bool Removed(const Component* removed) {
        if (removed == nullptr || static_cast<const Component*>(target_) != removed) return false;
        holder_.RemoveFreeNotification(target_);
        target_ = nullptr;
        return true;
    }

private:
    Component& holder_;
    T* target_ = nullptr;
};

} // namespace fw
