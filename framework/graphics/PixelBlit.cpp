#include "framework/graphics/PixelBlit.h"

#include "framework/graphics/Bitmap.h"

#include <algorithm>

namespace fw::detail {

namespace {

// Blocks up to this many pixels reuse one bitmap: skinned controls draw many small masked
// pieces on every paint, and making a device-independent bitmap costs more than the copy.
constexpr long long ScratchLimit = 512 * 512;

// The bitmap of the first thread that draws (the user interface's); it lives until the process
// ends, so no destructor touches the graphics system while the process is being torn down.
// Other threads draw through a bitmap of their own each time.
Bitmap* Scratch(Bitmap& scratch, int w, int h) {
    static const DWORD owner = GetCurrentThreadId();
    if (GetCurrentThreadId() != owner || static_cast<long long>(w) * h > ScratchLimit) return nullptr;
    if (w > scratch.Width() || h > scratch.Height())
        scratch = Bitmap(std::max(w, scratch.Width()), std::max(h, scratch.Height()));
    return &scratch;
}

Bitmap* Scratch(int w, int h) {
    static Bitmap* scratch = new Bitmap();
    return Scratch(*scratch, w, h);
}

} // namespace

void BlitMasked(HDC dc, int x, int y, int w, int h, const std::uint32_t* pixels, std::size_t stride,
                const std::uint8_t* opaque) {
    if (w <= 0 || h <= 0) return;
    Bitmap own;
    Bitmap* shared = Scratch(w, h);
    if (shared == nullptr) own = Bitmap(w, h);
    Bitmap& block = shared != nullptr ? *shared : own;
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

Bitmap* SharedBlock(int w, int h) {
    static Bitmap* block = new Bitmap();
    return Scratch(*block, w, h);
}

} // namespace fw::detail
