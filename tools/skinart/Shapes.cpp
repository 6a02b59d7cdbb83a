#include "tools/skinart/Shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace skinart {

namespace {

float Length(float x, float y) { return std::sqrt(x * x + y * y); }

float SegmentDistance(float px, float py, Point a, Point b) {
    const float bx = b.x - a.x;
    const float by = b.y - a.y;
    const float len2 = bx * bx + by * by;
    float t = len2 > 0 ? ((px - a.x) * bx + (py - a.y) * by) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    return Length(px - a.x - bx * t, py - a.y - by * t);
}

} // namespace

Sdf Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return Length(x - cx, y - cy) - radius; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float k = Length((x - cx) / rx, (y - cy) / ry);
        return (k - 1.0f) * std::min(rx, ry);
    };
}

Sdf RoundRect(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2;
    const float cy = (top + bottom) / 2;
    const float hx = (right - left) / 2;
    const float hy = (bottom - top) / 2;
    const float r = std::min({radius, hx, hy});
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx + r;
        const float qy = std::abs(y - cy) - hy + r;
        return Length(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
    };
}

Sdf Capsule(Point a, Point b, float width) {
    return [=](float x, float y) { return SegmentDistance(x, y, a, b) - width / 2; };
}

Sdf Arc(float cx, float cy, float radius, float from, float to, float width) {
    const float toRad = std::numbers::pi_v<float> / 180.0f;
    const float a0 = from * toRad;
    float sweep = (to - from) * toRad;
    while (sweep < 0) {
        sweep += 2 * std::numbers::pi_v<float>;
    }
    const Point start{cx + radius * std::cos(a0), cy + radius * std::sin(a0)};
    const Point end{cx + radius * std::cos(a0 + sweep), cy + radius * std::sin(a0 + sweep)};
    return [=](float x, float y) {
        float angle = std::atan2(y - cy, x - cx) - a0;
        while (angle < 0) {
            angle += 2 * std::numbers::pi_v<float>;
        }
        float d;
        if (angle <= sweep) {
            d = std::abs(Length(x - cx, y - cy) - radius);
        } else {
            d = std::min(Length(x - start.x, y - start.y), Length(x - end.x, y - end.y));
        }
        return d - width / 2;
    };
}

Sdf Polygon(std::vector<Point> points) {
    return [p = std::move(points)](float x, float y) {
        const size_t n = p.size();
        float d = SegmentDistance(x, y, p[n - 1], p[0]);
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            d = std::min(d, SegmentDistance(x, y, p[j], p[i]));
            if ((p[i].y > y) != (p[j].y > y) &&
                x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x) {
                inside = !inside;
            }
        }
        return inside ? -d : d;
    };
}

Sdf Pointer(float width, float length) {
    // Drawn one pixel inside and grown back, which rounds every corner by a pixel.
    const float w = width;
    return Grow(Polygon({{1.5f, 1.5f},
                         {w - 1.5f, 1.5f},
                         {w - 1.5f, length - w / 2 - 1.0f},
                         {w / 2, length - 1.8f},
                         {1.5f, length - w / 2 - 1.0f}}),
                1.0f);
}

Sdf Union(Sdf a, Sdf b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Sdf Union(std::vector<Sdf> shapes) {
    return [s = std::move(shapes)](float x, float y) {
        float d = 1e9f;
        for (const Sdf& shape : s) {
            d = std::min(d, shape(x, y));
        }
        return d;
    };
}

Sdf Intersect(Sdf a, Sdf b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Sdf Subtract(Sdf a, Sdf b) {
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Sdf Grow(Sdf shape, float amount) {
    return [s = std::move(shape), amount](float x, float y) { return s(x, y) - amount; };
}

Sdf Outline(Sdf shape, float width) {
    return [s = std::move(shape), width](float x, float y) { return std::abs(s(x, y)) - width / 2; };
}

Sdf Above(float edge) {
    return [edge](float, float y) { return y - edge; };
}

Sdf Below(float edge) {
    return [edge](float, float y) { return edge - y; };
}

Sdf Shift(Sdf shape, float dx, float dy) {
    return [s = std::move(shape), dx, dy](float x, float y) { return s(x - dx, y - dy); };
}

Sdf Turn(Sdf shape, float cx, float cy, int quarters) {
    const int q = ((quarters % 4) + 4) % 4;
    return [s = std::move(shape), cx, cy, q](float x, float y) {
        float dx = x - cx;
        float dy = y - cy;
        // Undo the clockwise turn: rotate the query point counter-clockwise.
        for (int i = 0; i < q; ++i) {
            const float t = dx;
            dx = dy;
            dy = -t;
        }
        return s(cx + dx, cy + dy);
    };
}

} // namespace skinart
