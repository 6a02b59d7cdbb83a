#pragma once
// Routines every skinned component shares: cutting skin bitmaps into frames and laying them
// over rectangles, borders and fills, passing a style down to child controls, and a few window
// chores. None keeps state. Fuchsia (#FF00FF) is the transparent colour of skin images.

#include "framework/core/Color.h"
#include "framework/graphics/Geometry.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>
#include <string_view>

namespace fw {
class Bitmap;
class Canvas;
class Component;
class Control;
class Form;
class Picture;
class WinControl;
} // namespace fw

// --- bitmaps ---

// `dest` becomes frame frameIndex (1-based) of `source` cut into frameCount blocks of equal
// width (source width div frameCount); `source` and `dest` may be the same bitmap. Throws
// fw::Exception unless 1 <= frameIndex <= frameCount.
void CutBitmapFrame(const fw::Bitmap& source, fw::Bitmap& dest, int frameCount, int frameIndex);

// Draws `bitmap` over `rect` in nine pieces: corners at natural size, the middle column and rows
// stretched (see NineGridLayout). Corners leave their fuchsia pixels out when `transparent`
// is true and draw them when it is false; the edges and the centre always leave fuchsia out.
// Nothing is drawn outside `rect`.
void DrawNineGridBitmap(const fw::Bitmap& bitmap, fw::Canvas& canvas, const fw::Rect& rect, bool transparent);

// `bitmap` holds three equal frames: the first drawn at rect's left, the third at its right,
// both leaving out the bitmap's top-left colour (cornerTransparent) or fuchsia; the second
// stretched opaque between them. A bitmap narrower than 3 pixels draws nothing.
void DrawThreePartBitmap(const fw::Bitmap& bitmap, fw::Canvas& canvas, const fw::Rect& rect, bool cornerTransparent);

// Draws `picture` in rows and columns from the canvas point (0, 0), far enough to cover a
// rectangle of rect's size and one picture more. An empty picture draws nothing.
void TilePicture(fw::Canvas& canvas, const fw::Picture& picture, const fw::Rect& rect);

// Quarter turns in place: W x H becomes H x W. Left moves (x, y) to (y, W - 1 - x); right
// moves it to (H - 1 - y, x).
void RotateBitmapLeft(fw::Bitmap& bitmap);
void RotateBitmapRight(fw::Bitmap& bitmap);

// --- borders and fills ---

// Two 1-pixel frames on the control's whole window (non-client part included): outerColor
// along the edge, innerColor one pixel inside. Nothing without a control or its window.
void DrawControlBorder(fw::WinControl* control, fw::Color outerColor, fw::Color innerColor);
// Paints the parent's background and content under the control into `canvas`, so the control
// looks transparent. Nothing without a parent.
void DrawParentBackground(fw::Canvas& canvas, fw::Control* control);
// A 1-pixel frame just inside `r`, and a fill of `r`, in `color` (the brush takes the colour).
void FrameRectColor(fw::Canvas& canvas, const fw::Rect& r, fw::Color color);
void FillRectColor(fw::Canvas& canvas, const fw::Rect& r, fw::Color color);

// --- styles and properties ---

// Sets FileTheme, then UIStyle, on every direct child control of `container` (in child order)
// that publishes both properties; the others are skipped.
void ContainerApplyUIStyle(fw::WinControl* container, TsuiUIStyle uiStyle, fw::Component* fileTheme);
// Whether the component's class publishes a property of that name (letter case ignored).
bool HasProperty(const fw::Component* component, std::string_view propertyName);
// The zero-terminated text as a string; no text gives the empty string.
std::string PCharToStr(const char* text);

// --- windows and forms ---

// True when Left <= x <= Right and Top <= y <= Bottom: the right and bottom edges count.
bool InRect(fw::Point p, const fw::Rect& r);
bool InRect(int x, int y, const fw::Rect& r);
// The desktop work area (the screen without task bars); false when the system cannot tell.
bool GetWorkAreaRect(fw::Rect& r);
// Left, then Top, then Width and Height from the rectangle.
void SetFormBoundsRect(fw::Control* form, const fw::Rect& r);
// Left := p.X, then Top := p.Y.
void PlaceControl(fw::Control* control, fw::Point p);
// False while another program is active; otherwise true for no form, the main form, or a form
// that is the active window.
bool FormHasFocus(fw::Form* form);
