#pragma once
// Group boxes of item controls: one TsuiCheckBox (TsuiCheckGroup) or TsuiRadioButton
// (TsuiRadioGroup) per line of Items, laid out in Columns that fill top to bottom. A click on
// an item (after it toggled) or on the group runs the group's OnClick.

#include "framework/core/Event.h"
#include "framework/core/StringList.h"
#include "skin/controls/SUIGroupBox.h"

#include <vector>

class TsuiCheckBox;

// Where item `index` of `count` goes in a group of the given size, font height, top margin and
// column count (at least 1): truncating integer arithmetic, columns filled top to bottom.
fw::Point CheckGroupItemPlace(int index, int count, fw::Rect client, int width, int fontHeight, int topMargin,
                              int columns);

class TsuiCheckGroup : public TsuiCustomGroupBox {
public:
    explicit TsuiCheckGroup(fw::Component* owner);
    ~TsuiCheckGroup() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    fw::StringList& Items() { return items_; }
    const fw::StringList& Items() const { return items_; }
    // Copies the lines; the item controls follow.
    void SetItems(const fw::StringList& lines) { items_.Assign(lines); }
    // The item controls, in item order.
    int ItemCount() const { return static_cast<int>(itemControls_.size()); }
    TsuiCheckBox* ItemControl(int index) const { return itemControls_.at(static_cast<size_t>(index)); }
    int Columns() const { return columns_; }
    // Values below 1 are ignored: a group without columns has nowhere to put its items.
    void SetColumns(int columns);
    int TopMargin() const { return topMargin_; }
    // Negative values are ignored.
    void SetTopMargin(int pixels);
    fw::Color FontColor() const { return Font().Color(); }
    void SetFontColor(fw::Color c) { Font().SetColor(c); }
    // Also gives every item the same transparency.
    void SetTransparent(bool v) override;

    // The group's own click runs OnClick as an item's does.
    void Click() override;
    void Notification(fw::Component* c, fw::Operation operation) override;

    // Separate from the control's click event, which the group uses for itself.
    fw::NotifyEvent OnClick;

protected:
    // Runs after every click, before OnClick.
    virtual void ItemClicked() {}
    virtual TsuiCheckBox* CreateItem();

    // The group box's, then file theme, style and the group's colour for every item.
    void ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme) override;
    void FontChanged() override;
    void Resize() override;

private:
    void ItemsChanged();
    void ArrangeItems();
    void GroupClicked();

    fw::StringList items_;
    std::vector<TsuiCheckBox*> itemControls_;
    int columns_ = 1;
    int topMargin_ = 8;
};

class TsuiRadioGroup : public TsuiCheckGroup {
public:
    explicit TsuiRadioGroup(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // The first checked item, -1 for none.
    int ItemIndex() const;
    // -1 unchecks every item; other values outside the items are ignored. Runs no OnClick.
    // While the group is being read from a description the index waits for the items.
    void SetItemIndex(int index);

    void Loaded() override;

protected:
    TsuiCheckBox* CreateItem() override;

private:
    int pendingIndex_ = -1;
};
