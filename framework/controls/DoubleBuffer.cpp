#include "framework/controls/DoubleBuffer.h"

#include "framework/graphics/Canvas.h"

namespace fw {

void DoubleBuffer::Paint(HDC target, int width, int height, const std::function<void(HDC)>& paint) {
    if (width <= 0 || height <= 0) return;
    if (bitmap_.Width() != width || bitmap_.Height() != height) bitmap_ = Bitmap(width, height);
    HDC dc = bitmap_.Canvas().Handle();
    const int saved = SaveDC(dc);
    try {
        paint(dc);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
    GdiFlush();
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace fw
