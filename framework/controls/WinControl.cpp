#include "framework/controls/WinControl.h"

#include "framework/controls/InvalidationBatch.h"
#include "framework/controls/RedrawSuspension.h"
#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/core/WideText.h"
#include "framework/graphics/FontCache.h"
#include "framework/graphics/Win32Color.h"
#include "framework/system/ErrorReport.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <mutex>
#include <unordered_map>

namespace fw {

namespace {

// Which control owns each window of this process. A table in the process rather than a window
// property: this lookup runs for every message, and reading a property is a round trip to the
// window server.
class HandleTable {
public:
    WinControl* Find(HWND h) {
        std::lock_guard lock(mutex_);
        const auto it = controls_.find(h);
        return it == controls_.end() ? nullptr : it->second;
    }
    void Set(HWND h, WinControl* c) {
        std::lock_guard lock(mutex_);
        controls_[h] = c;
    }
    void Remove(HWND h) {
        std::lock_guard lock(mutex_);
        controls_.erase(h);
    }

private:
    std::mutex mutex_;
    std::unordered_map<HWND, WinControl*> controls_;
};

HandleTable& Handles() {
    // Never destroyed: windows may still get messages while statics are being torn down.
    static HandleTable* table = new HandleTable;
    return *table;
}

// The window with the keyboard focus in this thread, as the focus messages our windows get tell
// it (the system sets the focus before it sends them). Asking the system instead (GetFocus) is a
// round trip to the window server, and controls ask whenever they paint.
thread_local HWND focusedWindow = nullptr;

// The control whose CreateWindowExW runs; its window's first message attaches it.
thread_local WinControl* creatingControl = nullptr;

// The window procedure our class name stands for: DefWindowProcW, or the wrapped system class's.
std::map<std::wstring, WNDPROC>& RegisteredClasses() {
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

int NextControlId() {
    static int id = 1000;
    return ++id;
}

} // namespace

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    BeginDestroy();
    DestroyHandle();
    DestroyComponents();
    // Children without an owner go with their parent; owned ones only leave the tree.
    while (!controls_.empty()) {
        Control* c = controls_.back();
        if (c->Owner() == nullptr && !c->IsDestroying()) {
            delete c;
        } else {
            RemoveControl(c);
        }
    }
    ReleaseColorBrush();
}

void WinControl::BeforeDestruction() {
    BeginDestroy();
    DestroyHandle();
    Control::BeforeDestruction();
}

const ClassInfo& WinControl::StaticClass() {
    static const ClassInfo& info = ClassBuilder<WinControl>("TWinControl", Control::StaticClass())
                                       .AddBoolean("TabStop", &WinControl::TabStop, &WinControl::SetTabStop)
                                       .AddInteger("TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder)
                                       .AddEvent("OnEnter", &WinControl::OnEnter)
                                       .AddEvent("OnExit", &WinControl::OnExit)
                                       .AddEvent("OnKeyDown", &WinControl::OnKeyDown)
                                       .AddEvent("OnKeyUp", &WinControl::OnKeyUp)
                                       .AddEvent("OnKeyPress", &WinControl::OnKeyPress)
                                       .Register();
    return info;
}

// --- the window ---

HWND WinControl::Handle() {
    if (handle_ != nullptr) return handle_;
    if (parent_ != nullptr) {
        parent_->Handle();  // creates this window with the parent's children
        if (handle_ != nullptr) return handle_;
    }
    CreateWnd();
    if (parent_ != nullptr && parent_->placedChild_ != this) parent_->ApplyZOrder(this, false);
    if (defWndProc_ != DefWindowProcW) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontCache::Get(Font())), FALSE);
    CreateChildHandles(true);
    HandleCreated();
    return handle_;
}

namespace {

// A zero timer: its message comes once nothing is left to paint.
constexpr UINT_PTR DeferredChildrenTimer = 0x7655;

} // namespace

bool WinControl::SeenChild(const WinControl& child) const {
    if (!child.Visible()) return false;
    RECT client;
    GetClientRect(handle_, &client);
    return child.Left() < client.right && child.Top() < client.bottom && child.Left() + child.Width() > 0 &&
           child.Top() + child.Height() > 0;
}

void WinControl::CreateDeferredChildren(bool all) {
    if (!childrenDeferred_ || handle_ == nullptr) return;
    if (all) {
        childrenDeferred_ = false;
        KillTimer(handle_, DeferredChildrenTimer);
    }
    CreateChildHandles(!all);
}

void WinControl::CreateChildHandles(bool deferUnseen) {
    // A child the user cannot see yet (hidden, or wholly outside the client area, as the
    // contents of a closed side channel are) gets its window once the rest has been painted:
    // each window costs a millisecond or more to make, and the first paint should not wait
    // for windows it does not show. It comes sooner when it is shown or comes into view.
    // The system puts a new child window below its siblings. Made from the last child to the
    // first, the windows come out in the children's order with no further move in the z-order
    // (a move is a round trip to the window server, for every child of every window). A child
    // made out of turn, while an earlier one was being made, breaks the rule for those after
    // it: they are placed explicitly.
    bool inOrder = true;
    bool deferred = false;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* w = dynamic_cast<WinControl*>(*it);
        if (w == nullptr || w->handle_ != nullptr) continue;
        if (deferUnseen && !SeenChild(*w)) {
            deferred = true;
            continue;
        }
        for (auto earlier = std::next(it); inOrder && earlier != controls_.rend(); ++earlier)
            if (auto* e = dynamic_cast<WinControl*>(*earlier); e != nullptr && e->handle_ != nullptr) inOrder = false;
        placedChild_ = inOrder ? w : nullptr;
        w->Handle();
        placedChild_ = nullptr;
    }
    if (deferred && !childrenDeferred_) {
        childrenDeferred_ = true;
        SetTimer(handle_, DeferredChildrenTimer, 0, nullptr);
    }
}

void WinControl::CreateParams(WindowParams& p) {
    p.className = GbkToWide(ClassName());
    p.caption = GbkToWide(Caption());
    p.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible()) p.style |= WS_VISIBLE;
    if (!Enabled()) p.style |= WS_DISABLED;
    if (tabStop_) p.style |= WS_TABSTOP;
    p.x = left_;
    p.y = top_;
    p.width = width_;
    p.height = height_;
    if (parent_ != nullptr) p.parent = parent_->Handle();
}

void WinControl::CreateWnd() {
    WindowParams p;
    CreateParams(p);
    if ((p.style & WS_CHILD) != 0 && p.parent == nullptr)
        throw Exception(Format("Control '%s' has no parent window", Name().c_str()));
    HINSTANCE module = GetModuleHandleW(nullptr);
    auto& classes = RegisteredClasses();
    auto found = classes.find(p.className);
    if (found == classes.end()) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        WNDPROC base = DefWindowProcW;
        if (!p.baseClassName.empty()) {
            if (!GetClassInfoExW(nullptr, p.baseClassName.c_str(), &wc))
                throw Exception(Format("Window class '%s' does not exist", WideToGbk(p.baseClassName).c_str()));
            base = wc.lpfnWndProc;
            wc.style = (wc.style & ~CS_GLOBALCLASS) | p.classStyle;
        } else {
            // The windows of a class share one device context of their own. One from the
            // system's cache is given up whenever its window or one around it moves, which costs
            // a lookup of the display configuration (three trips to the window server under
            // Wine): a change of look that moves the side channel gave up two dozen. A context
            // of each window's own is never given up but costs three lookups to make, once per
            // window: one per class makes start-up some fifty trips shorter. Whoever takes the
            // context restores what they change (DeviceContextScope, CustomControl::Canvas), and
            // nobody holds it while another window of the class paints.
            wc.style = p.classStyle | CS_CLASSDC;
            wc.hCursor = CursorHandle(crDefault);
        }
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = StaticWndProc;
        wc.hInstance = module;
        wc.lpszClassName = p.className.c_str();
        if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            throw Exception(Format("Cannot register the window class '%s'", WideToGbk(p.className).c_str()));
        found = classes.emplace(p.className, base).first;
    }
    defWndProc_ = found->second;
    HMENU id = nullptr;
    if ((p.style & WS_CHILD) != 0) {
        if (controlId_ == 0) controlId_ = NextControlId();
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_));
    }
    WinControl* outer = creatingControl;
    creatingControl = this;
    HWND h = CreateWindowExW(p.exStyle, p.className.c_str(), p.caption.c_str(), p.style, p.x, p.y, p.width,
                             p.height, p.parent, id, module, this);
    creatingControl = outer;
    if (h == nullptr) {
        handle_ = nullptr;
        throw Exception(Format("Cannot create the window of '%s'", Name().c_str()));
    }
    UpdateBoundsFromHandle();
}

void WinControl::DestroyHandle() {
    if (handle_ == nullptr) return;
    HWND h = handle_;
    if (GetCapture() == h) ReleaseCapture();
    DestroyWindow(h);
    // Normally gone with WM_NCDESTROY; a window whose procedure was replaced may skip that.
    Handles().Remove(h);
    handle_ = nullptr;
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    return Handles().Find(hwnd);
}

void WinControl::Attach(HWND hwnd, WinControl* control) {
    Handles().Set(hwnd, control);
    control->handle_ = hwnd;
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETFOCUS) focusedWindow = hwnd;
    if (msg == WM_KILLFOCUS) focusedWindow = reinterpret_cast<HWND>(wParam);
    WinControl* self = FromHandle(hwnd);
    if (self == nullptr) {
        // The first message of a new window (WM_GETMINMAXINFO or WM_NCCREATE) attaches its object.
        self = creatingControl;
        if (self == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
        if (msg == WM_NCCREATE && reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams != self)
            return DefWindowProcW(hwnd, msg, wParam, lParam);
        creatingControl = nullptr;
        Attach(hwnd, self);
    }
    if (msg == WM_TIMER && wParam == DeferredChildrenTimer) {
        Guarded([&] { self->CreateDeferredChildren(true); });
        return 0;
    }
    Message m{msg, wParam, lParam, 0};
    Guarded([&] { self->windowProc_(m); });
    if (msg == WM_NCDESTROY) {
        self->childrenDeferred_ = false;
        Handles().Remove(hwnd);
        if (self->handle_ == hwnd) self->handle_ = nullptr;
        self->mouseCapture_ = nullptr;
        self->trackingLeave_ = false;
    }
    return m.result;
}

// --- children ---

int WinControl::IndexOfControl(const Control* c) const {
    const auto it = std::find(controls_.begin(), controls_.end(), c);
    return it == controls_.end() ? -1 : static_cast<int>(it - controls_.begin());
}

bool WinControl::ContainsControl(const Control* c) const {
    for (const Control* p = c; p != nullptr; p = p->Parent())
        if (p == this) return true;
    return false;
}

Control* WinControl::ControlAtPos(Point p, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        if (c->BoundsRect().Contains(p.X, p.Y)) return c;
    }
    return nullptr;
}

void WinControl::InsertControl(Control* c) {
    controls_.push_back(c);
    c->parent_ = this;
    if (auto* w = dynamic_cast<WinControl*>(c)) {
        tabList_.push_back(w);
        if (handle_ != nullptr) w->Handle();
    } else {
        c->Invalidate();
    }
    if (c->GetAlign() != Align::None) Realign();
}

void WinControl::RemoveControl(Control* c) {
    Control* top = this;
    while (top->parent_ != nullptr) top = top->parent_;
    static_cast<WinControl*>(top)->ChildRemoving(c);
    if (mouseCapture_ == c) {
        mouseCapture_ = nullptr;
        if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
    }
    if (hoverControl_ == c) hoverControl_ = nullptr;
    if (auto* w = dynamic_cast<WinControl*>(c)) {
        w->DestroyHandle();
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    } else {
        c->Invalidate();
    }
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    c->parent_ = nullptr;
    if (c->GetAlign() != Align::None && !IsDestroying()) Realign();
}

void WinControl::ApplyZOrder(Control* c, bool top) {
    auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    // `top` false with a control already in the list only re-applies its window's position.
    if (top) {
        controls_.erase(it);
        controls_.push_back(c);
    }
    auto* w = dynamic_cast<WinControl*>(c);
    if (w == nullptr || w->handle_ == nullptr) {
        c->Invalidate();
        return;
    }
    // Just below the nearest windowed sibling above it, or on top of all.
    HWND after = HWND_TOP;
    const auto pos = std::find(controls_.begin(), controls_.end(), c);
    for (auto above = pos + 1; above != controls_.end(); ++above)
        if (auto* s = dynamic_cast<WinControl*>(*above); s != nullptr && s->handle_ != nullptr) {
            after = s->handle_;
            break;
        }
    SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void WinControl::BringToFront() {
    if (parent_ != nullptr) {
        parent_->ApplyZOrder(this, true);
    } else if (handle_ != nullptr) {
        SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
}

void WinControl::SendToBack() {
    if (parent_ == nullptr) {
        if (handle_ != nullptr) SetWindowPos(handle_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return;
    }
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    parent_->ApplyZOrder(this, false);
}

void WinControl::SetParent(WinControl* parent) {
    Control::SetParent(parent);
    if (parent_ == nullptr) DestroyHandle();
}

// --- bounds and alignment ---

void WinControl::SetBounds(int left, int top, int width, int height) {
    ApplyConstraints(width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    if (handle_ != nullptr && (parent_ == nullptr || parent_->handle_ != nullptr)) {
        // The uncovered and resized parts are erased when they are painted, not on the spot: the
        // immediate erasing costs about ten round trips to the window server for each move, and
        // a layout moves many controls at once.
        // Inside a suspension the move is drawn with everything else when it ends. A suspended
        // child window's own move is not: the parent's uncovered part is outside it.
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE;
        if (parent_ == nullptr ? RedrawSuspension::Holds(this) : RedrawSuspension::Holds(parent_)) {
            if (parent_ == nullptr && (width != width_ || height != height_)) RedrawSuspension::Deepen(this);
            flags |= SWP_NOREDRAW | SWP_NOCOPYBITS;
        }
        SetWindowPos(handle_, nullptr, left, top, width, height, flags);
        return;  // WM_SIZE and WM_MOVE bring the new bounds in
    }
    const bool resized = width != width_ || height != height_;
    UpdateBoundsFromWindow(left, top, width, height);
    if (resized) {
        Realign();
        Resize();
    }
    if (parent_ != nullptr) parent_->CreateDeferredChildren(false);
}

void WinControl::UpdateBoundsFromHandle() {
    if (handle_ == nullptr || IsIconic(handle_)) return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (parent_ != nullptr && parent_->handle_ != nullptr)
        MapWindowPoints(HWND_DESKTOP, parent_->handle_, reinterpret_cast<POINT*>(&r), 2);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (r.left == left_ && r.top == top_ && w == width_ && h == height_) return;
    const bool resized = w != width_ || h != height_;
    UpdateBoundsFromWindow(r.left, r.top, w, h);
    if (resized) {
        Realign();
        Resize();
    }
}

Rect WinControl::ClientRect() const {
    if (handle_ != nullptr) {
        RECT r;
        GetClientRect(handle_, &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    return Control::ClientRect();
}

Rect WinControl::AlignArea() const {
    Rect r = ClientRect();
    AdjustClientRect(r);
    return r;
}

void WinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void WinControl::Realign() {
    if (alignDisabled_ > 0 || aligning_ || IsDestroying()) return;
    AlignControls();
}

void WinControl::AlignControls() {
    FlagScope aligning(aligning_);
    Rect area = AlignArea();
    for (Align kind : kAlignOrder) {
        std::vector<std::pair<Control*, int>> group;
        for (int i = 0; i < static_cast<int>(controls_.size()); ++i)
            if (controls_[static_cast<size_t>(i)]->GetAlign() == kind && controls_[static_cast<size_t>(i)]->Visible())
                group.emplace_back(controls_[static_cast<size_t>(i)], i);
        std::stable_sort(group.begin(), group.end(), [kind](const auto& a, const auto& b) {
            return AlignsBefore(kind, a.first->BoundsRect(), a.second, b.first->BoundsRect(), b.second);
        });
        for (auto& [c, index] : group) {
            const Rect target = AlignedBounds(kind, area, c->BoundsRect());
            c->SetBounds(target.Left, target.Top, target.Width(), target.Height());
            ConsumeAlignArea(kind, area, c->BoundsRect());
        }
    }
}

// --- visibility, state, appearance ---

bool WinControl::Showing() const { return Visible() && parent_ != nullptr && parent_->Showing(); }

void WinControl::VisibleChanged() {
    if (handle_ == nullptr && parent_ != nullptr) parent_->CreateDeferredChildren(false);
    if (handle_ != nullptr && parent_ != nullptr) {
        SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) |
                         (RedrawSuspension::Holds(parent_) ? SWP_NOREDRAW : 0));
    }
    if (parent_ != nullptr && GetAlign() != Align::None) parent_->Realign();
}

void WinControl::EnabledChanged() {
    if (handle_ != nullptr) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
    Control::EnabledChanged();
}

void WinControl::ColorChanged() {
    ReleaseColorBrush();
    Control::ColorChanged();
    for (Control* c : controls_) c->ParentColorChanged();
}

void WinControl::FontChanged() {
    if (handle_ != nullptr && defWndProc_ != DefWindowProcW)
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(FontCache::Get(Font())), TRUE);
    Control::FontChanged();
    for (Control* c : controls_) c->ParentFontChanged();
}

void WinControl::TextChanged() {
    if (handle_ != nullptr) SetWindowTextW(handle_, GbkToWide(Caption()).c_str());
    Control::TextChanged();
}

void WinControl::ReleaseColorBrush() {
    if (colorBrush_ != nullptr) DeleteObject(colorBrush_);
    colorBrush_ = nullptr;
}

void WinControl::Invalidate() {
    // A hidden window is painted whole when it is shown, a suspended one when its suspension ends;
    // asking now would only cost a round trip.
    if (handle_ != nullptr && !RedrawSuspension::Holds(this) && IsWindowVisible(handle_))
        InvalidationBatch::Invalidate(handle_, nullptr);
}

void WinControl::Update() {
    if (handle_ == nullptr || RedrawSuspension::Holds(this)) return;
    InvalidationBatch::Flush();
    UpdateWindow(handle_);
}

Point WinControl::ClientToScreen(Point p) const {
    if (handle_ == nullptr) return Control::ClientToScreen(p);
    POINT pt{p.X, p.Y};
    ::ClientToScreen(handle_, &pt);
    return Point{pt.x, pt.y};
}

Point WinControl::ScreenToClient(Point p) const {
    if (handle_ == nullptr) return Control::ScreenToClient(p);
    POINT pt{p.X, p.Y};
    ::ScreenToClient(handle_, &pt);
    return Point{pt.x, pt.y};
}

// --- focus and tab order ---

int WinControl::TabOrder() const {
    if (parent_ == nullptr) return -1;
    const auto& list = parent_->tabList_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void WinControl::SetTabOrder(int order) {
    if (IsLoading()) {
        loadedTabOrder_ = order;
        return;
    }
    if (parent_ == nullptr) return;
    auto& list = parent_->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void WinControl::Loaded() {
    Control::Loaded();
    if (parent_ != nullptr && loadedTabOrder_ >= 0) {
        auto key = [](const WinControl* w) { return w->loadedTabOrder_ >= 0 ? w->loadedTabOrder_ : INT_MAX; };
        std::stable_sort(parent_->tabList_.begin(), parent_->tabList_.end(),
                         [&](const WinControl* a, const WinControl* b) { return key(a) < key(b); });
    }
    Realign();
}

void WinControl::CollectTabOrder(std::vector<WinControl*>& out) {
    for (WinControl* w : tabList_) {
        out.push_back(w);
        w->CollectTabOrder(out);
    }
}

WinControl* WinControl::FindNextControl(WinControl* current, bool forward, bool checkTabStop) const {
    std::vector<WinControl*> list;
    const_cast<WinControl*>(this)->CollectTabOrder(list);
    if (list.empty()) return nullptr;
    const int n = static_cast<int>(list.size());
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - list.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((start + (forward ? step : -step)) % n + n) % n;
        WinControl* w = list[static_cast<size_t>(i)];
        if (w == current && it != list.end()) break;
        if (w->CanFocus() && (!checkTabStop || w->TabStop())) return w;
    }
    return nullptr;
}

bool WinControl::CanFocus() const {
    const Control* c = this;
    for (; c->Parent() != nullptr; c = c->Parent())
        if (!c->Visible() || !c->Enabled() || !c->Parent()->ChildrenFocusable()) return false;
    return c->Enabled() && c->Showing();
}

bool WinControl::Focused() const { return handle_ != nullptr && focusedWindow == handle_; }

void WinControl::SetFocus() {
    if (!CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

bool WinControl::WantsDialogKey(int key) {
    if (handle_ == nullptr) return false;
    const LRESULT code = SendMessageW(handle_, WM_GETDLGCODE, static_cast<WPARAM>(key), 0);
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return true;
    return key == VK_TAB && (code & DLGC_WANTTAB) != 0;
}

bool WinControl::WantsChars() {
    if (handle_ == nullptr) return false;
    return (SendMessageW(handle_, WM_GETDLGCODE, 0, 0) & (DLGC_WANTCHARS | DLGC_HASSETSEL)) != 0;
}

bool WinControl::DialogKey(int key, ShiftState shift) {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->DialogKey(key, shift)) return true;
    return false;
}

bool WinControl::DialogChar(char ch) {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i]->DialogChar(ch)) return true;
    return false;
}

void WinControl::Notification(Component* c, Operation operation) {
    Control::Notification(c, operation);
    if (operation == opRemove && (c == mouseCapture_ || c == hoverControl_)) {
        if (c == mouseCapture_) mouseCapture_ = nullptr;
        if (c == hoverControl_) hoverControl_ = nullptr;
    }
}

} // namespace fw
