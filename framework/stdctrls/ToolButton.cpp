#include "framework/stdctrls/ToolButton.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/menus/MenuItem.h"
#include "framework/stdctrls/ToolBar.h"

namespace fw {

ToolButton::ToolButton(Component* owner) : GraphicControl(owner) { SetBounds(0, 0, 23, 22); }

ToolButton::~ToolButton() {
    if (ToolBar* bar = Bar()) bar->ButtonRemoved(this);
}

const EnumInfo& ToolButton::StyleInfo() {
    static const EnumInfo info("TToolButtonStyle", std::vector<std::string>{"tbsButton", "tbsCheck", "tbsSeparator"});
    return info;
}

const ClassInfo& ToolButton::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<ToolButton>("TToolButton", GraphicControl::StaticClass())
            .AddEnum("Style", StyleInfo(), &ToolButton::Style, &ToolButton::SetStyle)
            .AddBoolean("Down", &ToolButton::Down, &ToolButton::SetDown)
            .AddBoolean("Grouped", &ToolButton::Grouped, &ToolButton::SetGrouped)
            .AddBoolean("AutoSize", &ToolButton::AutoSize, &ToolButton::SetAutoSize)
            .AddReference("MenuItem", &ToolButton::MenuItem, &ToolButton::SetMenuItem)
            .Register();
    return info;
}

ToolBar* ToolButton::Bar() const { return dynamic_cast<ToolBar*>(Parent()); }

void ToolButton::SetParent(WinControl* parent) {
    ToolBar* old = Bar();
    GraphicControl::SetParent(parent);
    if (old != nullptr && old != Bar()) old->ButtonRemoved(this);
    if (ToolBar* bar = Bar(); bar != nullptr && bar != old) bar->ButtonAdded(this);
}

void ToolButton::BarChanged(bool layout) {
    ToolBar* bar = Bar();
    if (bar == nullptr) return;
    if (layout)
        bar->ArrangeButtons();
    else
        Invalidate();
}

void ToolButton::SetStyle(ToolButtonStyle s) {
    if (s == style_) return;
    style_ = s;
    BarChanged(true);
}

void ToolButton::SetDown(bool v) {
    if (v == down_) return;
    down_ = v;
    if (v && grouped_ && style_ == ToolButtonStyle::Check)
        if (ToolBar* bar = Bar())
            for (int i = 0; i < bar->ButtonCount(); ++i) {
                ToolButton* other = bar->Buttons(i);
                if (other != this && other->grouped_ && other->style_ == ToolButtonStyle::Check) other->SetDown(false);
            }
    BarChanged(false);
}

void ToolButton::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    BarChanged(true);
}

void ToolButton::SetDroppedDown(bool v) {
    if (v == droppedDown_) return;
    droppedDown_ = v;
    BarChanged(false);
}

void ToolButton::SetMenuItem(fw::MenuItem* item) {
    menuItem_.Set(item);
    if (item == nullptr) return;
    SetCaption(item->Caption());
    SetEnabled(item->Enabled());
}

bool ToolButton::HasDropDown() const {
    if (menuItem_.Get() == nullptr) return false;
    for (int i = 0; i < menuItem_->Count(); ++i)
        if (menuItem_->Items(i)->Visible()) return true;
    return false;
}

void ToolButton::CancelPress() {
    if (!tracking_ && !pressed_) return;
    tracking_ = false;
    pressed_ = false;
    BarChanged(false);
}

void ToolButton::Notification(Component* c, Operation operation) {
    GraphicControl::Notification(c, operation);
    if (operation == opRemove) menuItem_.Removed(c);
}

void ToolButton::Click() {
    if (style_ == ToolButtonStyle::Separator) return;
    if (menuItem_.Get() != nullptr) {
        menuItem_->Click();
        return;
    }
    if (style_ == ToolButtonStyle::Check) {
        // A grouped button that is down stays down; another of its group lifts it.
        if (!grouped_ || !down_) SetDown(!down_);
    }
    GraphicControl::Click();
}

void ToolButton::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && Enabled() && HasDropDown()) {
        // A menu opens at the press, as on a menu bar; the menu takes the release.
        if (ToolBar* bar = Bar()) bar->DropDown(this);
        return;
    }
    if (button == MouseButton::Left && Enabled() && style_ != ToolButtonStyle::Separator) {
        tracking_ = true;
        pressed_ = true;
        BarChanged(false);
    }
    GraphicControl::MouseDown(button, shift, x, y);
}

void ToolButton::MouseMove(ShiftState shift, int x, int y) {
    if (tracking_ && ClientRect().Contains(x, y) != pressed_) {
        pressed_ = !pressed_;
        BarChanged(false);
    }
    GraphicControl::MouseMove(shift, x, y);
}

void ToolButton::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && tracking_) {
        tracking_ = false;
        pressed_ = false;
        BarChanged(false);
    }
    GraphicControl::MouseUp(button, shift, x, y);
}

void ToolButton::MouseEnter() {
    GraphicControl::MouseEnter();
    BarChanged(false);
}

void ToolButton::MouseLeave() {
    GraphicControl::MouseLeave();
    BarChanged(false);
}

void ToolButton::TextChanged() {
    GraphicControl::TextChanged();
    BarChanged(true);
}

void ToolButton::VisibleChanged() {
    GraphicControl::VisibleChanged();
    BarChanged(true);
}

void ToolButton::EnabledChanged() {
    if (!Enabled()) {
        tracking_ = false;
        pressed_ = false;
    }
    GraphicControl::EnabledChanged();
}

} // namespace fw
