#pragma once
// Reading and writing Windows bitmap (.bmp) files held in memory.
//
// The decoder treats its input as hostile: every offset and size is checked against the buffer,
// nothing is allocated before the dimensions have been checked against the data and against
// fixed limits, and every inconsistency is refused with a BitmapFileError.
//
// Alpha: formats without an alpha channel decode with alpha 0, which is what a 32-bit DIB
// section holds after the system loader read such a file. The fourth byte of a plain 32-bit
// pixel is reserved, not alpha, and is ignored. Only a bit-field file that declares an alpha
// mask (56-byte, V4 and V5 headers, or alpha bit fields) yields its alpha channel.

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
