#include "tools/skinart/Paint.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace skinart {

Rgb Mix(Rgb a, Rgb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Washed(Rgb c, Rgb toward, float amount) {
    const float grey = 0.30f * c.r + 0.59f * c.g + 0.11f * c.b;
    return Mix(Mix(c, Rgb{grey, grey, grey}, 0.7f), toward, amount);
}

Rgb SampleStops(const std::vector<Stop>& stops, float at) {
    if (stops.empty()) {
        return kBlack;
    }
    if (at <= stops.front().at) {
        return stops.front().colour;
    }
    for (size_t i = 1; i < stops.size(); ++i) {
        if (at <= stops[i].at) {
            const float span = stops[i].at - stops[i - 1].at;
            const float t = span > 0 ? (at - stops[i - 1].at) / span : 1.0f;
            return Mix(stops[i - 1].colour, stops[i].colour, t);
        }
    }
    return stops.back().colour;
}

float SampleLevels(const std::vector<std::pair<float, float>>& levels, float at) {
    if (levels.empty()) {
        return 1.0f;
    }
    if (at <= levels.front().first) {
        return levels.front().second;
    }
    for (size_t i = 1; i < levels.size(); ++i) {
        if (at <= levels[i].first) {
            const float span = levels[i].first - levels[i - 1].first;
            const float t = span > 0 ? (at - levels[i - 1].first) / span : 1.0f;
            return levels[i - 1].second + (levels[i].second - levels[i - 1].second) * t;
        }
    }
    return levels.back().second;
}

Paint Solid(Rgb colour) {
    return [colour](float, float) { return colour; };
}

Paint VerticalGradient(std::vector<Stop> stops) {
    return [stops = std::move(stops)](float, float y) { return SampleStops(stops, y); };
}

Paint HorizontalGradient(std::vector<Stop> stops) {
    return [stops = std::move(stops)](float x, float) { return SampleStops(stops, x); };
}

Paint RadialGradient(float cx, float cy, float rx, float ry, std::vector<Stop> stops) {
    return [=, stops = std::move(stops)](float x, float y) {
        const float dx = (x - cx) / rx;
        const float dy = (y - cy) / ry;
        return SampleStops(stops, std::sqrt(dx * dx + dy * dy));
    };
}

Opacity ConstantOpacity(float alpha) {
    return [alpha](float, float) { return alpha; };
}

Opacity VerticalOpacity(std::vector<std::pair<float, float>> levels) {
    return [levels = std::move(levels)](float, float y) { return SampleLevels(levels, y); };
}

} // namespace skinart
