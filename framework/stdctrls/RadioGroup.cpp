#include "framework/stdctrls/RadioGroup.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/RadioButton.h"

#include <algorithm>

namespace fw {

RadioGroup::RadioGroup(Component* owner) : GroupBox(owner) {
    items_.OnChange = [this] { ItemsChanged(); };
}

RadioGroup::~RadioGroup() {
    BeginDestroy();
    DestroyHandle();
    // The buttons are ours; they go before the items they show.
    while (!buttons_.empty()) {
        RadioButton* b = buttons_.back();
        buttons_.pop_back();
        delete b;
    }
}

const ClassInfo& RadioGroup::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<RadioGroup>("TRadioGroup", GroupBox::StaticClass())
            .AddStrings("Items", static_cast<StringList& (RadioGroup::*)()>(&RadioGroup::Items), &RadioGroup::SetItems)
            .AddInteger("Columns", &RadioGroup::Columns, &RadioGroup::SetColumns)
            .AddInteger("ItemIndex", &RadioGroup::ItemIndex, &RadioGroup::SetItemIndex)
            .Register();
    return info;
}

void RadioGroup::ItemsChanged() {
    const int wanted = items_.Count();
    while (static_cast<int>(buttons_.size()) > wanted) {
        RadioButton* b = buttons_.back();
        buttons_.pop_back();
        delete b;
    }
    while (static_cast<int>(buttons_.size()) < wanted) {
        // Owned by the group (not its owner), so designed windows never see them by name.
        auto* b = new RadioButton(this);
        b->SetParent(this);
        b->OnClick = [this, b](Component*) { ItemClicked(b); };
        buttons_.push_back(b);
    }
    for (int i = 0; i < wanted; ++i) buttons_[static_cast<size_t>(i)]->SetCaption(items_[i]);
    if (IsLoading()) return;
    ArrangeButtons();
}

int RadioGroup::ItemIndex() const {
    if (IsLoading()) return pendingIndex_;
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->Checked()) return static_cast<int>(i);
    return -1;
}

void RadioGroup::SetItemIndex(int index) {
    if (IsLoading()) {
        // The items may come later in the description.
        pendingIndex_ = index;
        return;
    }
    if (index < -1 || index >= static_cast<int>(buttons_.size())) return;
    if (index == -1) {
        for (RadioButton* b : buttons_) b->SetChecked(false);
        return;
    }
    buttons_[static_cast<size_t>(index)]->SetChecked(true);
}

void RadioGroup::SetColumns(int columns) {
    if (columns < 1 || columns == columns_) return;
    columns_ = columns;
    ArrangeButtons();
}

void RadioGroup::Loaded() {
    GroupBox::Loaded();
    ArrangeButtons();
    SetItemIndex(pendingIndex_);
}

void RadioGroup::ArrangeButtons() {
    if (buttons_.empty() || IsLoading()) return;
    const int count = static_cast<int>(buttons_.size());
    const int rows = (count + columns_ - 1) / columns_;
    const int columnWidth = (Width() - 10) / columns_;
    const int captionHeight = CaptionHeight();
    const int available = std::max(0, ClientHeight() - captionHeight - 5);
    const int rowHeight = available / rows;
    const int top = captionHeight + 1 + (available % rows) / 2;
    for (int i = 0; i < count; ++i) {
        RadioButton* b = buttons_[static_cast<size_t>(i)];
        b->SetBounds((i / rows) * columnWidth + 8, top + (i % rows) * rowHeight, std::max(0, columnWidth - 10), rowHeight);
    }
}

void RadioGroup::ItemClicked(RadioButton* item) {
    if (!IsDestroying()) OnClick(this);
}

void RadioGroup::WMMouse(Message& m) {
    if (m.msg != WM_LBUTTONUP) {
        GroupBox::WMMouse(m);
        return;
    }
    // Only an item makes a click of the group.
    MouseUp(MouseButton::Left, MouseShiftState(m.wParam), m.X(), m.Y());
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    m.result = 0;
}

void RadioGroup::Resize() {
    GroupBox::Resize();
    ArrangeButtons();
}

void RadioGroup::FontChanged() {
    GroupBox::FontChanged();
    ArrangeButtons();
}

void RadioGroup::EnabledChanged() {
    GroupBox::EnabledChanged();
    for (RadioButton* b : buttons_) b->SetEnabled(Enabled());
}

void RadioGroup::Notification(Component* c, Operation operation) {
    GroupBox::Notification(c, operation);
    if (operation == opRemove)
        buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), c), buttons_.end());
}

} // namespace fw
