#pragma once
// Stops the windows inside a control from being drawn while it lives, then redraws the control
// whole once. A change that moves and restyles many children (a change of look, a title bar
// that grows) otherwise has every move and every change erase and repaint on the spot, each a
// round of messages and trips to the window server. Nested suspensions of the same windows
// turn drawing back on only when the outermost ends.

#include <windows.h>

#include <vector>

namespace fw {

class WinControl;

class RedrawSuspension {
public:
    // Suspends the visible child windows of `control` (the control itself stays as it is, so a
    // top-level window is never hidden). Does nothing for a control without a window or one
    // that is not drawn now (hidden, or inside a suspended window).
    explicit RedrawSuspension(WinControl* control);
    ~RedrawSuspension();
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    HWND window_ = nullptr;
    std::vector<HWND> suspended_;
};

} // namespace fw
