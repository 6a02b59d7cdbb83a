#pragma once
// Model colours (0x00BBGGRR, or 0xFF0000nn for system colour nn) as GDI COLORREFs.

#include "framework/core/Color.h"

#include <windows.h>

namespace fw {

// System colours are resolved now; clNone and clDefault give black.
COLORREF ColorToRgb(Color c);
// A COLORREF read back from GDI, as a model colour.
constexpr Color RgbToColor(COLORREF c) { return static_cast<Color>(c & 0x00FFFFFFu); }

} // namespace fw
