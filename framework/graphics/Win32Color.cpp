#include "framework/graphics/Win32Color.h"

namespace fw {

COLORREF ColorToRgb(Color c) {
    if (IsSystemColor(c)) return GetSysColor(SystemColorIndex(c));
    if (c == clNone || c == clDefault) return RGB(0, 0, 0);
    return c & 0x00FFFFFFu;
}

} // namespace fw
