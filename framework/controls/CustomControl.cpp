#include "framework/controls/CustomControl.h"

#include "framework/system/DeviceContextScope.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/graphics/CanvasHandleScope.h"

#include <unordered_map>

namespace fw {

namespace {

// The control holding a window canvas on each context. Windows of a class share one context,
// so a canvas still held by another window of the class is given back before the context
// serves this one.
std::unordered_map<HDC, CustomControl*>& CanvasHolders() {
    // Never destroyed: controls owned by static objects give their canvases back after the
    // program's statics are gone.
    static auto* holders = new std::unordered_map<HDC, CustomControl*>();
    return *holders;
}

} // namespace

CustomControl::CustomControl(Component* owner) : WinControl(owner) {}

CustomControl::~CustomControl() {
    BeginDestroy();
    DestroyHandle();
    ReleaseWindowCanvas();
}

const ClassInfo& CustomControl::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<CustomControl>("TCustomControl", WinControl::StaticClass())
            .AddBoolean("DoubleBuffered", &CustomControl::DoubleBuffered, &CustomControl::SetDoubleBuffered)
            .AddEvent("OnPaint", &CustomControl::OnPaint)
            .Register();
    return info;
}

fw::Canvas& CustomControl::Canvas() {
    if (!painting_ && windowDc_ == nullptr && HandleAllocated()) {
        HDC dc = GetDC(Handle());
        const auto held = CanvasHolders().find(dc);
        if (held != CanvasHolders().end()) held->second->ReleaseWindowCanvas();
        windowDc_ = dc;
        if (dc != nullptr) CanvasHolders()[dc] = this;
        // The class keeps this context: what the canvas changes is undone on release.
        windowDcState_ = windowDc_ != nullptr ? SaveDC(windowDc_) : 0;
        canvas_.SetHandle(windowDc_);
        canvas_.Font() = Font();
    }
    return canvas_;
}

void CustomControl::ReleaseWindowCanvas() {
    if (windowDc_ == nullptr) return;
    CanvasHolders().erase(windowDc_);
    canvas_.SetHandle(nullptr);
    if (windowDcState_ != 0) RestoreDC(windowDc_, windowDcState_);
    windowDcState_ = 0;
    if (HandleAllocated()) ReleaseDC(Handle(), windowDc_);
    windowDc_ = nullptr;
}

void CustomControl::SetDoubleBuffered(bool v) {
    if (v == doubleBuffered_) return;
    doubleBuffered_ = v;
    if (!v) buffer_.Release();
    Invalidate();
}

void CustomControl::WndProc(Message& m) {
    // A window canvas lives until the next message of this control.
    ReleaseWindowCanvas();
    WinControl::WndProc(m);
}

void CustomControl::Paint() { OnPaint(this); }

void CustomControl::PaintWindow(HDC dc) {
    ReleaseWindowCanvas();
    CanvasHandleScope lent(canvas_, dc);
    canvas_.Font() = Font();
    canvas_.Brush().SetColor(GetColor());
    FlagScope painting(painting_);
    Paint();
}

void CustomControl::PaintHandler(HDC dc) {
    if (!doubleBuffered_) {
        WinControl::PaintHandler(dc);
        return;
    }
    const Rect client = ClientRect();
    buffer_.Paint(dc, client.Width(), client.Height(), [this, &client](HDC buffer) {
        FillBackground(buffer, client);
        WinControl::PaintHandler(buffer);
    });
}

void CustomControl::WMEraseBkgnd(Message& m) {
    if (doubleBuffered_) {
        m.result = 1;
        return;
    }
    WinControl::WMEraseBkgnd(m);
}

void CustomControl::WMPaint(Message& m) {
    RECT client{};
    RECT window{};
    const bool wholeClient = doubleBuffered_ && m.wParam == 0 && HandleAllocated() && GetClientRect(Handle(), &client) &&
                             GetWindowRect(Handle(), &window) && client.right == window.right - window.left &&
                             client.bottom == window.bottom - window.top;
    if (!wholeClient) {
        WinControl::WMPaint(m);
        return;
    }
    // The buffer covers the whole window and nothing draws on its frame or carries a caret, so
    // BeginPaint's work (the update region, hiding the caret, the frame) is not needed: this
    // takes two round trips to the window server where BeginPaint and EndPaint take five, and
    // restyling a window repaints dozens of controls. Validated first, as BeginPaint does, so
    // that an invalidation made while painting is kept.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME);
    const DeviceContextScope dc = DeviceContextScope::Client(Handle());
    if (dc.Handle() != nullptr) PaintHandler(dc.Handle());
}

void CustomControl::WMDestroy(Message& m) {
    ReleaseWindowCanvas();
    WinControl::WMDestroy(m);
}

} // namespace fw
