#include "framework/controls/Control.h"

#include "framework/controls/InvalidationBatch.h"
#include "framework/controls/RedrawSuspension.h"
#include "framework/controls/WinControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/FlagScope.h"
#include "framework/core/GbkText.h"

#include <windowsx.h>

#include <map>

namespace fw {

namespace {

Control::HintHook& HintHookSlot() {
    static Control::HintHook hook;
    return hook;
}

} // namespace

ShiftState KeyboardShiftState() {
    ShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

ShiftState MouseShiftState(WPARAM keys) {
    ShiftState s = 0;
    if (keys & MK_SHIFT) s |= ssShift;
    if (keys & MK_CONTROL) s |= ssCtrl;
    if (keys & MK_LBUTTON) s |= ssLeft;
    if (keys & MK_RBUTTON) s |= ssRight;
    if (keys & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

bool IsKeyMessage(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

Control::Control(Component* owner) : Component(owner), popupMenu_(*this) {
    windowProc_ = [this](Message& m) { WndProc(m); };
    font_.OnChange = [this] {
        if (!fontFromParent_) parentFont_ = false;
        FontChanged();
    };
    constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

Control::~Control() {
    BeginDestroy();
    if (parent_ != nullptr) parent_->RemoveControl(this);
}

const EnumInfo& Control::AlignInfo() {
    static const EnumInfo info("TAlign", std::vector<std::string>{"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
    return info;
}

const EnumInfo& Control::CursorInfo() {
    static const EnumInfo info("TCursor", std::vector<std::pair<std::string, int>>{
                                              {"crDefault", crDefault},   {"crNone", crNone},
                                              {"crArrow", crArrow},       {"crCross", crCross},
                                              {"crIBeam", crIBeam},       {"crSizeNESW", crSizeNESW},
                                              {"crSizeNS", crSizeNS},     {"crSizeNWSE", crSizeNWSE},
                                              {"crSizeWE", crSizeWE},     {"crUpArrow", crUpArrow},
                                              {"crHourGlass", crHourGlass}, {"crNo", crNo},
                                              {"crAppStart", crAppStart}, {"crHelp", crHelp},
                                              {"crHandPoint", crHandPoint}, {"crSizeAll", crSizeAll},
                                          });
    return info;
}

const ClassInfo& Control::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Control>("TControl", Component::StaticClass())
            .AddInteger("Left", &Control::Left, &Control::SetLeft)
            .AddInteger("Top", &Control::Top, &Control::SetTop)
            .AddInteger("Width", &Control::Width, &Control::SetWidth)
            .AddInteger("Height", &Control::Height, &Control::SetHeight)
            .AddInteger("ClientWidth", &Control::ClientWidth, &Control::SetClientWidth)
            .AddInteger("ClientHeight", &Control::ClientHeight, &Control::SetClientHeight)
            .AddNested("Constraints", static_cast<SizeConstraints& (Control::*)()>(&Control::Constraints))
            .AddEnum("Align", AlignInfo(), &Control::GetAlign, &Control::SetAlign)
            .AddBoolean("Visible", &Control::Visible, &Control::SetVisible)
            .AddBoolean("Enabled", &Control::Enabled, &Control::SetEnabled)
            .AddColor("Color", &Control::GetColor, &Control::SetColor)
            .AddBoolean("ParentColor", &Control::ParentColor, &Control::SetParentColor)
            .AddFont("Font", static_cast<fw::Font& (Control::*)()>(&Control::Font), &Control::SetFont)
            .AddBoolean("ParentFont", &Control::ParentFont, &Control::SetParentFont)
            .AddText("Caption", &Control::Caption, &Control::SetCaption)
            .AddText("Text", &Control::Text, &Control::SetText)
            .AddText("Hint", &Control::Hint, &Control::SetHint)
            .AddBoolean("ShowHint", &Control::ShowHint, &Control::SetShowHint)
            .AddBoolean("ParentShowHint", &Control::ParentShowHint, &Control::SetParentShowHint)
            .AddInteger("Cursor", &Control::Cursor, &Control::SetCursor, &CursorInfo())
            .AddReference("PopupMenu", &Control::PopupMenu, &Control::SetPopupMenu)
            .AddEvent("OnClick", &Control::OnClick)
            .AddEvent("OnResize", &Control::OnResize)
            .AddEvent("OnMouseDown", &Control::OnMouseDown)
            .AddEvent("OnMouseUp", &Control::OnMouseUp)
            .AddEvent("OnMouseMove", &Control::OnMouseMove)
            .AddEvent("OnMouseEnter", &Control::OnMouseEnter)
            .AddEvent("OnMouseLeave", &Control::OnMouseLeave)
            .Register();
    return info;
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot be its own parent");
    for (WinControl* p = parent; p != nullptr; p = p->Parent())
        if (p == this) throw Exception("A control cannot be placed inside one of its own children");
    if (parent_ != nullptr) parent_->RemoveControl(this);
    if (parent != nullptr) {
        parent->InsertControl(this);
        ParentColorChanged();
        ParentFontChanged();
        if (parentShowHint_) showHint_ = parent->ShowHint();
    }
}

void Control::SetParentComponent(Component* parent) {
    auto* w = dynamic_cast<WinControl*>(parent);
    if (parent != nullptr && w == nullptr)
        throw Exception(Format("%s cannot hold the control %s", parent->Name().c_str(), Name().c_str()));
    SetParent(w);
}

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c->parent_ != nullptr) c = c->parent_;
    return const_cast<Control*>(c)->AsForm();
}

void Control::ApplyConstraints(int& width, int& height) const {
    width = constraints_.ConstrainWidth(width);
    height = constraints_.ConstrainHeight(height);
    if (width < 0) width = 0;
    if (height < 0) height = 0;
}

void Control::SetBounds(int left, int top, int width, int height) {
    ApplyConstraints(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool resized = width != width_ || height != height_;
    if (parent_ != nullptr && visible_) parent_->Invalidate();
    UpdateBoundsFromWindow(left, top, width, height);
    if (parent_ != nullptr && visible_) Invalidate();
    if (resized) Resize();
}

void Control::UpdateBoundsFromWindow(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
    if (parent_ != nullptr && align_ != Align::None) parent_->Realign();
}

void Control::SetAlign(Align a) {
    if (a == align_) return;
    align_ = a;
    if (parent_ != nullptr) parent_->Realign();
}

bool Control::Showing() const { return visible_ && parent_ != nullptr && parent_->Showing(); }

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    VisibleChanged();
}

void Control::VisibleChanged() {
    if (parent_ == nullptr) return;
    if (align_ != Align::None) parent_->Realign();
    parent_->Invalidate();
}

void Control::SetEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    EnabledChanged();
}

void Control::EnabledChanged() { Invalidate(); }

void Control::SetColor(Color c) {
    parentColor_ = false;
    if (c == color_) return;
    color_ = c;
    ColorChanged();
}

void Control::SetParentColor(bool v) {
    parentColor_ = v;
    ParentColorChanged();
}

void Control::ParentColorChanged() {
    if (!parentColor_ || parent_ == nullptr || parent_->GetColor() == color_) return;
    color_ = parent_->GetColor();
    ColorChanged();
}

void Control::ColorChanged() { Invalidate(); }

void Control::SetParentFont(bool v) {
    parentFont_ = v;
    ParentFontChanged();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || parent_ == nullptr) return;
    SetFontSilently(parent_->Font());
}

void Control::SetFontSilently(const fw::Font& f) {
    FlagScope fromParent(fontFromParent_);
    font_.Assign(f);
}

void Control::FontChanged() { Invalidate(); }

void Control::SetCaption(const std::string& gbk) {
    if (gbk == caption_) return;
    caption_ = gbk;
    TextChanged();
}

void Control::TextChanged() { Invalidate(); }

void Control::SetCursor(int cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    CursorChanged();
}

void Control::SetShowHint(bool v) {
    parentShowHint_ = false;
    showHint_ = v;
    if (auto* w = dynamic_cast<WinControl*>(this)) {
        for (Control* c : w->controls_)
            if (c->parentShowHint_) {
                c->SetShowHint(v);
                c->parentShowHint_ = true;
            }
    }
}

void Control::SetParentShowHint(bool v) {
    parentShowHint_ = v;
    if (v && parent_ != nullptr) {
        SetShowHint(parent_->ShowHint());
        parentShowHint_ = true;
    }
}

void Control::Invalidate() {
    if (parent_ == nullptr || !visible_ || !parent_->HandleAllocated()) return;
    // A hidden window is painted whole when it is shown, a suspended one when its suspension ends;
    // asking now would only cost a round trip.
    if (RedrawSuspension::Holds(parent_) || !IsWindowVisible(parent_->Handle())) return;
    const RECT r{left_, top_, left_ + width_, top_ + height_};
    InvalidationBatch::Invalidate(parent_->Handle(), &r);
}

void Control::Update() {
    if (parent_ != nullptr) parent_->Update();
}

Point Control::ClientToScreen(Point p) const {
    if (parent_ == nullptr) return Point{p.X + left_, p.Y + top_};
    return parent_->ClientToScreen(ClientToParent(p));
}

Point Control::ScreenToClient(Point p) const {
    if (parent_ == nullptr) return Point{p.X - left_, p.Y - top_};
    const Point q = parent_->ScreenToClient(p);
    return Point{q.X - left_, q.Y - top_};
}

void Control::BringToFront() {
    if (parent_ != nullptr) parent_->ApplyZOrder(this, true);
}

void Control::SendToBack() {
    if (parent_ != nullptr) parent_->ApplyZOrder(this, false);
}

LRESULT Control::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message m{msg, wParam, lParam, 0};
    windowProc_(m);
    return m.result;
}

void Control::SetWindowProc(WindowProcedure proc) {
    if (!proc) proc = [this](Message& m) { WndProc(m); };
    windowProc_ = std::move(proc);
}

void Control::WndProc(Message& m) {
    if (IsMouseMessage(m.msg) || m.msg == CM_MOUSEENTER || m.msg == CM_MOUSELEAVE) {
        HandleMouseMessage(m);
        return;
    }
    DefaultHandler(m);
}

void Control::HandleMouseMessage(Message& m) {
    const ShiftState shift = MouseShiftState(m.wParam);
    switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        clicked_ = true;
        MouseDown(MouseButton::Left, shift | (m.msg == WM_LBUTTONDBLCLK ? ssDouble : 0), m.X(), m.Y());
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(MouseButton::Right, shift | (m.msg == WM_RBUTTONDBLCLK ? ssDouble : 0), m.X(), m.Y());
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        MouseDown(MouseButton::Middle, shift | (m.msg == WM_MBUTTONDBLCLK ? ssDouble : 0), m.X(), m.Y());
        break;
    case WM_MOUSEMOVE:
        if (HintHookSlot()) HintHookSlot()(this);
        MouseMove(shift, m.X(), m.Y());
        break;
    case WM_LBUTTONUP: {
        const bool click = clicked_ && ClientRect().Contains(m.X(), m.Y());
        clicked_ = false;
        MouseUp(MouseButton::Left, shift, m.X(), m.Y());
        if (click && !IsDestroying()) Click();
        break;
    }
    case WM_RBUTTONUP: MouseUp(MouseButton::Right, shift, m.X(), m.Y()); break;
    case WM_MBUTTONUP: MouseUp(MouseButton::Middle, shift, m.X(), m.Y()); break;
    case CM_MOUSEENTER:
        if (!mouseIn_) {
            mouseIn_ = true;
            MouseEnter();
        }
        break;
    case CM_MOUSELEAVE:
        if (mouseIn_) {
            mouseIn_ = false;
            MouseLeave();
        }
        break;
    default: DefaultHandler(m); return;
    }
    m.result = 0;
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }
void Control::MouseMove(ShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }
void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }
void Control::MouseEnter() { OnMouseEnter(this); }
void Control::MouseLeave() { OnMouseLeave(this); }
void Control::Click() { OnClick(this); }
void Control::Resize() {
    if (!IsLoading() && !IsDestroying()) OnResize(this);
}

bool Control::PopupContextMenu(int screenX, int screenY) {
    for (Control* c = this; c != nullptr; c = c->parent_) {
        if (auto* target = dynamic_cast<PopupMenuTarget*>(c->PopupMenu())) {
            target->PopupFor(this, screenX, screenY);
            return true;
        }
    }
    return false;
}

HCURSOR Control::CursorHandle(int cursor) {
    const wchar_t* id = IDC_ARROW;
    switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
    }
    // The system's cursors are shared and live as long as the process, so each is loaded once:
    // loading one asks the window server about the display every time.
    static std::map<const wchar_t*, HCURSOR> loaded;
    const auto it = loaded.find(id);
    if (it != loaded.end()) return it->second;
    HCURSOR cursorHandle = LoadCursorW(nullptr, id);
    if (cursorHandle != nullptr) loaded.emplace(id, cursorHandle);
    return cursorHandle;
}

void Control::Loaded() {
    Component::Loaded();
    if (parent_ != nullptr && align_ != Align::None) parent_->Realign();
}

void Control::Notification(Component* c, Operation operation) {
    Component::Notification(c, operation);
    if (operation == opRemove) popupMenu_.Removed(c);
}

void Control::SetHintHook(HintHook hook) { HintHookSlot() = std::move(hook); }

char Control::AcceleratorOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(caption[i]);
        if (IsGbkLeadByte(c)) {
            ++i;
            continue;
        }
        if (c != '&') continue;
        const char next = caption[i + 1];
        if (next == '&') {
            ++i;
            continue;
        }
        if (IsGbkLeadByte(static_cast<unsigned char>(next))) return 0;
        return (next >= 'a' && next <= 'z') ? static_cast<char>(next - 'a' + 'A') : next;
    }
    return 0;
}

} // namespace fw
