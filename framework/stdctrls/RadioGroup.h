#pragma once
// A group box holding one radio button per line of Items, laid out in Columns (filled top to
// bottom, then the next column). ItemIndex is the checked item, -1 for none; setting it does
// not run OnClick, and values outside -1..Items count - 1 are ignored. OnClick runs when the
// user clicks an item (after it is checked); clicks on the group's own surface do nothing.

#include "framework/core/StringList.h"
#include "framework/stdctrls/GroupBox.h"

#include <vector>

namespace fw {

class RadioButton;

class RadioGroup : public GroupBox {
public:
    explicit RadioGroup(Component* owner);
    ~RadioGroup() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    StringList& Items() { return items_; }
    const StringList& Items() const { return items_; }
    void SetItems(const StringList& items) { items_.Assign(items); }
    int Columns() const { return columns_; }
    // At least 1; smaller values are ignored.
    void SetColumns(int columns);
    int ItemIndex() const;
    void SetItemIndex(int index);

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    RadioButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    void Loaded() override;
    void Notification(Component* c, Operation operation) override;

protected:
    void WMMouse(Message& m) override;
    void Resize() override;
    void FontChanged() override;
    void EnabledChanged() override;
    // An item was clicked by the user; runs OnClick.
    virtual void ItemClicked(RadioButton* item);
    // Places the item buttons in rows and columns.
    virtual void ArrangeButtons();

private:
    void ItemsChanged();

    StringList items_;
    std::vector<RadioButton*> buttons_;
    int columns_ = 1;
    int pendingIndex_ = -1;
};

} // namespace fw
