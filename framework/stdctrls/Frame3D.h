#pragma once
// The raised and sunken rings the standard controls draw around themselves (panel bevels,
// group box frames, tool and speed button edges).

#include "framework/core/Color.h"
#include "framework/graphics/Geometry.h"

namespace fw {

class Canvas;

// Draws `width` one-pixel rings just inside `r`, the top and left sides in `topLeft` and the
// bottom and right sides in `bottomRight`, and shrinks `r` by them.
void Frame3D(Canvas& canvas, Rect& r, Color topLeft, Color bottomRight, int width = 1);

// The etched line of a group box or separator: a shadow ring with a highlight ring one pixel
// right and below (within `r`).
void EtchedFrame(Canvas& canvas, const Rect& r);

} // namespace fw
