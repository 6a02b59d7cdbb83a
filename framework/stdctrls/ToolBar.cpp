#include "framework/stdctrls/ToolBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/graphics/MeasuringCanvas.h"
#include "framework/menus/Menu.h"
#include "framework/stdctrls/Frame3D.h"
#include "framework/stdctrls/ToolButton.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace fw {

namespace {

constexpr int kSeparatorWidth = 8;
// Room left and right of an auto-sized button's caption.
constexpr int kCaptionPadding = 7;

// The bar whose drop-down is open and the hook that watches its menu (one at a time: a menu
// is modal).
ToolBar* dropDownBar = nullptr;
HHOOK menuFilterHook = nullptr;

// Watches the menus of this thread for `bar` while it lives.
class MenuFilterScope {
public:
    MenuFilterScope(ToolBar* bar, HOOKPROC filter) {
        dropDownBar = bar;
        menuFilterHook = SetWindowsHookExW(WH_MSGFILTER, filter, nullptr, GetCurrentThreadId());
    }
    ~MenuFilterScope() {
        if (menuFilterHook != nullptr) UnhookWindowsHookEx(menuFilterHook);
        menuFilterHook = nullptr;
        dropDownBar = nullptr;
    }
    MenuFilterScope(const MenuFilterScope&) = delete;
    MenuFilterScope& operator=(const MenuFilterScope&) = delete;
};

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

bool ToolBar::DropDown(ToolButton* button, bool byKeyboard) {
    if (dropDownBar != nullptr) return false;
    bool opened = false;
    nextDropDown_.Set(button);
    nextByKeyboard_ = byKeyboard;
    while (ToolButton* b = nextDropDown_.Get()) {
        nextDropDown_.Set(nullptr);
        const bool keyboard = std::exchange(nextByKeyboard_, false);
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
        {
            const MenuFilterScope filter(this, &ToolBar::MenuFilter);
            const Rect anchor{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
            opened = menu->DropDownItems(*item, anchor, keyboard) || opened;
        }
        if (ToolButton* shown = droppedButton_.Get()) shown->SetDroppedDown(false);
        droppedButton_.Set(nullptr);
    }
    RefreshHover();
    return opened;
}

LRESULT CALLBACK ToolBar::MenuFilter(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && msg != nullptr && dropDownBar != nullptr) {
        if (msg->message == WM_MOUSEMOVE) dropDownBar->MenuPointerAt(msg->pt);
        // A key that moved to the neighbouring drop-down is used up.
        if (msg->message == WM_KEYDOWN && dropDownBar->MenuKey(msg->wParam)) return TRUE;
    }
    return CallNextHookEx(menuFilterHook, code, wParam, lParam);
}

ToolButton* ToolBar::NeighbourDropDown(ToolButton* from, int step) const {
    const auto count = static_cast<int>(buttons_.size());
    const auto start = static_cast<int>(std::find(buttons_.begin(), buttons_.end(), from) - buttons_.begin());
    if (start >= count) return nullptr;
    for (int i = 1; i < count; ++i) {
        ToolButton* b = buttons_[static_cast<size_t>(((start + step * i) % count + count) % count)];
        if (b->Visible() && b->Enabled() && b->Grouped() && b->HasDropDown()) return b;
    }
    return nullptr;
}

bool ToolBar::MenuKey(WPARAM key) {
    if ((key != VK_LEFT && key != VK_RIGHT) || nextDropDown_.Get() != nullptr) return false;
    // Only the drop-down itself may be open: Left closes an open sub-menu, Right opens the
    // selected item's.
    std::vector<HWND> open;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t name[16];
            if (IsWindowVisible(w) && GetClassNameW(w, name, 16) > 0 && lstrcmpW(name, L"#32768") == 0)
                reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&open));
    if (open.size() != 1) return false;
    if (key == VK_RIGHT) {
        auto menu = reinterpret_cast<HMENU>(SendMessageW(open.front(), MN_GETHMENU, 0, 0));
        for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i)
            if ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0 &&
                GetSubMenu(menu, i) != nullptr)
                return false;
    }
    ToolButton* next = NeighbourDropDown(droppedButton_.Get(), key == VK_RIGHT ? 1 : -1);
    if (next == nullptr) return false;
    nextDropDown_.Set(next);
    nextByKeyboard_ = true;
    EndMenu();
    return true;
}

bool ToolBar::DialogChar(char ch) {
    if (ch != 0 && GetKeyState(VK_MENU) < 0)
        for (ToolButton* b : buttons_)
            if (b->Visible() && b->Enabled() && b->HasDropDown() && AcceleratorOf(b->Caption()) == ch) {
                DropDown(b, true);
                return true;
            }
    return CustomControl::DialogChar(ch);
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
    return MeasuringCanvas(Font())->TextWidth(button->Caption()) + 2 * kCaptionPadding;
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
