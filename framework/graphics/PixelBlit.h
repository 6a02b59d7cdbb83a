#pragma once
// Masked pixel copies onto any device context, exact to the pixel: the device's pixels under
// the block are read into a DIB, the drawn pixels replaced, and the block written back, so
// nothing is blended and the context's origin and clip apply as for any copy.

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace fw {
class Bitmap;
}

namespace fw::detail {

// Writes the pixels of a w x h block (rows `stride` words apart) whose byte in `opaque` (same
// layout, w bytes a row) is non-zero onto `dc` at logical (x, y). A null `opaque` writes all.
void BlitMasked(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels, std::size_t stride,
                const std::uint8_t* opaque);

// A bitmap of at least w x h pixels for a caller's intermediate block, shared by the calls of the
// interface thread (and never the one BlitMasked uses), or nullptr when the caller must make its
// own (another thread, or a block too large to keep).
Bitmap* SharedBlock(int w, int h);

} // namespace fw::detail
