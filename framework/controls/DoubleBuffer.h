#pragma once
// The double buffering self-drawn controls share: painting goes into an off-screen bitmap of
// the control's full size, which is then copied to the screen in one BitBlt. The bitmap is kept
// between paints and only remade when the size changes.

#include "framework/graphics/Bitmap.h"

#include <windows.h>

#include <functional>

namespace fw {

class DoubleBuffer {
public:
    // Runs `paint` on the buffer's device context (width x height, origin at the top-left),
    // then copies the buffer onto `target` at (0, 0).
    void Paint(HDC target, int width, int height, const std::function<void(HDC)>& paint);

    // The pixels of the latest paint.
    const Bitmap& Buffer() const { return bitmap_; }
    // Gives the memory back (the next paint makes it again).
    void Release() { bitmap_ = Bitmap(); }

private:
    Bitmap bitmap_;
};

} // namespace fw
