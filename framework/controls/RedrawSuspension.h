#pragma once
// Stops a control and the windows inside it from being drawn while it lives, then redraws the
// control whole once. A change that moves and restyles many children (a change of look, a title
// bar that grows) otherwise has every move and every change erase and repaint on the spot, each
// a round of messages and trips to the window server.
//
// While suspended, the framework's own invalidations inside the control are dropped and its
// window moves skip the redraw (the redraw at the end covers both). Windows stay visible: hiding
// and showing a window makes the system refresh the device contexts of everything inside it,
// which costs more than most changes save. Only resizing a top-level window or giving it a new
// region deepens the suspension into hiding the control's child windows: the system would
// otherwise repaint everything inside on the spot.
//
// Suspensions nest: one inside a suspended control does nothing, and each suspended control is
// redrawn when its own suspension ends.

#include <windows.h>

namespace fw {

class Control;
class WinControl;

class RedrawSuspension {
public:
    // Suspends `control`. Does nothing for a control without a window, one that is not drawn
    // now (hidden), or one inside a suspended control.
    explicit RedrawSuspension(WinControl* control);
    ~RedrawSuspension();
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

    // Whether `control` is a suspended control or inside one.
    static bool Holds(const Control* control);
    // Called before a top-level `control` is resized or given a region: hides the child windows
    // of the suspended control holding it, until the suspension ends.
    static void Deepen(const Control* control);

private:
    WinControl* control_ = nullptr;
    HWND window_ = nullptr;
};

} // namespace fw
