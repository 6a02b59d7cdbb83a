#pragma once
// The menu bar of a skinned form: a flat tool bar below the title bar with one button per
// top-level item of the form's Menu, whose press drops the item's sub-items down. Buttons under
// the mouse or pressed are drawn in the menu's style (the MacOS selection picture, the style's
// selection colours otherwise); the others, and the bar's background (MacOS: its bar picture
// over MenuBarColor), are drawn by the tool bar itself.

#include "framework/stdctrls/ToolBar.h"
#include "skin/styles/SUIStyleValues.h"

namespace fw {
class Menu;
class ToolButton;
} // namespace fw
class TsuiForm;

class TsuiMenuBar : public fw::ToolBar {
public:
    // A bar on `form`, owned by it, aligned to its top.
    explicit TsuiMenuBar(TsuiForm* form);
    ~TsuiMenuBar() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Replaces the buttons by one per top-level item of `menu`, in its order.
    void Rebuild(fw::Menu& menu);
    // Each button takes its item's caption and enabled state.
    void Sync();
    // The bar's font becomes the menu's (the system menu font unless a skinned menu says
    // otherwise), then the bar repaints.
    void UpdateFont();
    // The bar and its buttons are `h` high.
    void SetBarHeight(int h);

    // The style the bar draws in: the skinned menu's, else the form's.
    TsuiStyleValues StyleValues() const;

private:
    void DrawMenuBarButton(fw::ToolButton* button, fw::CustomDrawState state, bool& defaultDrawing);
    void DrawMenuBarBackground(const fw::Rect& r);
    bool MacLook() const;

    TsuiForm* form_;
};
