#include "framework/stdctrls/NativeControl.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Win32Color.h"
#include "framework/system/DeviceContextScope.h"

#include <commctrl.h>

namespace fw {

NativeControl::NativeControl(Component* owner) : WinControl(owner) {}

const ClassInfo& NativeControl::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<NativeControl>("TNativeControl", WinControl::StaticClass())
            .Factory(nullptr)
            .AddEnum("BorderStyle", ControlBorderStyleInfo(), &NativeControl::BorderStyle, &NativeControl::SetBorderStyle)
            .AddInteger("BorderWidth", &NativeControl::BorderWidth, &NativeControl::SetBorderWidth)
            .Register();
    return info;
}

void NativeControl::InitCommonControls(DWORD classes) {
    static DWORD done = 0;
    if ((done & classes) == classes) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, classes};
    if (!InitCommonControlsEx(&icc)) throw Exception("Cannot register the common control classes");
    done |= classes;
}

void NativeControl::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    if (borderStyle_ == ControlBorderStyle::Single) params.exStyle |= WS_EX_CLIENTEDGE;
}

void NativeControl::SetBorderStyle(ControlBorderStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    ex = style == ControlBorderStyle::Single ? (ex | WS_EX_CLIENTEDGE) : (ex & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex);
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void NativeControl::SetBorderWidth(int pixels) {
    if (pixels < 0) pixels = 0;
    if (pixels == borderWidth_) return;
    borderWidth_ = pixels;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

NativeScrollInfo NativeControl::ScrollInfo(bool vertical) {
    HWND h = Handle();
    NativeScrollInfo out;
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (GetScrollBarInfo(h, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &bar)) {
        const DWORD state = bar.rgstate[0];
        out.visible = (state & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
        out.available = out.visible && (state & STATE_SYSTEM_UNAVAILABLE) == 0;
        out.thumbLength = bar.xyThumbBottom > bar.xyThumbTop ? bar.xyThumbBottom - bar.xyThumbTop
                                                             : bar.xyThumbTop - bar.xyThumbBottom;
    }
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (GetScrollInfo(h, vertical ? SB_VERT : SB_HORZ, &si)) {
        out.min = si.nMin;
        out.max = si.nMax;
        out.page = static_cast<int>(si.nPage);
        out.position = si.nPos;
        out.trackPosition = si.nTrackPos;
    }
    return out;
}

void NativeControl::RecreateWnd() {
    if (!HandleAllocated()) return;
    const bool focused = Focused();
    DestroyHandle();
    if (Parent() == nullptr || !Parent()->HandleAllocated()) return;
    Handle();
    if (focused && CanFocus()) ::SetFocus(Handle());
}

void NativeControl::WndProc(Message& m) {
    switch (m.msg) {
    case WM_NCCALCSIZE: WMNCCalcSize(m); return;
    case WM_NCPAINT: WMNCPaint(m); return;
    default: break;
    }
    WinControl::WndProc(m);
}

void NativeControl::WMNCCalcSize(Message& m) {
    DefaultHandler(m);
    if (borderWidth_ <= 0) return;
    // Both forms of the message carry the new client rectangle first.
    RECT* r = m.wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0] : reinterpret_cast<RECT*>(m.lParam);
    r->left += borderWidth_;
    r->top += borderWidth_;
    r->right -= borderWidth_;
    r->bottom -= borderWidth_;
    if (r->right < r->left) r->right = r->left;
    if (r->bottom < r->top) r->bottom = r->top;
}

Rect NativeControl::FrameOuterRect() const {
    RECT w;
    GetWindowRect(const_cast<NativeControl*>(this)->Handle(), &w);
    Rect outer{0, 0, w.right - w.left, w.bottom - w.top};
    const LONG_PTR ex = GetWindowLongPtrW(const_cast<NativeControl*>(this)->Handle(), GWL_EXSTYLE);
    const LONG_PTR style = GetWindowLongPtrW(const_cast<NativeControl*>(this)->Handle(), GWL_STYLE);
    if (ex & WS_EX_CLIENTEDGE) outer = outer.Inflate(-GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
    if (style & WS_BORDER) outer = outer.Inflate(-GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CYBORDER));
    return outer;
}

void NativeControl::WMNCPaint(Message& m) {
    if (borderWidth_ <= 0 || !HandleAllocated()) {
        DefaultHandler(m);
        return;
    }
    // Our frame covers the whole non-client area. The system draws there only scroll bars and
    // edges; without them its handling would take a window DC (a display lookup) for nothing.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    if ((style & (WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0 ||
        (ex & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME)) != 0)
        DefaultHandler(m);
    const DeviceContextScope dc = DeviceContextScope::Window(Handle());
    if (dc.Handle() == nullptr) return;
    const Rect outer = FrameOuterRect();
    PaintBorderFrame(dc.Handle(), outer, outer.Inflate(-borderWidth_, -borderWidth_));
}

void NativeControl::PaintBorderFrame(HDC windowDc, const Rect& outer, const Rect& inner) {
    const int saved = SaveDC(windowDc);
    ExcludeClipRect(windowDc, inner.Left, inner.Top, inner.Right, inner.Bottom);
    HBRUSH brush = CreateSolidBrush(ColorToRgb(GetColor()));
    const RECT r{outer.Left, outer.Top, outer.Right, outer.Bottom};
    ::FillRect(windowDc, &r, brush);
    DeleteObject(brush);
    RestoreDC(windowDc, saved);
}

} // namespace fw
