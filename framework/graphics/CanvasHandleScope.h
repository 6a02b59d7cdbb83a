#pragma once
// Lends a device context to a canvas for a block; the canvas gives it back (its own objects
// deselected) on every way out.

#include "framework/graphics/Canvas.h"

namespace fw {

class CanvasHandleScope {
public:
    CanvasHandleScope(Canvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
    ~CanvasHandleScope() { canvas_.SetHandle(nullptr); }
    CanvasHandleScope(const CanvasHandleScope&) = delete;
    CanvasHandleScope& operator=(const CanvasHandleScope&) = delete;

private:
    Canvas& canvas_;
};

} // namespace fw
