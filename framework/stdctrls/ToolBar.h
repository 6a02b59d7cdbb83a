#pragma once
// A tool bar ("TToolBar"): its ToolButtons stand from left to right in the order they were
// placed on it, ButtonHeight high and ButtonWidth wide (or as wide as their caption when
// AutoSize and ShowCaptions). It paints itself and its buttons into one off-screen buffer.
//
// Drawing hooks: OnCustomDraw runs after the background is filled with Color, with the bar's
// client rectangle; clearing its flag skips the buttons. OnCustomDrawButton runs for each
// button with its state (CustomDrawState bits); clearing the flag skips the default look of
// that button. Both draw on Canvas(), in the bar's coordinates (a button's BoundsRect).
//
// A bar of buttons linked to menu items (ToolButton::MenuItem) is a menu bar: DropDown opens
// a button's sub-items below it, Alt with a button's accelerator character does the same, and
// while a drop-down is open, pointing at another grouped button with sub-items, or Left and
// Right, switch to the neighbouring drop-down.

#include "framework/controls/CustomControl.h"
#include "framework/core/ComponentRef.h"

#include <vector>

namespace fw {

class EnumInfo;
class ToolButton;

using CustomDrawState = unsigned;
// Selected: pressed or dropped down; Hot: under the mouse; Checked: a check button down.
constexpr CustomDrawState cdsSelected = 1u << 0, cdsHot = 1u << 1, cdsChecked = 1u << 2, cdsDisabled = 1u << 3;

using EdgeBorders = unsigned;
constexpr EdgeBorders ebLeft = 1u << 0, ebTop = 1u << 1, ebRight = 1u << 2, ebBottom = 1u << 3;

using ToolBarDrawEvent = Event<Component*, const Rect&, bool&>;
using ToolButtonDrawEvent = Event<Component*, ToolButton*, CustomDrawState, bool&>;

class ToolBar : public CustomControl {
public:
    explicit ToolBar(Component* owner);
    ~ToolBar() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    // "TEdgeBorders": ebLeft, ebTop, ebRight, ebBottom.
    static const EnumInfo& EdgeBordersInfo();

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    ToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }

    int ButtonHeight() const { return buttonHeight_; }
    void SetButtonHeight(int pixels);
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int pixels);
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    EdgeBorders GetEdgeBorders() const { return edgeBorders_; }
    void SetEdgeBorders(EdgeBorders e);

    // The state the hooks are given for a button.
    CustomDrawState ButtonState(const ToolButton* button) const;
    // Places the buttons again.
    void ArrangeButtons();
    // Drops the sub-items of the button's menu item down below it and returns once no drop-down
    // of the bar is open any more; false when nothing opened.
    bool DropDown(ToolButton* button, bool byKeyboard = false);
    // Alt with the accelerator of a button with a drop-down opens it.
    bool DialogChar(char ch) override;

    void Notification(Component* c, Operation operation) override;

    ToolBarDrawEvent OnCustomDraw;
    ToolButtonDrawEvent OnCustomDrawButton;

protected:
    void Paint() override;
    void AdjustClientRect(Rect& r) const override;
    void FontChanged() override;
    // The default look of a button.
    virtual void DrawButton(ToolButton* button, CustomDrawState state);

private:
    friend class ToolButton;
    void ButtonAdded(ToolButton* button);
    void ButtonRemoved(ToolButton* button);
    int ButtonWidthFor(ToolButton* button);
    // The menu filter hook while a drop-down is open: the pointer over another drop-down button
    // closes the open one and marks that one to open next.
    static LRESULT CALLBACK MenuFilter(int code, WPARAM wParam, LPARAM lParam);
    void MenuPointerAt(POINT screen);
    // Left or Right in the open drop-down: true when it moved to the neighbouring one.
    bool MenuKey(WPARAM key);
    // The next grouped button with a drop-down from `from` in `step` direction, wrapping around.
    ToolButton* NeighbourDropDown(ToolButton* from, int step) const;
    // Hands the hover state back to the pointer's real position once a menu had the mouse.
    void RefreshHover();

    std::vector<ToolButton*> buttons_;
    int buttonHeight_ = 22;
    int buttonWidth_ = 23;
    bool showCaptions_ = false;
    bool flat_ = false;
    EdgeBorders edgeBorders_ = ebTop;
    ComponentRef<ToolButton> droppedButton_{*this};
    ComponentRef<ToolButton> nextDropDown_{*this};
    bool nextByKeyboard_ = false;
};

} // namespace fw
