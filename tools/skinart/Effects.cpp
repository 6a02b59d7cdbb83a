#include "tools/skinart/Effects.h"

#include <algorithm>

namespace skinart {

Sdf Shape(const Bounds& b, float radius) {
    return RoundRect(b.left, b.top, b.right, b.bottom, radius);
}

Sdf Rim(const Sdf& shape, float width) {
    return Subtract(shape, Grow(shape, -width));
}

void Gel(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb base, Rgb rim, bool glow) {
    const float h = b.Height();
    const float mid = b.top + h * 0.5f;
    canvas.Fill(shape, VerticalGradient({{b.top, Darker(base, 0.12f)}, {mid, base}, {b.bottom, Lighter(base, 0.5f)}}));
    if (glow) {
        // Light passing through the gel gathers at the bottom.
        canvas.Fill(Intersect(shape, Below(mid)),
                    RadialGradient((b.left + b.right) / 2, b.bottom, b.Width() * 0.55f, h * 0.5f,
                                   {{0.0f, Lighter(base, 0.6f)}, {1.0f, base}}),
                    0.6f);
    }
    const float inset = std::max(1.5f, std::min(b.Width(), h) * 0.13f);
    const Sdf gloss = Intersect(Grow(shape, -inset), Above(b.top + h * 0.52f));
    canvas.Fill(Shift(gloss, 0, -inset + 1.0f), kWhite, VerticalOpacity({{b.top, 0.92f}, {mid, 0.2f}}));
    canvas.Fill(Rim(shape), rim);
}

void Glass(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb light, Rgb deep, Rgb rim, bool glow) {
    const float h = b.Height();
    const float mid = b.top + h * 0.48f;
    canvas.Fill(shape, VerticalGradient({{b.top, Lighter(light, 0.4f)},
                                         {mid, light},
                                         {mid + 0.01f, deep},
                                         {b.bottom, Lighter(deep, 0.4f)}}));
    if (glow) {
        canvas.Fill(Intersect(shape, Below(mid)),
                    RadialGradient((b.left + b.right) / 2, b.bottom, b.Width() * 0.6f, h * 0.55f,
                                   {{0.0f, Lighter(deep, 0.6f)}, {1.0f, deep}}),
                    0.55f);
    }
    canvas.Fill(Rim(shape), rim);
    canvas.Fill(Rim(Grow(shape, -1.0f)), kWhite, VerticalOpacity({{b.top, 0.6f}, {mid, 0.12f}, {b.bottom, 0.3f}}));
}

void Satin(Canvas& canvas, const Sdf& shape, const Bounds& b, Rgb top, Rgb bottom, Rgb rim) {
    canvas.Fill(shape, VerticalGradient({{b.top, top}, {b.bottom, bottom}}));
    canvas.Fill(Rim(shape), rim);
}

void Shadow(Canvas& canvas, const Sdf& shape, float drop, float strength) {
    canvas.Fill(Grow(Shift(shape, 0, drop), 0.3f), kBlack, strength);
}

} // namespace skinart
