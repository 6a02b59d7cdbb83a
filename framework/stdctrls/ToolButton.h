#pragma once
// A button of a tool bar ("TToolButton"): windowless, placed and painted by its bar. A check
// button (Style tbsCheck) toggles Down on a click before OnClick runs; Grouped check buttons
// of one bar are exclusive. DroppedDown marks a button whose menu is open (the bar draws it
// as selected); whoever opens the menu sets and clears it.

#include "framework/controls/GraphicControl.h"

namespace fw {

class EnumInfo;
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

    void SetParent(WinControl* parent) override;
    void Click() override;

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
};

} // namespace fw
