#include "framework/forms/Screen.h"

#include "framework/controls/WinControl.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Win32Color.h"

namespace fw {

int Screen::Width() { return GetSystemMetrics(SM_CXSCREEN); }

int Screen::Height() { return GetSystemMetrics(SM_CYSCREEN); }

Rect Screen::WorkAreaRect() {
    RECT r;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return Rect{0, 0, Width(), Height()};
    return Rect{r.left, r.top, r.right, r.bottom};
}

Rect Screen::DesktopRect() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return Rect::FromBounds(x, y, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

Point Screen::CursorPos() {
    POINT p{0, 0};
    GetCursorPos(&p);
    return Point{p.x, p.y};
}

void Screen::SetCursorPos(Point p) { ::SetCursorPos(p.X, p.Y); }

WinControl* Screen::CaptureControl() { return WinControl::FromHandle(GetCapture()); }

void Screen::SetCaptureControl(WinControl* control) {
    if (control == nullptr) {
        ReleaseCapture();
    } else {
        SetCapture(control->Handle());
    }
}

void Screen::ReleaseCapture() {
    if (GetCapture() != nullptr) ::ReleaseCapture();
}

Color Screen::SystemColor(int index) { return RgbToColor(ColorToRgb(fw::SystemColor(index))); }

Control* Screen::ControlAtPos(Point screen) {
    HWND h = WindowFromPoint(POINT{screen.X, screen.Y});
    WinControl* w = nullptr;
    for (; h != nullptr && w == nullptr; h = GetParent(h)) w = WinControl::FromHandle(h);
    if (w == nullptr) return nullptr;
    const Point p = w->ScreenToClient(screen);
    Control* c = w->ControlAtPos(p, true);
    return (c != nullptr && dynamic_cast<WinControl*>(c) == nullptr) ? c : w;
}

Form* Screen::ActiveForm() {
    WinControl* w = WinControl::FromHandle(GetActiveWindow());
    return w != nullptr ? w->AsForm() : nullptr;
}

} // namespace fw
