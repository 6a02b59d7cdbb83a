#pragma once
// Shapes as signed distance functions: negative inside, positive outside, in pixels. The
// canvas turns the distance at each pixel centre into coverage, which anti-aliases every edge.
// Coordinates are in pixel units with pixel (i, j) covering [i, i + 1) x [j, j + 1).

#include <functional>
#include <vector>

namespace skinart {

using Sdf = std::function<float(float x, float y)>;

struct Point {
    float x;
    float y;
};

Sdf Circle(float cx, float cy, float radius);
// Approximate distance; good enough for soft highlights.
Sdf Ellipse(float cx, float cy, float rx, float ry);
// Rectangle (left, top, right, bottom) with rounded corners of the given radius.
Sdf RoundRect(float left, float top, float right, float bottom, float radius);
inline Sdf Box(float left, float top, float right, float bottom) {
    return RoundRect(left, top, right, bottom, 0);
}
// A stroke of the given width from a to b with round ends.
Sdf Capsule(Point a, Point b, float width);
// A stroke of the given width along an arc of the circle (cx, cy, radius), drawn clockwise
// from angle `from` to angle `to` (degrees, 0 pointing right, 90 pointing down), round ends.
Sdf Arc(float cx, float cy, float radius, float from, float to, float width);
// Any simple polygon.
Sdf Polygon(std::vector<Point> points);

// A slider's tab: flat top, straight sides, pointing down, in a width x length box at (0, 0).
Sdf Pointer(float width, float length);

Sdf Union(Sdf a, Sdf b);
Sdf Union(std::vector<Sdf> shapes);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);
// Grows the shape by `amount` pixels (shrinks it for a negative amount).
Sdf Grow(Sdf shape, float amount);
// A ring of the given width centred on the shape's edge.
Sdf Outline(Sdf shape, float width);
// Everything in the half-plane y < edge (or y >= edge when `below`).
Sdf Above(float edge);
Sdf Below(float edge);
// The shape moved by (dx, dy).
Sdf Shift(Sdf shape, float dx, float dy);
// The shape turned a quarter turn clockwise `quarters` times about (cx, cy).
Sdf Turn(Sdf shape, float cx, float cy, int quarters);

} // namespace skinart
