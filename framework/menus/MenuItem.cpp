#include "framework/menus/MenuItem.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"
#include "framework/menus/Menu.h"

#include <algorithm>
#include <unordered_map>

namespace fw {

namespace {

// Command numbers stay below the system commands (0xF000 and up) and fit WM_COMMAND's word.
constexpr unsigned kLastCommand = 0xEFFF;

struct CommandTable {
    std::unordered_map<unsigned, MenuItem*> items;
    std::vector<unsigned> freed;
    unsigned next = 1;

    unsigned Take(MenuItem* item) {
        unsigned command;
        if (!freed.empty()) {
            command = freed.back();
            freed.pop_back();
        } else {
            if (next > kLastCommand) throw Exception("Too many menu items");
            command = next++;
        }
        items[command] = item;
        return command;
    }
    void Give(unsigned command) {
        items.erase(command);
        freed.push_back(command);
    }
};

CommandTable& Commands() {
    static CommandTable table;
    return table;
}

// The caption without accelerator marks ("&&" stands for one '&').
std::string PlainCaption(std::string_view caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        const auto b = static_cast<unsigned char>(caption[i]);
        if (IsGbkLeadByte(b) && i + 1 < caption.size()) {
            out += caption[i];
            out += caption[++i];
        } else if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += caption[++i];
        } else {
            out += caption[i];
        }
    }
    return out;
}

} // namespace

MenuItem::MenuItem(Component* owner) : Component(owner) { command_ = Commands().Take(this); }

MenuItem::~MenuItem() {
    BeginDestroy();
    Commands().Give(command_);
    // Sub-items go with their parent, whoever owns them; each takes itself out of items_.
    while (!items_.empty()) delete items_.back();
    if (parent_ != nullptr) parent_->Remove(this);
}

const ClassInfo& MenuItem::StaticClass() {
    static const ClassInfo& info = ClassBuilder<MenuItem>("TMenuItem", Component::StaticClass())
                                       .AddText("Caption", &MenuItem::Caption, &MenuItem::SetCaption)
                                       .AddBoolean("Checked", &MenuItem::Checked, &MenuItem::SetChecked)
                                       .AddBoolean("Default", &MenuItem::Default, &MenuItem::SetDefault)
                                       .AddBoolean("Enabled", &MenuItem::Enabled, &MenuItem::SetEnabled)
                                       .AddText("Hint", &MenuItem::Hint, &MenuItem::SetHint)
                                       .AddInteger("ImageIndex", &MenuItem::ImageIndex, &MenuItem::SetImageIndex)
                                       .AddInteger("ShortCut", &MenuItem::ShortCut, &MenuItem::SetShortCut)
                                       .AddBoolean("Visible", &MenuItem::Visible, &MenuItem::SetVisible)
                                       .AddEvent("OnClick", &MenuItem::OnClick)
                                       .AddEvent("OnMeasureItem", &MenuItem::OnMeasureItem)
                                       .AddEvent("OnDrawItem", &MenuItem::OnDrawItem)
                                       .AddEvent("OnAdvancedDrawItem", &MenuItem::OnAdvancedDrawItem)
                                       .Register();
    return info;
}

MenuItem* MenuItem::FromCommand(unsigned command) {
    const auto& items = Commands().items;
    auto it = items.find(command);
    return it == items.end() ? nullptr : it->second;
}

// --- the tree ---

MenuItem* MenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw Exception(Format("Menu index out of range (%d)", index));
    return items_[static_cast<size_t>(index)];
}

int MenuItem::IndexOf(const MenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void MenuItem::CheckInsertable(const MenuItem* item) const {
    if (item == nullptr) throw Exception("No menu item to insert");
    for (const MenuItem* p = this; p != nullptr; p = p->parent_)
        if (p == item) throw Exception("A menu item cannot hold itself");
    if (item->menu_ != nullptr) throw Exception("The items of a menu cannot be inserted elsewhere");
}

void MenuItem::Add(MenuItem* item) {
    Insert(Count() - (item != nullptr && item->parent_ == this ? 1 : 0), item);
}

void MenuItem::Insert(int index, MenuItem* item) {
    CheckInsertable(item);
    if (item->parent_ != nullptr) item->parent_->Remove(item);
    if (index < 0 || index > Count()) throw Exception(Format("Menu index out of range (%d)", index));
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed(true);
}

void MenuItem::Remove(MenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    Changed(true);
}

void MenuItem::Delete(int index) { delete Items(index); }

void MenuItem::Clear() {
    while (!items_.empty()) delete items_.back();
}

Menu* MenuItem::GetParentMenu() const {
    const MenuItem* root = this;
    while (root->parent_ != nullptr) root = root->parent_;
    return root->menu_;
}

MenuItem* MenuItem::Find(std::string_view caption) const {
    const std::string wanted = PlainCaption(caption);
    for (MenuItem* item : items_)
        if (GbkSameText(PlainCaption(item->caption_), wanted)) return item;
    return nullptr;
}

void MenuItem::SetParentComponent(Component* parent) {
    if (auto* menu = dynamic_cast<Menu*>(parent)) {
        menu->Items().Add(this);
    } else if (auto* item = dynamic_cast<MenuItem*>(parent)) {
        item->Add(this);
    } else {
        Component::SetParentComponent(parent);
    }
}

// --- properties ---

void MenuItem::Changed(bool rebuild) {
    if (IsDestroying()) return;
    if (Menu* menu = GetParentMenu()) menu->ItemChanged(this, rebuild);
}

void MenuItem::SetCaption(const std::string& gbk) {
    if (gbk == caption_) return;
    // Turning into or out of a separator changes the native item's kind.
    const bool rebuild = (gbk == "-") != IsLine();
    caption_ = gbk;
    Changed(rebuild);
}

void MenuItem::SetShortCut(fw::ShortCut s) {
    if (s == shortCut_) return;
    shortCut_ = s;
    Changed(false);
}

void MenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(false);
}

void MenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(false);
}

void MenuItem::SetDefault(bool v) {
    if (v == default_) return;
    // One default item per level, as the native menus allow.
    if (v && parent_ != nullptr)
        for (MenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->default_) {
                sibling->default_ = false;
                sibling->Changed(false);
            }
    default_ = v;
    Changed(false);
}

void MenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(true);
}

void MenuItem::SetImageIndex(int index) {
    if (index < -1) index = -1;
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed(false);
}

void MenuItem::Click() {
    if (enabled_) OnClick(this);
}

} // namespace fw
