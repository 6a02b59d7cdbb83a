#include "tools/iconart/IconPainter.h"

#include <algorithm>
#include <cmath>

namespace iconart {

namespace {

constexpr int kSamples = 8;

struct Colour {
    double r, g, b;
};

Colour Mix(Colour a, Colour b, double t) {
    return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool InRoundRect(double x, double y, double left, double top, double right, double bottom, double radius) {
    if (x < left || x > right || y < top || y > bottom) return false;
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// The colour of the topmost shape at a unit-square point; false where nothing is drawn.
bool Sample(double x, double y, Colour& out) {
    // Keyhole: a round head and a narrow slot.
    const bool keyhole = std::hypot(x - 0.5, y - 0.64) <= 0.075 || (x >= 0.465 && x <= 0.535 && y >= 0.64 && y <= 0.82);
    // Body with a dark rim and a warm gradient from top to bottom.
    if (InRoundRect(x, y, 0.12, 0.46, 0.88, 0.94, 0.09)) {
        if (keyhole) {
            out = Colour{52, 36, 12};
        } else if (!InRoundRect(x, y, 0.165, 0.505, 0.835, 0.895, 0.06)) {
            out = Colour{128, 80, 8};
        } else {
            out = Mix(Colour{250, 208, 84}, Colour{206, 134, 18}, (y - 0.505) / 0.39);
        }
        return true;
    }
    // Shackle: the upper half of a ring, with straight legs down into the body.
    const double r = std::hypot(x - 0.5, y - 0.36);
    const bool arc = y <= 0.36 && r >= 0.16 && r <= 0.29;
    const bool legs = y > 0.36 && y <= 0.5 && ((x >= 0.21 && x <= 0.34) || (x >= 0.66 && x <= 0.79));
    if (arc || legs) {
        // A lighter streak along the ring's middle gives the steel some depth.
        const double across = arc ? (r - 0.16) / 0.13 : (x < 0.5 ? (x - 0.21) / 0.13 : (0.79 - x) / 0.13);
        out = Mix(Colour{92, 104, 122}, Colour{200, 210, 224}, 1.0 - std::abs(across - 0.45) * 2.0);
        return true;
    }
    return false;
}

} // namespace

std::vector<Rgba> PaintPadlock(int size) {
    std::vector<Rgba> pixels(static_cast<size_t>(size) * static_cast<size_t>(size));
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    Colour c{};
                    if (!Sample(x, y, c)) continue;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                    ++covered;
                }
            }
            Rgba& p = pixels[static_cast<size_t>(py) * static_cast<size_t>(size) + static_cast<size_t>(px)];
            if (covered == 0) continue;
            p.r = static_cast<std::uint8_t>(std::lround(r / covered));
            p.g = static_cast<std::uint8_t>(std::lround(g / covered));
            p.b = static_cast<std::uint8_t>(std::lround(b / covered));
            p.a = static_cast<std::uint8_t>(std::lround(255.0 * covered / (kSamples * kSamples)));
        }
    }
    return pixels;
}

} // namespace iconart
