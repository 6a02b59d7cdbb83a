#pragma once
// Readable failure messages for image comparisons.

#include "framework/imaging/PixelImage.h"

#include <ostream>

namespace fw {

// Size, first pixel and a checksum: enough to tell two images apart at a glance.
inline void PrintTo(const PixelImage& image, std::ostream* os) {
    uint32_t sum = 0;
    for (uint32_t p : image.Pixels())
        sum = sum * 31 + p;
    *os << image.Width() << "x" << image.Height() << " image";
    if (!image.Empty())
        *os << ", top-left " << std::hex << image.Pixel(0, 0) << ", checksum " << sum << std::dec;
}

} // namespace fw
