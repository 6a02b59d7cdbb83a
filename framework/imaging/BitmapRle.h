#pragma once
// The run-length encodings of 8-bit and 4-bit bitmap files, used by DecodeBitmapFile.

#include "framework/imaging/PixelImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

// Draws the RLE8 (bitCount 8) or RLE4 (bitCount 4) stream of `size` bytes into `image`, whose
// first row is the bottom one of the stream. Pixels the stream skips keep their value. Throws
// BitmapFileError when the stream runs out before its end marker, writes outside the image or
// uses a colour beyond `palette`.
void DecodeRle(const uint8_t* data, size_t size, int bitCount, const std::vector<uint32_t>& palette,
               PixelImage& image);

} // namespace fw
