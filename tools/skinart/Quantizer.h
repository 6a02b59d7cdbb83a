#pragma once
// Reduces an image to a palette for 8-bit files. Images with few enough colours keep them all
// exactly; richer ones are reduced by median cut, so gradients keep evenly spread steps.
// Fuchsia, when present, is always kept exactly.

#include "tools/skinart/Image.h"

#include <cstdint>
#include <vector>

namespace skinart {

struct Quantized {
    std::vector<Rgb8> palette;
    // One palette index per pixel, rows top to bottom.
    std::vector<uint8_t> indices;
};

Quantized Quantize(const Image& image, size_t maxColours);

} // namespace skinart
