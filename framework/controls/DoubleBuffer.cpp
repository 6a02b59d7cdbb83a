#include "framework/controls/DoubleBuffer.h"

#include "framework/graphics/Canvas.h"
#include "framework/system/SavedDCScope.h"

namespace fw {

void DoubleBuffer::Paint(HDC target, int width, int height, const std::function<void(HDC)>& paint) {
    if (width <= 0 || height <= 0) return;
    if (bitmap_.Width() != width || bitmap_.Height() != height) bitmap_ = Bitmap(width, height);
    HDC dc = bitmap_.Canvas().Handle();
    {
        SavedDCScope saved(dc);
        paint(dc);
    }
    GdiFlush();
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace fw
