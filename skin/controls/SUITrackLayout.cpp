#include "skin/controls/SUITrackLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

int TrackSliderOffset(std::int32_t position, std::int32_t min, std::int32_t max, int length, int sliderLength) {
    if (min >= max) return 0;
    const std::int64_t span = static_cast<std::int64_t>(length) - sliderLength;
    // |span * (position - min)| stays below 2^63 for pixel spans and 32-bit ranges.
    return static_cast<int>(span * (static_cast<std::int64_t>(position) - min) /
                            (static_cast<std::int64_t>(max) - min));
}

std::int64_t TrackPositionFromPoint(int point, std::int32_t min, std::int32_t max, int length, int sliderLength) {
    if (length <= sliderLength) return min;
    const double range = static_cast<double>(max) - min;
    const double scaled = (static_cast<double>(point) - sliderLength / 2) * range / (static_cast<double>(length) - sliderLength);
    // nearbyint rounds halves to the even neighbour in the default rounding mode; a point far
    // outside the track is held to what 64 bits can carry.
    constexpr double kLimit = 4.0e18;
    return static_cast<std::int64_t>(std::nearbyint(std::clamp(scaled, -kLimit, kLimit))) + min;
}

std::vector<int> TrackTickOffsets(std::int32_t min, std::int32_t max, int length, int sliderLength) {
    std::vector<int> offsets;
    if (min >= max) return offsets;
    const std::int64_t span = static_cast<std::int64_t>(length) - sliderLength;
    const std::int64_t range = static_cast<std::int64_t>(max) - min;
    const int centre = sliderLength / 2;
    if (range > (span < 0 ? -span : span)) {
        // Neighbouring values lie less than a pixel apart, so every pixel from 0 to span is hit.
        const int step = span < 0 ? -1 : 1;
        for (std::int64_t p = 0; p != span + step; p += step) offsets.push_back(static_cast<int>(p) + centre);
        return offsets;
    }
    for (std::int64_t v = 0; v <= range; ++v) {
        const int offset = static_cast<int>(span * v / range) + centre;
        if (offsets.empty() || offsets.back() != offset) offsets.push_back(offset);
    }
    return offsets;
}

int ScrollSliderLength(int lineButton, std::int32_t pageSize, int trackLength) {
    if (lineButton > 0) return std::max(lineButton, kMinLineButton);
    const std::int64_t percent = pageSize < 10 || pageSize > 100 ? 10 : pageSize;
    return static_cast<int>(percent * trackLength / 100);
}
