#pragma once
// Masked pixel copies onto any device context, exact to the pixel: the device's pixels under
// the block are read into a DIB, the drawn pixels replaced, and the block written back, so
// nothing is blended and the context's origin and clip apply as for any copy.

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace fw::detail {

// Writes the pixels of a w x h block (rows `stride` words apart) whose byte in `opaque` (same
// layout, w bytes a row) is non-zero onto `dc` at logical (x, y). A null `opaque` writes all.
void BlitMasked(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels, std::size_t stride,
                const std::uint8_t* opaque);

} // namespace fw::detail
