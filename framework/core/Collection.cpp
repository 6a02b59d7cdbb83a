#include "framework/core/Collection.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/UpdateScope.h"

#include <algorithm>

namespace fw {

const ClassInfo& CollectionItem::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<CollectionItem>("TCollectionItem", Persistent::StaticClass()).Register();
    return info;
}

int CollectionItem::Index() const { return collection_->IndexOf(this); }

void CollectionItem::Assign(const CollectionItem& source) {
    if (&source == this) return;
    const ClassInfo& from = source.ClassType();
    for (const PropertyInfo* p : ClassType().Properties()) {
        const PropertyInfo* q = from.FindProperty(p->name);
        if (q == nullptr || !p->set) continue;
        p->set(*this, q->get(source));
    }
}

void CollectionItem::Changed() { collection_->Changed(this); }

Collection::Collection(ItemFactory factory, Persistent* owner) : factory_(std::move(factory)), owner_(owner) {}

// Items go before the rest of the collection, last first.
Collection::~Collection() {
    while (!items_.empty()) items_.pop_back();
}

const ClassInfo& Collection::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Collection>("TCollection", Persistent::StaticClass()).Register();
    return info;
}

CollectionItem& Collection::Item(int index) const {
    if (index < 0 || index >= Count()) throw Exception(Format("List index out of bounds (%d)", index));
    return *items_[static_cast<size_t>(index)];
}

CollectionItem& Collection::Add() { return Insert(Count()); }

CollectionItem& Collection::Insert(int index) {
    if (index < 0 || index > Count()) throw Exception(Format("List index out of bounds (%d)", index));
    std::unique_ptr<CollectionItem> item = factory_(*this);
    if (item == nullptr || &item->OwnerCollection() != this)
        throw Exception("Collection item belongs to another collection");
    CollectionItem& ref = *item;
    items_.insert(items_.begin() + index, std::move(item));
    Changed(nullptr);
    return ref;
}

void Collection::Delete(int index) {
    Item(index);
    std::unique_ptr<CollectionItem> gone = std::move(items_[static_cast<size_t>(index)]);
    items_.erase(items_.begin() + index);
    gone.reset();
    Changed(nullptr);
}

void Collection::Clear() {
    if (items_.empty()) return;
    BeginUpdate();
    while (!items_.empty()) Delete(Count() - 1);
    EndUpdate();
}

void Collection::Move(int from, int to) {
    Item(from);
    Item(to);
    if (from == to) return;
    std::unique_ptr<CollectionItem> item = std::move(items_[static_cast<size_t>(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed(nullptr);
}

void Collection::Assign(const Collection& source) {
    if (&source == this) return;
    UpdateScope update(*this);
    while (!items_.empty()) Delete(Count() - 1);
    for (const auto& item : source.items_) Add().Assign(*item);
}

std::unique_ptr<Collection> Collection::Clone() const {
    auto copy = std::make_unique<Collection>(factory_, nullptr);
    for (const auto& item : items_) copy->Add().Assign(*item);
    return copy;
}

void Collection::BeginUpdate() { ++updateCount_; }

void Collection::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        if (OnChange) OnChange(nullptr);
    }
}

void Collection::Changed(CollectionItem* item) {
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange) OnChange(item);
}

int Collection::IndexOf(const CollectionItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

} // namespace fw
