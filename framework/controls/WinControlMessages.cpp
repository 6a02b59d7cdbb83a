// WinControl's message handling: the input filter, the cracking into handlers, the default
// handling, painting, focus, keys, cursor, reflection of parent notifications and the mouse.
#include "framework/controls/WinControl.h"

#include "framework/graphics/Win32Color.h"
#include "framework/system/DeviceContextScope.h"

#include <windowsx.h>

namespace fw {

namespace {

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

} // namespace

bool WinControl::InputAllowed() const {
    for (const Control* c = this; c != nullptr; c = c->Parent())
        if (!c->Enabled()) return false;
    return true;
}

void WinControl::WndProc(Message& m) {
    if ((IsMouseMessage(m.msg) || IsKeyMessage(m.msg)) && !InputAllowed()) {
        m.result = 0;
        return;
    }
    DispatchMessage(m);
}

void WinControl::DispatchMessage(Message& m) {
    switch (m.msg) {
    case WM_PAINT: WMPaint(m); return;
    case WM_PRINTCLIENT: WMPrintClient(m); return;
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_SIZE: WMSize(m); return;
    case WM_MOVE: WMMove(m); return;
    case WM_SETFOCUS: WMSetFocus(m); return;
    case WM_KILLFOCUS: WMKillFocus(m); return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(m); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(m); return;
    case WM_CHAR: WMChar(m); return;
    case WM_SETCURSOR: WMSetCursor(m); return;
    case WM_NCHITTEST: WMNCHitTest(m); return;
    case WM_NCPAINT: WMNCPaint(m); return;
    case WM_SYSCOMMAND: WMSysCommand(m); return;
    case WM_COMMAND: WMCommand(m); return;
    case WM_NOTIFY: WMNotify(m); return;
    case WM_DRAWITEM: WMDrawItem(m); return;
    case WM_MEASUREITEM: WMMeasureItem(m); return;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: WMCtlColor(m); return;
    case WM_HSCROLL:
    case WM_VSCROLL: WMScroll(m); return;
    case WM_CONTEXTMENU: WMContextMenu(m); return;
    case WM_MOUSELEAVE: WMMouseLeave(m); return;
    case WM_CAPTURECHANGED: WMCaptureChanged(m); return;
    case WM_SHOWWINDOW: WMShowWindow(m); return;
    case WM_ACTIVATE: WMActivate(m); return;
    case WM_CLOSE: WMClose(m); return;
    case WM_DESTROY: WMDestroy(m); return;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); return;
    case WM_GETDLGCODE: WMGetDlgCode(m); return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: HandleMouseMessage(m); return;
    default: break;
    }
    if (IsMouseMessage(m.msg)) {
        WMMouse(m);
        return;
    }
    DefaultHandler(m);
}

void WinControl::DefaultHandler(Message& m) {
    if (m.msg >= CN_BASE + WM_CTLCOLORMSGBOX && m.msg <= CN_CTLCOLORSTATIC) {
        // A wrapped system control is drawn in the control's font colour and colour.
        HDC dc = reinterpret_cast<HDC>(m.wParam);
        SetTextColor(dc, ColorToRgb(Font().Color()));
        SetBkColor(dc, ColorToRgb(GetColor()));
        if (colorBrush_ == nullptr) colorBrush_ = CreateSolidBrush(ColorToRgb(GetColor()));
        m.result = reinterpret_cast<LRESULT>(colorBrush_);
        return;
    }
    if (handle_ == nullptr || (m.msg >= CM_BASE && m.msg < 0xC000)) {
        m.result = 0;
        return;
    }
    m.result = CallWindowProcW(defWndProc_ != nullptr ? defWndProc_ : DefWindowProcW, handle_, m.msg, m.wParam, m.lParam);
}

void WinControl::FillBackground(HDC dc, const Rect& r) {
    HBRUSH brush = CreateSolidBrush(ColorToRgb(GetColor()));
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

void WinControl::PaintControls(HDC dc) {
    for (Control* c : controls_) {
        if (dynamic_cast<WinControl*>(c) != nullptr || !c->Visible()) continue;
        const int saved = SaveDC(dc);
        POINT origin;
        OffsetViewportOrgEx(dc, c->Left(), c->Top(), &origin);
        if (IntersectClipRect(dc, 0, 0, c->Width(), c->Height()) != NULLREGION) c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void WinControl::PaintTo(HDC dc) {
    const int saved = SaveDC(dc);
    Message erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0, 0};
    WMEraseBkgnd(erase);
    PaintHandler(dc);
    for (Control* c : controls_) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (w == nullptr || !w->Visible()) continue;
        const int inner = SaveDC(dc);
        OffsetViewportOrgEx(dc, w->Left(), w->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, w->Width(), w->Height());
        w->PaintTo(dc);
        RestoreDC(dc, inner);
    }
    RestoreDC(dc, saved);
}

void WinControl::WMPaint(Message& m) {
    const bool ownPainting = defWndProc_ == DefWindowProcW || controls_.size() != tabList_.size();
    if (!ownPainting) {
        DefaultHandler(m);
        return;
    }
    if (m.wParam != 0) {
        PaintHandler(reinterpret_cast<HDC>(m.wParam));
        return;
    }
    const DeviceContextScope paint = DeviceContextScope::Paint(handle_);
    PaintHandler(paint.Handle());
}

void WinControl::WMPrintClient(Message& m) {
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    if (m.lParam & PRF_ERASEBKGND) {
        Message erase{WM_ERASEBKGND, m.wParam, 0, 0};
        WMEraseBkgnd(erase);
    }
    PaintHandler(dc);
}

void WinControl::PaintHandler(HDC dc) {
    PaintWindow(dc);
    PaintControls(dc);
}

void WinControl::WMEraseBkgnd(Message& m) {
    if (defWndProc_ != DefWindowProcW && defWndProc_ != nullptr) {
        DefaultHandler(m);
        return;
    }
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    RECT clip;
    if (GetClipBox(dc, &clip) == ERROR) clip = RECT{0, 0, Width(), Height()};
    // The context may be the window's own, kept for its painting that follows.
    const int saved = SaveDC(dc);
    FillBackground(dc, Rect{clip.left, clip.top, clip.right, clip.bottom});
    RestoreDC(dc, saved);
    m.result = 1;
}

void WinControl::WMSize(Message& m) {
    DefaultHandler(m);
    UpdateBoundsFromHandle();
    CreateDeferredChildren(false);
}

void WinControl::WMMove(Message& m) {
    DefaultHandler(m);
    UpdateBoundsFromHandle();
}

void WinControl::WMSetFocus(Message& m) {
    DefaultHandler(m);
    Control* top = this;
    while (top->Parent() != nullptr) top = top->Parent();
    static_cast<WinControl*>(top)->ChildFocused(this);
    DoEnter();
}

void WinControl::WMKillFocus(Message& m) {
    DefaultHandler(m);
    DoExit();
}

void WinControl::DoEnter() {
    if (!IsDestroying()) OnEnter(this);
}

void WinControl::DoExit() {
    if (!IsDestroying()) OnExit(this);
}

void WinControl::KeyDown(int& key, ShiftState shift) { OnKeyDown(this, key, shift); }
void WinControl::KeyUp(int& key, ShiftState shift) { OnKeyUp(this, key, shift); }
void WinControl::KeyPress(char& key) { OnKeyPress(this, key); }

void WinControl::WMKeyDown(Message& m) {
    int key = static_cast<int>(m.wParam);
    KeyDown(key, KeyboardShiftState());
    if (key == 0) {
        m.result = 0;
        return;
    }
    m.wParam = static_cast<WPARAM>(key);
    DefaultHandler(m);
}

void WinControl::WMKeyUp(Message& m) {
    int key = static_cast<int>(m.wParam);
    KeyUp(key, KeyboardShiftState());
    if (key == 0) {
        m.result = 0;
        return;
    }
    m.wParam = static_cast<WPARAM>(key);
    DefaultHandler(m);
}

void WinControl::WMChar(Message& m) {
    if (m.wParam < 0x80) {
        char ch = static_cast<char>(m.wParam);
        KeyPress(ch);
        if (ch == 0) {
            m.result = 0;
            return;
        }
        m.wParam = static_cast<unsigned char>(ch);
    }
    DefaultHandler(m);
}

void WinControl::WMSetCursor(Message& m) {
    if (reinterpret_cast<HWND>(m.wParam) == handle_ && LOWORD(m.lParam) == HTCLIENT) {
        // The pointer's place at the mouse message being handled; GetCursorPos would ask the
        // window server (and the display) on every move of the mouse.
        const DWORD pos = GetMessagePos();
        const Point p = ScreenToClient(Point{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)});
        int cursor = Cursor();
        if (Control* c = ControlAtPos(p, true); c != nullptr && dynamic_cast<WinControl*>(c) == nullptr && c->Cursor() != crDefault)
            cursor = c->Cursor();
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            m.result = TRUE;
            return;
        }
    }
    DefaultHandler(m);
}

void WinControl::WMNCHitTest(Message& m) { DefaultHandler(m); }

void WinControl::WMNCPaint(Message& m) {
    // A child window of our own class without frame, edges or scroll bars has no non-client
    // area. The default handling would still take a window DC and ask the display about it,
    // for every control, every time the window is shown or restyled.
    if (handle_ != nullptr && defWndProc_ == DefWindowProcW) {
        constexpr LONG_PTR framed = WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
        constexpr LONG_PTR edged = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
        const LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        const LONG_PTR exStyle = GetWindowLongPtrW(handle_, GWL_EXSTYLE);
        if ((style & WS_CHILD) != 0 && (style & framed) == 0 && (exStyle & edged) == 0) {
            m.result = 0;
            return;
        }
    }
    DefaultHandler(m);
}
void WinControl::WMSysCommand(Message& m) { DefaultHandler(m); }

WinControl* WinControl::ChildWindowObject(HWND child) const {
    WinControl* w = FromHandle(child);
    return (w != nullptr && w != this) ? w : nullptr;
}

WinControl* WinControl::ChildById(int id) const {
    for (WinControl* w : tabList_)
        if (w->controlId_ == id) return w;
    return nullptr;
}

void WinControl::WMCommand(Message& m) {
    if (WinControl* c = ChildWindowObject(reinterpret_cast<HWND>(m.lParam))) {
        m.result = c->Perform(CN_COMMAND, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
}

void WinControl::WMNotify(Message& m) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
    if (WinControl* c = header != nullptr ? ChildWindowObject(header->hwndFrom) : nullptr) {
        m.result = c->Perform(CN_NOTIFY, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
}

void WinControl::WMDrawItem(Message& m) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
    if (item != nullptr && item->CtlType != ODT_MENU)
        if (WinControl* c = ChildWindowObject(item->hwndItem)) {
            m.result = c->Perform(CN_DRAWITEM, m.wParam, m.lParam);
            return;
        }
    DefaultHandler(m);
}

void WinControl::WMMeasureItem(Message& m) {
    const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.lParam);
    if (item != nullptr && item->CtlType != ODT_MENU)
        if (WinControl* c = ChildById(static_cast<int>(item->CtlID))) {
            m.result = c->Perform(CN_MEASUREITEM, m.wParam, m.lParam);
            return;
        }
    DefaultHandler(m);
}

void WinControl::WMCtlColor(Message& m) {
    if (WinControl* c = ChildWindowObject(reinterpret_cast<HWND>(m.lParam))) {
        m.result = c->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
}

void WinControl::WMScroll(Message& m) {
    if (WinControl* c = ChildWindowObject(reinterpret_cast<HWND>(m.lParam))) {
        m.result = c->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
        return;
    }
    DefaultHandler(m);
}

void WinControl::WMContextMenu(Message& m) {
    if (reinterpret_cast<HWND>(m.wParam) == handle_) {
        Point screen = m.Pos();
        if (screen.X == -1 && screen.Y == -1) screen = ClientToScreen(Point{Width() / 2, Height() / 2});
        Control* target = this;
        if (Control* c = ControlAtPos(ScreenToClient(screen)); c != nullptr && dynamic_cast<WinControl*>(c) == nullptr)
            target = c;
        if (target->PopupContextMenu(screen.X, screen.Y)) {
            m.result = 0;
            return;
        }
    }
    DefaultHandler(m);
}

void WinControl::SetHoverControl(Control* c) {
    if (c == hoverControl_) return;
    Control* old = hoverControl_;
    hoverControl_ = c;
    if (old != nullptr) old->Perform(CM_MOUSELEAVE);
    if (c != nullptr) c->Perform(CM_MOUSEENTER);
}

void WinControl::TrackMouse(Point p) {
    const bool inside = ClientRect().Contains(p.X, p.Y);
    if (inside && !mouseIn_) {
        Perform(CM_MOUSEENTER);
        if (!trackingLeave_ && handle_ != nullptr) {
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle_, 0};
            trackingLeave_ = TrackMouseEvent(&t) != FALSE;
        }
    } else if (!inside && mouseIn_) {
        Perform(CM_MOUSELEAVE);
    }
    Control* hover = nullptr;
    if (inside)
        if (Control* c = ControlAtPos(p); c != nullptr && dynamic_cast<WinControl*>(c) == nullptr) hover = c;
    if (mouseCapture_ != nullptr && hover != mouseCapture_) hover = nullptr;
    SetHoverControl(hover);
}

void WinControl::WMMouse(Message& m) {
    if (m.msg == WM_MOUSEWHEEL || m.msg == WM_MOUSEHWHEEL) {
        DefaultHandler(m);
        return;
    }
    const Point p = m.Pos();
    if (m.msg == WM_MOUSEMOVE) TrackMouse(p);
    Control* target = mouseCapture_;
    if (target == nullptr)
        if (Control* c = ControlAtPos(p); c != nullptr && dynamic_cast<WinControl*>(c) == nullptr) target = c;
    if (target != nullptr) {
        if (IsButtonDown(m.msg)) {
            mouseCapture_ = target;
            SetCapture(handle_);
        }
        target->Perform(m.msg, m.wParam, MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
        if (IsButtonUp(m.msg) && (m.wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
            mouseCapture_ = nullptr;
            if (handle_ != nullptr && GetCapture() == handle_) ReleaseCapture();
        }
        m.result = 0;
        return;
    }
    if (m.msg == WM_LBUTTONDOWN && handle_ != nullptr) SetCapture(handle_);
    HandleMouseMessage(m);
    if (handle_ == nullptr) return;
    DefaultHandler(m);
    if (m.msg == WM_LBUTTONUP && GetCapture() == handle_) ReleaseCapture();
}

void WinControl::WMMouseLeave(Message& m) {
    trackingLeave_ = false;
    if (handle_ != nullptr && GetCapture() == handle_) {
        // Still ours while captured; the moves outside report the leaving.
        m.result = 0;
        return;
    }
    SetHoverControl(nullptr);
    Perform(CM_MOUSELEAVE);
    m.result = 0;
}

void WinControl::WMCaptureChanged(Message& m) {
    if (reinterpret_cast<HWND>(m.lParam) != handle_) mouseCapture_ = nullptr;
    DefaultHandler(m);
}

void WinControl::WMShowWindow(Message& m) { DefaultHandler(m); }
void WinControl::WMActivate(Message& m) { DefaultHandler(m); }
void WinControl::WMClose(Message& m) { DefaultHandler(m); }
void WinControl::WMDestroy(Message& m) { DefaultHandler(m); }
void WinControl::WMGetDlgCode(Message& m) { DefaultHandler(m); }

void WinControl::WMGetMinMaxInfo(Message& m) {
    DefaultHandler(m);
    auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
    const SizeConstraints& c = Constraints();
    if (c.MinWidth() > 0) info->ptMinTrackSize.x = c.MinWidth();
    if (c.MinHeight() > 0) info->ptMinTrackSize.y = c.MinHeight();
    if (c.MaxWidth() > 0) info->ptMaxTrackSize.x = c.MaxWidth();
    if (c.MaxHeight() > 0) info->ptMaxTrackSize.y = c.MaxHeight();
}

} // namespace fw
