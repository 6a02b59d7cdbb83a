#pragma once
// A window message as the framework passes it to WndProc and the typed handlers, with the
// framework's own message numbers: CM_* notices between controls and CN_* reflections of
// parent notifications (WM_DRAWITEM, WM_NOTIFY, WM_CTLCOLOR*) back to the child's object.

#include "framework/graphics/Geometry.h"

#include <windows.h>

namespace fw {

struct Message {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;

    // Signed client coordinates of a mouse message.
    int X() const { return static_cast<short>(LOWORD(lParam)); }
    int Y() const { return static_cast<short>(HIWORD(lParam)); }
    Point Pos() const { return Point{X(), Y()}; }
};

// Modifier keys and mouse buttons held, as the mouse and key events report them.
using ShiftState = unsigned;
constexpr ShiftState ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2, ssLeft = 1u << 3, ssRight = 1u << 4,
                     ssMiddle = 1u << 5, ssDouble = 1u << 6;

enum class MouseButton { Left, Right, Middle };

// The state of the modifier keys now.
ShiftState KeyboardShiftState();
// The modifiers and buttons of a mouse message's wParam.
ShiftState MouseShiftState(WPARAM keys);
bool IsMouseMessage(UINT msg);
bool IsKeyMessage(UINT msg);

// Framework notices; a control may send them to itself or its children with Perform.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_RELEASE = CM_BASE + 1;        // a form frees itself (posted by Release)
constexpr UINT CM_MOUSEENTER = CM_BASE + 2;     // the pointer entered the control
constexpr UINT CM_MOUSELEAVE = CM_BASE + 3;     // the pointer left the control
constexpr UINT CM_INVOKE = CM_BASE + 4;         // runs a queued call (Application::Queue)

// Reflected notifications: the parent sends CN_BASE + the original message number to the
// child named by the notification, with the original parameters.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;

} // namespace fw
