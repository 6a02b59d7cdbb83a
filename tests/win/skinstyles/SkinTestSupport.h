#pragma once
// Helpers of the skin drawing tests: images whose pixels tell where they came from, and checks
// of which source pixel landed where.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Geometry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace skintest {

// The colour of source pixel (x, y) in a coded image: red x, green y, blue 0x40 (never fuchsia,
// never the background).
constexpr fw::Color Coded(int x, int y) {
    return fw::RgbColor(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0x40);
}
constexpr fw::Color kBackground = fw::RgbColor(0x10, 0x20, 0x30);

inline fw::Bitmap CodedBitmap(int w, int h) {
    fw::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, Coded(x, y));
    return b;
}

inline fw::Bitmap FilledBitmap(int w, int h, fw::Color c) {
    fw::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
    return b;
}

inline std::string Where(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// Every pixel of `r` in `b` must equal source(x, y); reports the first few mismatches only.
inline void ExpectRegion(const fw::Bitmap& b, const fw::Rect& r, const std::function<fw::Color(int, int)>& source,
                         const std::string& what) {
    int failures = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            const fw::Color want = source(x, y);
            const fw::Color got = b.Pixel(x, y);
            if (got != want && failures++ < 3)
                ADD_FAILURE() << what << " at " << Where(x, y) << ": got " << std::hex << got << ", want " << want;
        }
}

// Source pixel (sx, sy) of a coded image, for every target pixel.
inline std::function<fw::Color(int, int)> From(std::function<int(int)> sx, std::function<int(int)> sy) {
    return [sx, sy](int x, int y) { return Coded(sx(x), sy(y)); };
}

} // namespace skintest
