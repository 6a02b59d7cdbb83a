#include "skin/controls/SUIRadioGroup.h"

#include "framework/core/ClassBuilder.h"
#include "skin/controls/SUIButton.h"

#include <algorithm>
#include <cstdlib>

fw::Point CheckGroupItemPlace(int index, int count, fw::Rect client, int width, int fontHeight, int topMargin,
                              int columns) {
    const fw::Rect r{client.Left + 3, client.Top + std::abs(fontHeight), client.Right - 2, client.Bottom - 2};
    const int top = r.Top + topMargin;
    const int avail = r.Bottom - top;
    const int rows = (count + columns - 1) / columns;
    const int columnWidth = (width - 10) / columns;
    const int rowHeight = avail / rows;
    const int y0 = top + (avail % rows) / 2;
    return fw::Point{(index / rows) * columnWidth + 8, (index % rows) * rowHeight + y0};
}

// --- TsuiCheckGroup ---

TsuiCheckGroup::TsuiCheckGroup(fw::Component* owner) : TsuiCustomGroupBox(owner) {
    items_.OnChange = [this] { ItemsChanged(); };
    SetUIStyle(GetSUIFormStyle(owner));
    SetTransparent(false);
    SetParentColor(true);
}

TsuiCheckGroup::~TsuiCheckGroup() {
    BeginDestroy();
    DestroyHandle();
    // The item controls go before the lines they show.
    std::vector<TsuiCheckBox*> items;
    items.swap(itemControls_);
    for (TsuiCheckBox* item : items) delete item;
    items_.OnChange = nullptr;
}

const fw::ClassInfo& TsuiCheckGroup::StaticClass() {
    using G = TsuiCheckGroup;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<G>("TsuiCheckGroup", TsuiCustomGroupBox::StaticClass())
            .AddStrings("Items", static_cast<fw::StringList& (G::*)()>(&G::Items), &G::SetItems)
            .AddInteger("Columns", &G::Columns, &G::SetColumns)
            .AddInteger("TopMargin", &G::TopMargin, &G::SetTopMargin)
            .AddColor("FontColor", &G::FontColor, &G::SetFontColor)
            .AddBoolean("Transparent", &G::Transparent, &G::SetTransparent)
            .AddEvent("OnClick", &G::OnClick)
            .Register();
    return info;
}

void TsuiCheckGroup::SetColumns(int columns) {
    if (columns < 1) return;
    columns_ = columns;
    ArrangeItems();
}

void TsuiCheckGroup::SetTopMargin(int pixels) {
    if (pixels < 0) return;
    topMargin_ = pixels;
    ArrangeItems();
}

void TsuiCheckGroup::SetTransparent(bool v) {
    TsuiCustomGroupBox::SetTransparent(v);
    for (TsuiCheckBox* item : itemControls_) item->SetTransparent(v);
}

void TsuiCheckGroup::Click() { GroupClicked(); }

void TsuiCheckGroup::GroupClicked() {
    ItemClicked();
    OnClick(this);
}

void TsuiCheckGroup::Notification(fw::Component* c, fw::Operation operation) {
    TsuiCustomGroupBox::Notification(c, operation);
    // An item freed by somebody else leaves the list.
    if (operation == fw::opRemove)
        itemControls_.erase(std::remove(itemControls_.begin(), itemControls_.end(), c), itemControls_.end());
}

TsuiCheckBox* TsuiCheckGroup::CreateItem() { return new TsuiCheckBox(this); }

void TsuiCheckGroup::ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme) {
    TsuiCustomGroupBox::ApplyStyle(style, fileTheme);
    for (TsuiCheckBox* item : itemControls_) {
        item->SetFileTheme(fileTheme);
        item->SetUIStyle(style);
        item->SetColor(GetColor());
    }
}

void TsuiCheckGroup::FontChanged() {
    TsuiCustomGroupBox::FontChanged();
    for (TsuiCheckBox* item : itemControls_) item->SetFont(Font());
}

void TsuiCheckGroup::Resize() {
    TsuiCustomGroupBox::Resize();
    Invalidate();
    ArrangeItems();
}

void TsuiCheckGroup::ItemsChanged() {
    const int wanted = items_.Count();
    const bool created = wanted > ItemCount();
    while (ItemCount() < wanted) {
        TsuiCheckBox* item = CreateItem();
        item->SetParent(this);
        item->SetFont(Font());
        item->SetAutoSize(true);
        item->SetFileTheme(FileTheme());
        item->SetUIStyle(UIStyle());
        item->SetTransparent(Transparent());
        item->SetParentColor(true);
        item->OnClick = [this](fw::Component*) { GroupClicked(); };
        itemControls_.push_back(item);
    }
    while (ItemCount() > wanted) {
        TsuiCheckBox* last = itemControls_.back();
        itemControls_.pop_back();
        delete last;
    }
    for (int i = 0; i < ItemCount(); ++i) {
        ItemControl(i)->SetCaption(items_[i]);
        ItemControl(i)->SetAutoSize(true);
    }
    ArrangeItems();
    if (created) {
        // Gives the new items the group's transparency once more and repaints them all.
        SetTransparent(!Transparent());
        SetTransparent(!Transparent());
    }
}

void TsuiCheckGroup::ArrangeItems() {
    const int count = ItemCount();
    for (int i = 0; i < count; ++i) {
        const fw::Point at = CheckGroupItemPlace(i, count, ClientRect(), Width(), Font().Height(), topMargin_, columns_);
        TsuiCheckBox* item = ItemControl(i);
        item->SetBounds(at.X, at.Y, item->Width(), item->Height());
    }
}

// --- TsuiRadioGroup ---

TsuiRadioGroup::TsuiRadioGroup(fw::Component* owner) : TsuiCheckGroup(owner) {}

const fw::ClassInfo& TsuiRadioGroup::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiRadioGroup>("TsuiRadioGroup", TsuiCheckGroup::StaticClass())
            .AddInteger("ItemIndex", &TsuiRadioGroup::ItemIndex, &TsuiRadioGroup::SetItemIndex)
            .Register();
    return info;
}

TsuiCheckBox* TsuiRadioGroup::CreateItem() { return new TsuiRadioButton(this); }

int TsuiRadioGroup::ItemIndex() const {
    for (int i = 0; i < ItemCount(); ++i)
        if (ItemControl(i)->Checked()) return i;
    return -1;
}

void TsuiRadioGroup::SetItemIndex(int index) {
    if (IsLoading()) {
        pendingIndex_ = index;
        return;
    }
    if (index < -1 || index > Items().Count() - 1) return;
    if (index == -1) {
        for (int i = 0; i < ItemCount(); ++i) ItemControl(i)->SetChecked(false);
        return;
    }
    // The radio buttons' group rule unchecks the others.
    ItemControl(index)->SetChecked(true);
}

void TsuiRadioGroup::Loaded() {
    TsuiCheckGroup::Loaded();
    if (pendingIndex_ != -1) SetItemIndex(pendingIndex_);
    pendingIndex_ = -1;
}
