#pragma once
// Surface treatments shared by the looks. Each fills a shape that lies within `b` (usually the
// rounded rectangle of `b`, a circle when the radius is half its side) with shading,
// highlights and a rim.

#include "tools/skinart/Canvas.h"

namespace skinart {

struct Bounds {
    float left;
    float top;
    float right;
    float bottom;
    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
};

Sdf Shape(const Bounds& b, float radius);
// The ring of the given width just inside a shape's edge.
Sdf Rim(const Sdf& shape, float width = 1.0f);

// A glossy gel: deeper colour at the top brightening toward the bottom, a bright highlight
// over the upper half and a darker rim. Without `glow` the shading depends on y only, so a
// slice of the middle can be stretched sideways.
void Gel(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb base, Rgb rim, bool glow = true);
// Glass: a light upper half over a deeper lower half that brightens toward the bottom edge.
void Glass(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb light, Rgb deep, Rgb rim, bool glow = true);
// A plain vertical gradient with a rim, for the flatter looks.
void Satin(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb top, Rgb bottom, Rgb rim);
// A soft shadow of the shape, `drop` pixels lower.
void Shadow(Canvas& canvas, const Sdf& shape, float drop, float strength);

} // namespace skinart
