#include "framework/core/Component.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

#include <algorithm>

namespace fw {

namespace {

bool IsIdentifier(std::string_view s) {
    if (s.empty()) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0)) return false;
    }
    return true;
}

using Links = std::vector<std::pair<Component*, int>>;

Links::iterator FindLink(Links& links, const Component* c) {
    return std::find_if(links.begin(), links.end(), [c](const auto& l) { return l.first == c; });
}

void EraseLink(Links& links, const Component* c) {
    auto it = FindLink(links, c);
    if (it != links.end()) links.erase(it);
}

} // namespace

const ClassInfo& Component::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Component>("TComponent", Persistent::StaticClass())
                                       .AddText("Name", &Component::Name, &Component::SetName)
                                       .AddInteger("Tag", &Component::Tag, &Component::SetTag)
                                       .Register();
    return info;
}

Component::Component(Component* owner) {
    if (owner != nullptr) owner->InsertComponent(this);
}

Component::~Component() {
    BeginDestroy();
    DestroyComponents();
    // Notices asked for after BeginDestroy, and links to the components this one watched.
    DropFreeNotices();
}

void Component::operator delete(Component* c, std::destroying_delete_t) {
    // The most derived object's address, for freeing once the destructors have run.
    void* memory = dynamic_cast<void*>(c);
    c->BeforeDestruction();
    c->~Component();
    ::operator delete(memory);
}

Component* Component::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw Exception(Format("List index out of bounds (%d)", index));
    return components_[static_cast<size_t>(index)];
}

int Component::ComponentIndex() const {
    if (owner_ == nullptr) return -1;
    const auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

Component* Component::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (Component* c : components_)
        if (GbkSameText(c->name_, name)) return c;
    return nullptr;
}

void Component::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsIdentifier(name))
        throw Exception(Format("\"%s\" is not a valid component name", name.c_str()));
    if (owner_ != nullptr) {
        Component* other = owner_->FindComponent(name);
        if (other != nullptr && other != this)
            throw Exception(Format("A component named %s already exists", name.c_str()));
    }
    name_ = name;
}

void Component::InsertComponent(Component* c) {
    if (c == nullptr || c->owner_ == this) return;
    for (const Component* o = this; o != nullptr; o = o->owner_)
        if (o == c) throw Exception("A component cannot own itself");
    if (FindComponent(c->name_) != nullptr)
        throw Exception(Format("A component named %s already exists", c->name_.c_str()));
    if (c->owner_ != nullptr) c->owner_->RemoveComponent(c);
    components_.push_back(c);
    c->owner_ = this;
    Notification(c, opInsert);
}

void Component::RemoveComponent(Component* c) {
    if (c == nullptr || c->owner_ != this) return;
    components_.erase(std::find(components_.begin(), components_.end(), c));
    c->owner_ = nullptr;
    Notification(c, opRemove);
}

void Component::DestroyComponents() {
    while (!components_.empty()) {
        Component* c = components_.back();
        c->BeginDestroy();  // takes c out of the list; the rest hear of it
        if (!components_.empty() && components_.back() == c) {
            // Its destruction had started before, and it was inserted here again since.
            components_.pop_back();
            c->owner_ = nullptr;
        }
        delete c;
    }
}

void Component::SetLoading(bool loading) {
    if (loading)
        state_ |= csLoading;
    else
        state_ &= ~static_cast<unsigned>(csLoading);
}

void Component::SetDestroyingFlag() {
    state_ |= csDestroying;
    for (Component* c : components_) c->SetDestroyingFlag();
}

void Component::BeginDestroy() {
    if (destroyStarted_) return;
    destroyStarted_ = true;
    SetDestroyingFlag();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
    DropFreeNotices();
}

void Component::DropFreeNotices() {
    while (!watchers_.empty()) {
        Component* w = watchers_.back().first;
        watchers_.pop_back();
        EraseLink(w->watching_, this);
        w->Notification(this, opRemove);
    }
    for (const auto& [target, count] : watching_) EraseLink(target->watchers_, this);
    watching_.clear();
}

void Component::FreeNotification(Component* c) {
    if (c == nullptr || c == this) return;
    // The owner tells its own components anyway.
    if (owner_ != nullptr && c->owner_ == owner_) return;
    if (auto it = FindLink(watching_, c); it != watching_.end()) {
        ++it->second;
        FindLink(c->watchers_, this)->second++;
        return;
    }
    watching_.emplace_back(c, 1);
    c->watchers_.emplace_back(this, 1);
}

void Component::RemoveFreeNotification(Component* c) {
    auto it = FindLink(watching_, c);
    if (it == watching_.end()) return;  // never asked for, or `c` is already gone
    auto back = FindLink(c->watchers_, this);
    if (--it->second > 0) {
        --back->second;
        return;
    }
    watching_.erase(it);
    c->watchers_.erase(back);
}

void Component::Loaded() { SetLoading(false); }

void Component::Notification(Component* c, Operation operation) {
    // A handler may destroy components: re-check the index at every step.
    for (size_t i = components_.size(); i-- > 0;)
        if (i < components_.size()) components_[i]->Notification(c, operation);
}

void Component::SetParentComponent(Component*) {}

} // namespace fw
