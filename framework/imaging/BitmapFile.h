#pragma once
// Reading and writing Windows bitmap (.bmp) files held in memory.
//
// The decoder treats its input as hostile: every offset and size is checked against the buffer,
// nothing is allocated before the dimensions have been checked against the data and against
// fixed limits, and every inconsistency is refused with a BitmapFileError.
//
// Alpha follows what the system loader puts into a 32-bit DIB section: 32-bit pixels that are
// already in its byte order (plain 32-bit files, and bit fields 00FF0000/0000FF00/000000FF) are
// copied as they are, fourth byte included; every other format, alpha masks included, decodes
// with alpha 0. Pixels an RLE stream skips get palette colour 0, as with the system loader.

#include "framework/core/Exception.h"
#include "framework/imaging/PixelImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

class BitmapFileError : public Exception {
public:
    using Exception::Exception;
};

// Limits on what the decoder will allocate, whatever the file claims.
constexpr int kMaxBitmapSide = 16384;
constexpr int64_t kMaxBitmapPixels = int64_t{64} << 20;

// Decodes a whole bitmap file (starting with "BM"): 1, 4 and 8 bits with a palette, RLE8, RLE4,
// 16 and 32 bits (plain or bit fields), 24 bits; bottom-up or top-down rows; OS/2 1.x and 2.x,
// Windows 3 and V2 to V5 headers. Throws BitmapFileError with a clear message otherwise.
PixelImage DecodeBitmapFile(const uint8_t* data, size_t size);
inline PixelImage DecodeBitmapFile(const std::vector<uint8_t>& bytes) {
    return DecodeBitmapFile(bytes.data(), bytes.size());
}

// Writes a bottom-up file with a 40-byte header: 24 bits per pixel (alpha dropped) or 32 bits
// per pixel (alpha kept in the reserved byte). Throws BitmapFileError for other depths and for
// images beyond the decoder's limits.
std::vector<uint8_t> EncodeBitmapFile(const PixelImage& image, int bitsPerPixel = 24);

} // namespace fw
