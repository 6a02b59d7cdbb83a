#pragma once
// A button of a tool bar ("TToolButton"): windowless, placed and painted by its bar. A check
// button (Style tbsCheck) toggles Down on a click before OnClick runs; Grouped check buttons
// of one bar are exclusive. DroppedDown marks a button whose menu is open (the bar draws it
// as selected); whoever opens the menu sets and clears it.
//
// A button linked to a menu item (MenuItem) stands for it on a menu bar: it takes the item's
// caption and enabled state when linked, a press drops the item's sub-items down below it
// (ToolBar::DropDown), and a click on a button whose item has no sub-items clicks the item.

#include "framework/controls/GraphicControl.h"
#include "framework/core/ComponentRef.h"

namespace fw {

class EnumInfo;
class MenuItem;
class ToolBar;

enum class ToolButtonStyle { Button, Check, Separator };

class ToolButton : public GraphicControl {
public:
    explicit ToolButton(Component* owner);
    ~ToolButton() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    // "TToolButtonStyle": tbsButton, tbsCheck, tbsSeparator.
    static const EnumInfo& StyleInfo();

    ToolBar* Bar() const;

    ToolButtonStyle Style() const { return style_; }
    void SetStyle(ToolButtonStyle s);
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool v) { grouped_ = v; }
    // Sized to its caption by the bar (when the bar shows captions) instead of ButtonWidth.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool DroppedDown() const { return droppedDown_; }
    void SetDroppedDown(bool v);
    // The mouse button is held on it now.
    bool Pressed() const { return pressed_; }
    // Cleared when the item is destroyed.
    fw::MenuItem* MenuItem() const { return menuItem_.Get(); }
    void SetMenuItem(fw::MenuItem* item);
    // The item has sub-items to drop down.
    bool HasDropDown() const;
    // Forgets a press whose release went elsewhere (to a menu that was open meanwhile).
    void CancelPress();

    void SetParent(WinControl* parent) override;
    void Click() override;
    void Notification(Component* c, Operation operation) override;

protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;

private:
    void BarChanged(bool layout);

    ToolButtonStyle style_ = ToolButtonStyle::Button;
    bool down_ = false;
    bool grouped_ = false;
    bool autoSize_ = false;
    bool droppedDown_ = false;
    bool pressed_ = false;
    bool tracking_ = false;
    ComponentRef<fw::MenuItem> menuItem_{*this};
};

} // namespace fw
