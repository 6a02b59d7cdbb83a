#pragma once
// Writes images as Windows bitmap files: bottom-up rows, a 40-byte info header, 24 bits per
// pixel (through the framework's writer), or 8 bits with a palette of at most 256 colours
// (Quantizer reduces richer images).

#include "tools/skinart/Image.h"

#include <cstdint>
#include <vector>

namespace skinart {

std::vector<uint8_t> EncodeBmp24(const Image& image);
std::vector<uint8_t> EncodeBmp8(const Image& image);

} // namespace skinart
