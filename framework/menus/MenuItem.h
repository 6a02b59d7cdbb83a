#pragma once
// One entry of a menu: caption, shortcut, state flags, image index, sub-items and events.
// Items form a tree below a menu's root item (Menu::Items()). In a designed window every item
// is a component of the window, nested in the description inside its menu or parent item;
// items made in code may have no owner, and then the parent item destroys them with itself.
//
// Every item carries a command number, unique in the process while the item lives; the native
// menus use it as the item's identifier and item data, so WM_COMMAND, WM_MEASUREITEM and
// WM_DRAWITEM find the item again (FromCommand) and never reach a destroyed one.

#include "framework/core/Component.h"
#include "framework/core/Event.h"
#include "framework/graphics/Geometry.h"
#include "framework/menus/ShortCut.h"

#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Canvas;
class Menu;

// State of an item being drawn (from the owner-draw message).
using OwnerDrawState = unsigned;
constexpr OwnerDrawState odSelected = 1u << 0, odGrayed = 1u << 1, odDisabled = 1u << 2, odChecked = 1u << 3,
                         odFocused = 1u << 4, odDefault = 1u << 5, odHotLight = 1u << 6, odInactive = 1u << 7,
                         odNoAccel = 1u << 8, odNoFocusRect = 1u << 9;

// (item, canvas, width, height): the item sets its size; both start at the default size.
using MenuMeasureItemEvent = Event<Component*, Canvas&, int&, int&>;
// (item, canvas, item rectangle, selected)
using MenuDrawItemEvent = Event<Component*, Canvas&, const Rect&, bool>;
// (item, canvas, item rectangle, state)
using AdvancedMenuDrawItemEvent = Event<Component*, Canvas&, const Rect&, OwnerDrawState>;

class MenuItem : public Component {
public:
    explicit MenuItem(Component* owner);
    ~MenuItem() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // --- the tree ---
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises fw::Exception for an index out of range.
    MenuItem* Items(int index) const;
    MenuItem* Parent() const { return parent_; }
    int IndexOf(const MenuItem* item) const;
    // Position among the parent's sub-items, -1 without a parent.
    int MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }
    // Appends or inserts `item`, taking it out of its previous parent. An item cannot become
    // a sub-item of itself or of one of its sub-items (fw::Exception).
    void Add(MenuItem* item);
    void Insert(int index, MenuItem* item);
    // Takes `item` out of the sub-items without destroying it.
    void Remove(MenuItem* item);
    // Destroys sub-item `index` (and its sub-items).
    void Delete(int index);
    // Destroys every sub-item.
    void Clear();
    // The menu whose tree holds this item (the root item's menu), or nullptr.
    Menu* GetParentMenu() const;
    // The direct sub-item with this caption, ignoring '&' and letter case; nullptr if none.
    MenuItem* Find(std::string_view caption) const;

    // --- properties ---
    // GBK; "-" makes a separator line, '&' marks the accelerator character.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& gbk);
    bool IsLine() const { return caption_ == "-"; }
    fw::ShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(fw::ShortCut s);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // Drawn in bold; a double click on the owning icon would run it.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Index into the menu's Images, -1 for none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& gbk) { hint_ = gbk; }

    // The item's command number (1 to 0xEFFF).
    unsigned Command() const { return command_; }
    // The living item with that command number, or nullptr.
    static MenuItem* FromCommand(unsigned command);

    // Runs OnClick if the item is enabled.
    virtual void Click();

    void SetParentComponent(Component* parent) override;

    NotifyEvent OnClick;
    MenuMeasureItemEvent OnMeasureItem;
    MenuDrawItemEvent OnDrawItem;
    AdvancedMenuDrawItemEvent OnAdvancedDrawItem;

protected:
    // Tells the menu that this item changed; `rebuild` when the set or order of shown items did.
    void Changed(bool rebuild);

private:
    friend class Menu;
    void CheckInsertable(const MenuItem* item) const;

    Menu* menu_ = nullptr;  // set on a menu's root item only
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
    unsigned command_ = 0;
    std::string caption_;
    fw::ShortCut shortCut_ = scNone;
    bool enabled_ = true;
    bool checked_ = false;
    bool default_ = false;
    bool visible_ = true;
    int imageIndex_ = -1;
    std::string hint_;
};

} // namespace fw
