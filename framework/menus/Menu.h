#pragma once
// What popup and main menus share: the item tree below a root item, owner drawing, an image
// list, shortcut recognition, and building native menus from the items.
//
// With OwnerDraw on, every shown item (separators too) is a native owner-drawn item; the
// window that owns the native menu gets WM_MEASUREITEM and WM_DRAWITEM and passes them to
// DispatchMenuMessage, which finds the item by its command number and calls MeasureItem and
// DrawItem of the item's menu. Those run the item's events (OnMeasureItem, OnAdvancedDrawItem
// or OnDrawItem) and otherwise draw the item the way the system draws menus, so a derived
// menu may take over either per item (events) or for all items (overriding the two methods).

#include "framework/controls/Message.h"
#include "framework/core/Component.h"
#include "framework/core/Event.h"
#include "framework/menus/MenuItem.h"

#include <windows.h>

#include <memory>

namespace fw {

class ImageList;

// (menu, the item that changed or nullptr, whether the shown items changed)
using MenuChangeEvent = Event<Component*, MenuItem*, bool>;

class Menu : public Component {
public:
    explicit Menu(Component* owner);
    ~Menu() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // The root item; the menu's entries are its sub-items. Its own caption and flags are not
    // shown anywhere.
    MenuItem& Items() const { return *items_; }

    virtual bool OwnerDraw() const { return ownerDraw_; }
    virtual void SetOwnerDraw(bool v);
    // Images of the items' ImageIndex; not owned, and it must outlive the menu or be reset.
    virtual const ImageList* Images() const { return images_; }
    virtual void SetImages(const ImageList* images);

    // The item of this menu's tree with that command number, or nullptr.
    MenuItem* FindItem(unsigned command) const;
    // The first item (depth first) with that shortcut whose parents and itself are enabled.
    MenuItem* FindShortCut(fw::ShortCut shortCut) const;
    // For WM_KEYDOWN or WM_SYSKEYDOWN: if the key with the modifiers held now is the shortcut
    // of an item (FindShortCut), clicks the item and returns true.
    bool IsShortCut(const Message& keyMessage);
    // The shortcut of a key message, with the modifier keys held now (Alt also from lParam).
    static fw::ShortCut ShortCutOfKey(const Message& keyMessage);

    // Opens the sub-items of `item` (of this menu, the root too) as a popup menu at a screen
    // point placed by the TPM_* alignment `flags`, returns once it closed and clicks the chosen
    // item. Nothing opens without visible sub-items. Drop-downs of a menu bar drawn by a
    // control use it. Returns the chosen item, or nullptr.
    MenuItem* TrackItems(MenuItem& item, int x, int y, UINT flags = 0);
    // Drops the sub-items of `item` down the way a menu bar does: below the screen rectangle
    // `anchor` of whatever opened them, left edges lined up (above it when the screen has no
    // room below), with the first item selected when the keyboard opened it. Returns once the
    // menu closed and tells whether it opened. The chosen item is clicked later, from the
    // message queue, so its click may destroy the opener.
    bool DropDownItems(MenuItem& item, const Rect& anchor, bool selectFirst = false);

    // Measures and draws one item of this menu (see above). `width` and `height` come in with
    // the default size.
    virtual void MeasureItem(MenuItem& item, Canvas& canvas, int& width, int& height);
    virtual void DrawItem(MenuItem& item, Canvas& canvas, const Rect& rect, OwnerDrawState state);
    // True for a main menu, whose top-level items are drawn as a menu bar.
    virtual bool IsMenuBar() const { return false; }

    // The menu messages of any of our items, whichever window got them: WM_COMMAND (clicks
    // the item), WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR (accelerators of owner-drawn
    // items). Returns false, leaving `m` alone, for anything else.
    static bool DispatchMenuMessage(Message& m);

    void Loaded() override;

    MenuChangeEvent OnChange;

protected:
    // An item changed (nullptr: the menu's own settings). The base runs OnChange.
    virtual void MenuChanged(MenuItem* source, bool rebuild);
    // A native menu (a bar for `bar`, else a popup) of the shown sub-items of `parent`, with
    // their sub-menus. The caller destroys it.
    HMENU BuildMenu(const MenuItem& parent, bool bar) const;
    // The owner of the native popups this menu tracks: a hidden window of the framework that
    // passes the menu messages to DispatchMenuMessage.
    static HWND TrackingWindow();

private:
    friend class MenuItem;
    // Shows the native popup of `item`'s sub-items; the chosen command, or 0.
    unsigned Track(MenuItem& item, int x, int y, UINT flags, const TPMPARAMS* params);
    void ItemChanged(MenuItem* source, bool rebuild);
    static LRESULT CALLBACK TrackingWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static bool MeasureMessage(Message& m);
    static bool DrawMessage(Message& m);
    static bool MenuCharMessage(Message& m);

    std::unique_ptr<MenuItem> items_;
    bool ownerDraw_ = false;
    const ImageList* images_ = nullptr;
};

} // namespace fw
