#pragma once
// Drawing shared by the skinned popup and main menus: separators, the MacOS menu pictures,
// the border around an open menu window, and the system menu font.

#include "framework/core/Color.h"
#include "framework/graphics/Geometry.h"
#include "framework/menus/MenuItem.h"

#include <windows.h>

namespace fw {
class Canvas;
class Font;
} // namespace fw

// Gives `item` and every item below it, depth first, the same measure-item and draw-item
// handlers. Nothing without an item.
void SetMenuItemDrawEvents(fw::MenuItem* item, const fw::MenuMeasureItemEvent::Function& measure,
                           const fw::MenuDrawItemEvent::Function& draw);

// A 1-pixel line in `color` two pixels below the top of `r`, from leftOffset + 4 pixels right
// of its left to two pixels before its right.
void DrawMenuSeparator(fw::Canvas& canvas, const fw::Rect& r, fw::Color color, int leftOffset);
// The top 12 rows of MACOS_MENU_BAR stretched over `r`.
void DrawMacOSMenuSeparator(fw::Canvas& canvas, const fw::Rect& r);
// The top 20 rows of MACOS_MENU_SELECT stretched over `r`.
void DrawMacOSMenuSelected(fw::Canvas& canvas, const fw::Rect& r);
// The top 20 rows of MACOS_MENU_BAR stretched over `r`.
void DrawMacOSMenuBackground(fw::Canvas& canvas, const fw::Rect& r);

// The border of an open menu whose window covers `w` (screen coordinates) drawn on `canvas`:
// a frame in borderColor, a white frame inside it, and edgeColor along the bottom, the right
// and the top.
void DrawMenuWindowBorder(fw::Canvas& canvas, const fw::Rect& w, fw::Color borderColor, fw::Color edgeColor);
// The same on the screen around `window`.
void DrawMenuWindowBorder(HWND window, fw::Color borderColor, fw::Color edgeColor);

// `font` takes the system's menu font and the menu text colour; when the system cannot tell,
// `font` stays as it was.
void SetSystemMenuFont(fw::Font& font);
