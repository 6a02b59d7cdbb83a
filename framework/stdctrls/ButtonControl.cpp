#include "framework/stdctrls/ButtonControl.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

ButtonControl::ButtonControl(Component* owner) : NativeControl(owner) { SetTabStop(true); }

const ClassInfo& ButtonControl::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<ButtonControl>("TButtonControl", NativeControl::StaticClass()).Factory(nullptr).Register();
    return info;
}

void ButtonControl::CreateParams(WindowParams& params) {
    NativeControl::CreateParams(params);
    params.baseClassName = L"BUTTON";
}

int ButtonControl::CheckBoxSize() { return GetSystemMetrics(SM_CXMENUCHECK); }

void ButtonControl::SetTransparent(bool v) {
    if (v == transparent_) return;
    transparent_ = v;
    Invalidate();
}

void ButtonControl::WndProc(Message& m) {
    if (m.msg == CN_COMMAND) {
        if (HIWORD(m.wParam) == BN_CLICKED) ButtonClicked();
        m.result = 0;
        return;
    }
    if (m.msg == CN_CTLCOLORBTN || m.msg == CN_CTLCOLORSTATIC) {
        CtlColor(m);
        return;
    }
    NativeControl::WndProc(m);
}

void ButtonControl::CtlColor(Message& m) {
    if (!transparent_ || Parent() == nullptr) {
        DefaultHandler(m);
        return;
    }
    // The parent's surface under the button goes into the button's context first; the
    // button then draws on it without a background of its own.
    HDC dc = reinterpret_cast<HDC>(m.wParam);
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -Left(), -Top(), nullptr);
    IntersectClipRect(dc, Left(), Top(), Left() + Width(), Top() + Height());
    Parent()->PaintTo(dc);
    RestoreDC(dc, saved);
    DefaultHandler(m);  // the text colour
    SetBkMode(dc, TRANSPARENT);
    m.result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void ButtonControl::WMMouse(Message& m) {
    if (m.msg != WM_LBUTTONUP) {
        NativeControl::WMMouse(m);
        return;
    }
    // The release reaches the window, whose BN_CLICKED is the one click.
    MouseUp(MouseButton::Left, MouseShiftState(m.wParam), m.X(), m.Y());
    if (!HandleAllocated()) return;
    DefaultHandler(m);
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void ButtonControl::ButtonClicked() {
    if (!IsDestroying()) Click();
}

bool ButtonControl::DialogChar(char ch) {
    if (ch != 0 && ch == AcceleratorOf(Caption()) && Enabled() && Visible()) {
        if (CanFocus()) SetFocus();
        Click();
        return true;
    }
    return NativeControl::DialogChar(ch);
}

} // namespace fw
