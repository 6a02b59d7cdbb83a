#include "framework/graphics/PixelBlit.h"

#include "framework/graphics/Bitmap.h"

namespace fw::detail {

void BlitMasked(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels, std::size_t stride,
                const std::uint8_t* opaque) {
    if (w <= 0 || h <= 0) return;
    Bitmap block(w, h);
    HDC blockDc = block.DeviceContext();
    if (opaque != nullptr) BitBlt(blockDc, 0, 0, w, h, dc, x, y, SRCCOPY);
    for (int row = 0; row < h; ++row) {
        std::uint32_t* out = block.ScanLine(row);
        const std::uint32_t* in = pixels + static_cast<std::size_t>(row) * stride;
        const std::uint8_t* mask = opaque ? opaque + static_cast<std::size_t>(row) * static_cast<std::size_t>(w) : nullptr;
        for (int col = 0; col < w; ++col)
            if (mask == nullptr || mask[col] != 0) out[col] = in[col] & 0x00FFFFFFu;
    }
    BitBlt(dc, x, y, w, h, blockDc, 0, 0, SRCCOPY);
}

} // namespace fw::detail
