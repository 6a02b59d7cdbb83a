#include "tools/skinart/Glyphs.h"

namespace skinart {

namespace {

Sdf WindowOutline(float left, float top, float right, float bottom, float stroke) {
    const float half = stroke / 2;
    const Sdf frame = Outline(Box(left + half, top + half, right - half, bottom - half), stroke);
    // A heavier top edge reads as a window's caption.
    const Sdf caption = Box(left, top, right, top + stroke * 2);
    return Union(frame, caption);
}

} // namespace

Sdf TitleGlyphShape(TitleGlyph glyph, float cx, float cy, float size, float stroke) {
    const float h = size / 2;
    switch (glyph) {
    case TitleGlyph::Close: {
        const float k = h - stroke / 2;
        return Union(Capsule({cx - k, cy - k}, {cx + k, cy + k}, stroke),
                     Capsule({cx - k, cy + k}, {cx + k, cy - k}, stroke));
    }
    case TitleGlyph::Minimize:
        return Box(cx - h, cy + h * 0.65f - stroke * 0.55f, cx + h, cy + h * 0.65f + stroke * 0.55f);
    case TitleGlyph::Maximize:
        return WindowOutline(cx - h, cy - h, cx + h, cy + h, stroke);
    case TitleGlyph::Restore: {
        const float s = size * 0.72f;
        const float d = size - s;
        const Sdf front = WindowOutline(cx - h, cy - h + d, cx - h + s, cy + h, stroke);
        const Sdf back = WindowOutline(cx - h + d, cy - h, cx + h, cy - h + s, stroke);
        // The back window is hidden where the front one covers it.
        return Union(front, Subtract(back, Grow(Box(cx - h, cy - h + d, cx - h + s, cy + h), stroke * 0.6f)));
    }
    case TitleGlyph::Help:
        // A question mark needs more room than the other glyphs to stay legible.
        return QuestionMark(cx, cy, size * 1.3f, stroke * 0.9f);
    case TitleGlyph::ControlBox:
        return Polygon({{cx - h, cy - h * 0.45f}, {cx + h, cy - h * 0.45f}, {cx, cy + h * 0.6f}});
    }
    return Circle(cx, cy, 0);
}

Sdf Arrow(Direction direction, float cx, float cy, float size) {
    const float h = size / 2;
    const float q = size * 0.3f;
    const Sdf up = Polygon({{cx - h, cy + q}, {cx + h, cy + q}, {cx, cy - q}});
    switch (direction) {
    case Direction::Up:
        return up;
    case Direction::Right:
        return Turn(up, cx, cy, 1);
    case Direction::Down:
        return Turn(up, cx, cy, 2);
    case Direction::Left:
        return Turn(up, cx, cy, 3);
    }
    return up;
}

Sdf Chevron(Direction direction, float cx, float cy, float size, float stroke) {
    const float h = size / 2 - stroke / 2;
    const float q = size * 0.22f;
    const Sdf up = Union(Capsule({cx - h, cy + q}, {cx, cy - q}, stroke), Capsule({cx, cy - q}, {cx + h, cy + q}, stroke));
    switch (direction) {
    case Direction::Up:
        return up;
    case Direction::Right:
        return Turn(up, cx, cy, 1);
    case Direction::Down:
        return Turn(up, cx, cy, 2);
    case Direction::Left:
        return Turn(up, cx, cy, 3);
    }
    return up;
}

Sdf CheckMark(float cx, float cy, float size, float stroke) {
    const Point a{cx - 0.40f * size, cy + 0.02f * size};
    const Point b{cx - 0.12f * size, cy + 0.30f * size};
    const Point c{cx + 0.42f * size, cy - 0.36f * size};
    return Union(Capsule(a, b, stroke), Capsule(b, c, stroke));
}

Sdf ExclamationMark(float cx, float cy, float size) {
    const float w = size * 0.22f;
    const float top = cy - size * 0.42f;
    const float bottom = cy + size * 0.14f;
    const Sdf bar = Union(Polygon({{cx - w / 2, top}, {cx + w / 2, top}, {cx + w * 0.28f, bottom}, {cx - w * 0.28f, bottom}}),
                          Union(Circle(cx, top, w / 2), Circle(cx, bottom, w * 0.28f)));
    return Union(bar, Circle(cx, cy + size * 0.36f, w * 0.6f));
}

Sdf CrossMark(float cx, float cy, float size, float stroke) {
    const float k = size / 2 - stroke / 2;
    return Union(Capsule({cx - k, cy - k}, {cx + k, cy + k}, stroke), Capsule({cx - k, cy + k}, {cx + k, cy - k}, stroke));
}

Sdf InfoMark(float cx, float cy, float size) {
    const float w = size * 0.2f;
    const Sdf dot = Circle(cx, cy - size * 0.34f, w * 0.62f);
    const float top = cy - size * 0.12f;
    const float bottom = cy + size * 0.42f;
    const Sdf stem = Box(cx - w / 2, top, cx + w / 2, bottom);
    const Sdf serifTop = Box(cx - w * 1.1f, top, cx + w / 2, top + w * 0.55f);
    const Sdf foot = Box(cx - w * 1.2f, bottom - w * 0.55f, cx + w * 1.2f, bottom);
    return Union({dot, stem, serifTop, foot});
}

Sdf QuestionMark(float cx, float cy, float size, float stroke) {
    const float r = size * 0.26f;
    const float arcY = cy - size * 0.2f;
    const Sdf hook = Arc(cx, arcY, r, 185.0f, 90.0f, stroke);
    const Sdf stem = Capsule({cx, arcY + r}, {cx, cy + size * 0.16f}, stroke);
    const Sdf dot = Circle(cx, cy + size * 0.4f, stroke * 0.62f);
    return Union({hook, stem, dot});
}

} // namespace skinart
