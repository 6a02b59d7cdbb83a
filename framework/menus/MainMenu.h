#pragma once
// The menu of a form's menu bar: assigned to a form's Menu, its top-level items become the
// window's native menu bar and their sub-items the drop-downs; the form passes it the menu
// messages of its items and the key-downs of its controls, so item shortcuts work wherever the
// focus is. The bar is rebuilt whenever an item changes. A skin that draws its own bar
// detaches the menu from the form and opens the drop-downs with TrackItems.

#include "framework/forms/Form.h"
#include "framework/menus/Menu.h"

namespace fw {

class MainMenu : public Menu, public FormMenuTarget {
public:
    explicit MainMenu(Component* owner);
    ~MainMenu() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // The native menu bar, built on first use.
    HMENU Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }

    bool IsMenuBar() const override { return true; }

    HMENU MenuBarHandle() override { return Handle(); }
    bool MenuMessage(Message& m) override;
    bool IsShortCut(const Message& keyMessage) override { return Menu::IsShortCut(keyMessage); }

protected:
    void MenuChanged(MenuItem* source, bool rebuild) override;

private:
    // Builds the bar again and puts it into every window that showed the old one.
    void RebuildHandle();

    HMENU handle_ = nullptr;
};

} // namespace fw
