#pragma once
// Helpers of the graphics tests: pixel counts and bounds on off-screen bitmaps, and a message
// pump that waits for a condition without sleeping.

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Geometry.h"
#include "tests/win/support/PumpUntil.h"

#include <windows.h>

#include <algorithm>
#include <functional>

namespace graphics_test {

// Number of pixels inside `r` for which `pred(colour)` holds.
inline int CountPixels(const fw::Bitmap& b, const fw::Rect& r, const std::function<bool(fw::Color)>& pred) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (pred(b.Pixel(x, y))) ++n;
    return n;
}

inline int CountColour(const fw::Bitmap& b, const fw::Rect& r, fw::Color c) {
    return CountPixels(b, r, [c](fw::Color p) { return p == c; });
}

inline fw::Rect Whole(const fw::Bitmap& b) { return fw::Rect{0, 0, b.Width(), b.Height()}; }

// Bounding box of the pixels that differ from `background`; empty when none does.
inline fw::Rect ChangedBounds(const fw::Bitmap& b, fw::Color background) {
    fw::Rect box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Empty() ? fw::Rect{} : box;
}

inline fw::Bitmap Filled(int w, int h, fw::Color c) {
    fw::Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
    return b;
}

using wintest::PumpUntil;

} // namespace graphics_test
