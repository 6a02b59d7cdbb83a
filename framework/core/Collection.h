#pragma once
// An owned, ordered list of items that publish their own properties (title-bar buttons,
// title-bar sections). The collection creates its items through a factory, so a designed
// window can add items by reading them; any change reaches OnChange.

#include "framework/core/Persistent.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class Collection;

class CollectionItem : public Persistent {
public:
    explicit CollectionItem(Collection& collection) : collection_(&collection) {}
    ~CollectionItem() override = default;
    CollectionItem(const CollectionItem&) = delete;
    CollectionItem& operator=(const CollectionItem&) = delete;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    Collection& OwnerCollection() const { return *collection_; }
    // Position in the collection (-1 while the item is being created).
    int Index() const;

    // Copies every published property that `source` also has, through the property system.
    // Items with fields that are not published override this.
    virtual void Assign(const CollectionItem& source);

protected:
    // Tells the collection (and so its owner) that this item changed.
    void Changed();

private:
    Collection* collection_;
};

class Collection : public Persistent {
public:
    using ItemFactory = std::function<std::unique_ptr<CollectionItem>(Collection&)>;

    explicit Collection(ItemFactory factory, Persistent* owner = nullptr);
    ~Collection() override;
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // The object that holds this collection (a title bar), if any.
    Persistent* Owner() const { return owner_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Index out of range raises fw::Exception.
    CollectionItem& Item(int index) const;
    CollectionItem& Add();
    CollectionItem& Insert(int index);
    void Delete(int index);
    void Clear();
    // Moves the item at `from` so that it ends up at `to`.
    void Move(int from, int to);

    // Replaces the items by copies of the source's items (CollectionItem::Assign).
    void Assign(const Collection& source);
    // A detached copy with the same factory and no owner.
    std::unique_ptr<Collection> Clone() const;

    // Changes between BeginUpdate and the matching EndUpdate give one OnChange(nullptr) at the end.
    void BeginUpdate();
    void EndUpdate();

    // The changed item, or nullptr when items were added, removed or reordered.
    std::function<void(CollectionItem* item)> OnChange;

private:
    friend class CollectionItem;
    void Changed(CollectionItem* item);
    int IndexOf(const CollectionItem* item) const;

    ItemFactory factory_;
    Persistent* owner_;
    std::vector<std::unique_ptr<CollectionItem>> items_;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};

// A collection of items of one class T (constructible from Collection&).
template <class T>
class OwnedCollection : public Collection {
public:
    explicit OwnedCollection(Persistent* owner = nullptr)
        : Collection([](Collection& c) { return std::make_unique<T>(c); }, owner) {}

    T& Item(int index) const { return static_cast<T&>(Collection::Item(index)); }
    T& Add() { return static_cast<T&>(Collection::Add()); }
    T& Insert(int index) { return static_cast<T&>(Collection::Insert(index)); }
};

} // namespace fw
