#pragma once
// Colours and the paints shapes are filled with: a paint gives the colour at a point of the
// image (pixel centres sit at x + 0.5, y + 0.5).

#include <cstdint>
#include <functional>
#include <vector>

namespace skinart {

// Channels on a 0..255 scale; kept as floats so that blends round only once, at the end.
struct Rgb {
    float r = 0;
    float g = 0;
    float b = 0;
};

constexpr Rgb Hex(uint32_t rgb) {
    return {float((rgb >> 16) & 0xFF), float((rgb >> 8) & 0xFF), float(rgb & 0xFF)};
}

constexpr Rgb kWhite = Hex(0xFFFFFF);
constexpr Rgb kBlack = Hex(0x000000);

// t = 0 gives a, t = 1 gives b; t is clamped to 0..1.
Rgb Mix(Rgb a, Rgb b, float t);
inline Rgb Lighter(Rgb c, float t) { return Mix(c, kWhite, t); }
inline Rgb Darker(Rgb c, float t) { return Mix(c, kBlack, t); }
// Greys the colour out toward a flat disabled look.
Rgb Washed(Rgb c, Rgb toward, float amount);

using Paint = std::function<Rgb(float x, float y)>;
using Opacity = std::function<float(float x, float y)>;

struct Stop {
    float at;
    Rgb colour;
};

// Stops must be in increasing order of `at`; outside them the end colours hold.
Rgb SampleStops(const std::vector<Stop>& stops, float at);
float SampleLevels(const std::vector<std::pair<float, float>>& levels, float at);

Paint Solid(Rgb colour);
// Stops are y (or x) positions in pixels.
Paint VerticalGradient(std::vector<Stop> stops);
Paint HorizontalGradient(std::vector<Stop> stops);
// Stops are fractions of the ellipse's radii, 0 at the centre and 1 on the rim.
Paint RadialGradient(float cx, float cy, float rx, float ry, std::vector<Stop> stops);

Opacity ConstantOpacity(float alpha);
// (y, alpha) pairs in increasing y.
Opacity VerticalOpacity(std::vector<std::pair<float, float>> levels);

} // namespace skinart
