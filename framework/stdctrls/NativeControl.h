#pragma once
// Base of the controls that wrap a system window class (edit, tree view, button). It adds
// what those have in common and what derived, skinned variants build on: the sunken border
// (BorderStyle), a non-client frame of BorderWidth pixels inside it that derived classes
// paint (PaintBorderFrame), the native scroll-bar metrics, and re-creating the window when
// a style that is fixed at creation changes.

#include "framework/controls/WinControl.h"
#include "framework/stdctrls/StdTypes.h"

namespace fw {

// A native scroll bar as the platform reports it.
struct NativeScrollInfo {
    bool visible = false;    // the bar is shown
    bool available = false;  // shown and enabled: there is something to scroll
    int thumbLength = 0;     // pixels between the thumb's two ends
    int min = 0;
    int max = 0;
    int page = 0;
    int position = 0;
    int trackPosition = 0;
};

class NativeControl : public WinControl {
public:
    explicit NativeControl(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    ControlBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ControlBorderStyle style);
    // The frame between the border and the client area, in pixels (0 by default).
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int pixels);

    // The state of the window's own horizontal or vertical scroll bar (the window is made if
    // it does not exist yet).
    NativeScrollInfo ScrollInfo(bool vertical);

    void WndProc(Message& m) override;

    // Registers the comctl32 classes named by ICC_* bits (once per process and class set).
    static void InitCommonControls(DWORD classes);

protected:
    void CreateParams(WindowParams& params) override;
    // Destroys the window and makes it again, keeping the focus; for styles fixed at creation.
    // Derived classes put their state back in HandleCreated.
    void RecreateWnd();

    // Non-client messages; both run the native handling and then account for BorderWidth.
    virtual void WMNCCalcSize(Message& m);
    void WMNCPaint(Message& m) override;
    // Paints the BorderWidth frame (between `outer` and `inner`, window coordinates) on the
    // window's device context; the frame is filled with Color here.
    virtual void PaintBorderFrame(HDC windowDc, const Rect& outer, const Rect& inner);

private:
    // The frame's outer rectangle in window coordinates: inside the native edge.
    Rect FrameOuterRect() const;

    ControlBorderStyle borderStyle_ = ControlBorderStyle::None;
    int borderWidth_ = 0;
};

} // namespace fw
