#include "framework/stdctrls/ToolBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/menus/Menu.h"
#include "framework/stdctrls/Frame3D.h"
#include "framework/stdctrls/ToolButton.h"

#include <algorithm>

namespace fw {

namespace {

constexpr int kSeparatorWidth = 8;
// Room left and right of an auto-sized button's caption.
constexpr int kCaptionPadding = 7;

// The bar whose drop-down is open and the hook that watches its menu (one at a time: a menu
// is modal).
ToolBar* dropDownBar = nullptr;
HHOOK menuFilterHook = nullptr;

} // namespace

ToolBar::ToolBar(Component* owner) : CustomControl(owner) {
    SetBounds(0, 0, 150, 29);
    SetAlign(Align::Top);
    SetDoubleBuffered(true);
}

ToolBar::~ToolBar() {
    BeginDestroy();
    DestroyHandle();
    // The buttons go with their bar; each takes itself off the list.
    while (!buttons_.empty()) {
        ToolButton* b = buttons_.back();
        if (b->IsDestroying()) {
            buttons_.pop_back();
            continue;
        }
        delete b;
    }
}

const EnumInfo& ToolBar::EdgeBordersInfo() {
    static const EnumInfo info("TEdgeBorders", std::vector<std::string>{"ebLeft", "ebTop", "ebRight", "ebBottom"});
    return info;
}

const ClassInfo& ToolBar::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<ToolBar>("TToolBar", CustomControl::StaticClass())
            .AddInteger("ButtonHeight", &ToolBar::ButtonHeight, &ToolBar::SetButtonHeight)
            .AddInteger("ButtonWidth", &ToolBar::ButtonWidth, &ToolBar::SetButtonWidth)
            .AddBoolean("ShowCaptions", &ToolBar::ShowCaptions, &ToolBar::SetShowCaptions)
            .AddBoolean("Flat", &ToolBar::Flat, &ToolBar::SetFlat)
            .AddSet("EdgeBorders", EdgeBordersInfo(), &ToolBar::GetEdgeBorders, &ToolBar::SetEdgeBorders)
            .Register();
    return info;
}

void ToolBar::Notification(Component* c, Operation operation) {
    CustomControl::Notification(c, operation);
    if (operation != opRemove) return;
    droppedButton_.Removed(c);
    nextDropDown_.Removed(c);
}

bool ToolBar::DropDown(ToolButton* button) {
    if (dropDownBar != nullptr) return false;
    bool opened = false;
    nextDropDown_.Set(button);
    while (ToolButton* b = nextDropDown_.Get()) {
        nextDropDown_.Set(nullptr);
        fw::MenuItem* item = b->MenuItem();
        Menu* menu = item != nullptr ? item->GetParentMenu() : nullptr;
        if (menu == nullptr || !b->HasDropDown() || !b->Enabled() || IsDestroying()) break;
        b->CancelPress();
        b->SetDroppedDown(true);
        droppedButton_.Set(b);
        Update();
        const Rect r = b->BoundsRect();
        const Point topLeft = ClientToScreen(Point{r.Left, r.Top});
        const Point bottomRight = ClientToScreen(Point{r.Right, r.Bottom});
        dropDownBar = this;
        menuFilterHook = SetWindowsHookExW(WH_MSGFILTER, &ToolBar::MenuFilter, nullptr, GetCurrentThreadId());
        try {
            opened = menu->DropDownItems(*item, Rect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y}) || opened;
        } catch (...) {
            if (menuFilterHook != nullptr) UnhookWindowsHookEx(menuFilterHook);
            menuFilterHook = nullptr;
            dropDownBar = nullptr;
            throw;
        }
        if (menuFilterHook != nullptr) UnhookWindowsHookEx(menuFilterHook);
        menuFilterHook = nullptr;
        dropDownBar = nullptr;
        if (ToolButton* shown = droppedButton_.Get()) shown->SetDroppedDown(false);
        droppedButton_.Set(nullptr);
    }
    RefreshHover();
    return opened;
}

LRESULT CALLBACK ToolBar::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && msg != nullptr && msg->message == WM_MOUSEMOVE && dropDownBar != nullptr)
        dropDownBar->MenuPointerAt(msg->pt);
    return CallNextHookEx(menuFilterHook, code, wParam, lParam);
}

void ToolBar::MenuPointerAt(POINT screen) {
    if (!HandleAllocated() || nextDropDown_.Get() != nullptr) return;
    const Point p = ScreenToClient(Point{screen.x, screen.y});
    for (ToolButton* b : buttons_) {
        if (b == droppedButton_.Get() || !b->Visible() || !b->Enabled() || !b->Grouped() || !b->HasDropDown()) continue;
        if (!b->BoundsRect().Contains(p.X, p.Y)) continue;
        nextDropDown_.Set(b);
        EndMenu();
        return;
    }
}

void ToolBar::RefreshHover() {
    if (!HandleAllocated() || IsDestroying()) return;
    // The menu had the mouse: the bar may have missed the pointer leaving it.
    Perform(WM_MOUSELEAVE, 0, 0);
    POINT cursor;
    if (!GetCursorPos(&cursor)) return;
    const Point p = ScreenToClient(Point{cursor.x, cursor.y});
    if (ClientRect().Contains(p.X, p.Y)) Perform(WM_MOUSEMOVE, 0, MAKELPARAM(p.X, p.Y));
}

void ToolBar::ButtonAdded(ToolButton* button) {
    if (std::find(buttons_.begin(), buttons_.end(), button) == buttons_.end()) buttons_.push_back(button);
    ArrangeButtons();
}

void ToolBar::ButtonRemoved(ToolButton* button) {
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
    if (!IsDestroying()) ArrangeButtons();
}

void ToolBar::AdjustClientRect(Rect& r) const {
    if (edgeBorders_ & ebLeft) r.Left += 2;
    if (edgeBorders_ & ebTop) r.Top += 2;
    if (edgeBorders_ & ebRight) r.Right -= 2;
    if (edgeBorders_ & ebBottom) r.Bottom -= 2;
}

int ToolBar::ButtonWidthFor(ToolButton* button) {
    if (button->Style() == ToolButtonStyle::Separator) return kSeparatorWidth;
    if (!showCaptions_ || !button->AutoSize()) return buttonWidth_;
    HDC dc = CreateCompatibleDC(nullptr);
    int width = 0;
    {
        fw::Canvas canvas(dc);
        canvas.Font() = Font();
        width = canvas.TextWidth(button->Caption());
    }
    DeleteDC(dc);
    return width + 2 * kCaptionPadding;
}

void ToolBar::ArrangeButtons() {
    if (IsDestroying()) return;
    const Rect area = AlignArea();
    int x = area.Left;
    for (ToolButton* b : buttons_) {
        if (!b->Visible()) continue;
        const int width = ButtonWidthFor(b);
        b->SetBounds(x, area.Top, width, buttonHeight_);
        x += width;
    }
    Invalidate();
}

CustomDrawState ToolBar::ButtonState(const ToolButton* button) const {
    CustomDrawState state = 0;
    if (button->Pressed() || button->DroppedDown()) state |= cdsSelected;
    if (button->MouseInControl() && button->Enabled()) state |= cdsHot;
    if (button->Down()) state |= cdsChecked;
    if (!button->Enabled()) state |= cdsDisabled;
    return state;
}

void ToolBar::Paint() {
    fw::Canvas& canvas = Canvas();
    const Rect client = ClientRect();
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    if (edgeBorders_ & ebTop) EtchedFrame(canvas, Rect{client.Left - 2, client.Top, client.Right + 2, client.Bottom + 2});
    if (edgeBorders_ & ebBottom) EtchedFrame(canvas, Rect{client.Left - 2, client.Bottom - 2, client.Right + 2, client.Bottom + 2});
    bool defaultDraw = true;
    OnCustomDraw(this, client, defaultDraw);
    if (!defaultDraw) return;
    for (ToolButton* b : buttons_) {
        if (!b->Visible()) continue;
        const CustomDrawState state = ButtonState(b);
        bool drawButton = true;
        OnCustomDrawButton(this, b, state, drawButton);
        if (drawButton) DrawButton(b, state);
    }
    CustomControl::Paint();
}

void ToolBar::DrawButton(ToolButton* button, CustomDrawState state) {
    fw::Canvas& canvas = Canvas();
    Rect r = button->BoundsRect();
    if (button->Style() == ToolButtonStyle::Separator) {
        const int x = (r.Left + r.Right) / 2 - 1;
        EtchedFrame(canvas, Rect{x, r.Top + 2, x + 2, r.Bottom - 2});
        return;
    }
    const bool sunk = (state & (cdsSelected | cdsChecked)) != 0;
    if (sunk) {
        Rect frame = r;
        Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
    } else if (!flat_ || (state & cdsHot) != 0) {
        Rect frame = r;
        Frame3D(canvas, frame, clBtnHighlight, clBtnShadow);
    }
    if (!showCaptions_ || button->Caption().empty()) return;
    canvas.Font() = Font();
    if (state & cdsDisabled) canvas.Font().SetColor(clGrayText);
    canvas.Brush().SetStyle(BrushStyle::Clear);
    Rect text = sunk ? r.Offset(1, 1) : r;
    canvas.DrawText(button->Caption(), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void ToolBar::FontChanged() {
    CustomControl::FontChanged();
    ArrangeButtons();
}

void ToolBar::SetButtonHeight(int pixels) {
    if (pixels < 1 || pixels == buttonHeight_) return;
    buttonHeight_ = pixels;
    ArrangeButtons();
}

void ToolBar::SetButtonWidth(int pixels) {
    if (pixels < 1 || pixels == buttonWidth_) return;
    buttonWidth_ = pixels;
    ArrangeButtons();
}

void ToolBar::SetShowCaptions(bool v) {
    if (v == showCaptions_) return;
    showCaptions_ = v;
    ArrangeButtons();
}

void ToolBar::SetFlat(bool v) {
    if (v == flat_) return;
    flat_ = v;
    Invalidate();
}

void ToolBar::SetEdgeBorders(EdgeBorders e) {
    if (e == edgeBorders_) return;
    edgeBorders_ = e;
    Realign();
    ArrangeButtons();
}

} // namespace fw
