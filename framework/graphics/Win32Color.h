#pragma once
// Model colours (0x00BBGGRR, or 0xFF0000nn for system colour nn) as GDI COLORREFs.

#include "framework/core/Color.h"

#include <windows.h>

#include <cstdint>

namespace fw {

// System colours are resolved now; clNone and clDefault give black.
COLORREF ColorToRgb(Color c);
// A COLORREF read back from GDI, as a model colour.
constexpr Color RgbToColor(COLORREF c) { return static_cast<Color>(c & 0x00FFFFFFu); }
// Between COLORREF (0x00BBGGRR) and DIB pixel words (0x00RRGGBB); pixel alpha is dropped.
constexpr std::uint32_t ColorRefToPixel(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr COLORREF PixelToColorRef(std::uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

} // namespace fw
