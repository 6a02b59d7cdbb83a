#pragma once
// A device context of a window (or of the screen, for a null window) that is given back on
// every way out of the block: released, or the painting ended. A window of our own classes keeps
// its context from one use to the next, so the context's state (origin, clipping, colours,
// modes) is saved when it is taken and restored when it is given back.

#include <windows.h>

namespace fw {

class DeviceContextScope {
public:
    // The client area's context (GetDC).
    static DeviceContextScope Client(HWND window) { return DeviceContextScope(window, GetDC(window)); }
    // The whole window's context, frame included (GetWindowDC).
    static DeviceContextScope Window(HWND window) { return DeviceContextScope(window, GetWindowDC(window)); }
    // The context for answering WM_PAINT (BeginPaint, EndPaint).
    static DeviceContextScope Paint(HWND window) { return DeviceContextScope(window); }

    ~DeviceContextScope() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
        if (painting_)
            EndPaint(window_, &paint_);
        else if (dc_ != nullptr)
            ReleaseDC(window_, dc_);
    }
    DeviceContextScope(const DeviceContextScope&) = delete;
    DeviceContextScope& operator=(const DeviceContextScope&) = delete;

    // Null when the system gave no context.
    HDC Handle() const { return dc_; }

private:
    DeviceContextScope(HWND window, HDC dc) : window_(window), dc_(dc), saved_(dc != nullptr ? SaveDC(dc) : 0) {}
    explicit DeviceContextScope(HWND window)
        : window_(window), dc_(BeginPaint(window, &paint_)), saved_(dc_ != nullptr ? SaveDC(dc_) : 0), painting_(true) {}

    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
    int saved_;
    bool painting_ = false;
};

} // namespace fw
