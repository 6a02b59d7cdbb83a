#pragma once
// What the program asks of the screen and the system: the desktop work area, the cursor
// position in screen coordinates, mouse capture and system colours by number.

#include "framework/core/Color.h"
#include "framework/graphics/Geometry.h"

#include <windows.h>

namespace fw {

class Control;
class Form;
class WinControl;

class Screen {
public:
    static int Width();
    static int Height();
    // The primary monitor without the taskbar.
    static Rect WorkAreaRect();
    // Every monitor together.
    static Rect DesktopRect();

    static Point CursorPos();
    static void SetCursorPos(Point p);

    // The control that has the mouse capture (nullptr when none of ours has it).
    static WinControl* CaptureControl();
    static void SetCaptureControl(WinControl* control);
    static void ReleaseCapture();

    // The colour of system colour number `index` (COLOR_BTNFACE is 15) as 0x00BBGGRR.
    static Color SystemColor(int index);

    // Our control under a point of the screen (windowless ones included), or nullptr.
    static Control* ControlAtPos(Point screen);
    // The form that holds the active window, or nullptr.
    static Form* ActiveForm();
};

} // namespace fw
