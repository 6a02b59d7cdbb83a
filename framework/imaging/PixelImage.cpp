#include "framework/imaging/PixelImage.h"

#include "framework/core/Exception.h"

#include <algorithm>

namespace fw {

namespace {

size_t PixelCount(int width, int height) {
    if (width < 0 || height < 0)
        throw Exception(Format("Invalid image size %dx%d", width, height));
    return static_cast<size_t>(width) * static_cast<size_t>(height);
}

} // namespace

PixelImage::PixelImage(int width, int height, uint32_t fill)
    : pixels_(PixelCount(width, height), fill) {
    width_ = width;
    height_ = height;
}

uint32_t PixelImage::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw Exception(Format("Pixel (%d, %d) lies outside the %dx%d image", x, y, width_, height_));
    return Row(y)[x];
}

void PixelImage::SetPixel(int x, int y, uint32_t value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw Exception(Format("Pixel (%d, %d) lies outside the %dx%d image", x, y, width_, height_));
    Row(y)[x] = value;
}

void PixelImage::Resize(int width, int height, uint32_t fill) {
    PixelImage resized(width, height, fill);
    const int w = std::min(width_, resized.width_);
    const int h = std::min(height_, resized.height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(Row(y), w, resized.Row(y));
    *this = std::move(resized);
}

PixelImage PixelImage::SubImage(int x, int y, int width, int height) const {
    // 64-bit sums: x + width must not overflow for hostile arguments.
    if (x < 0 || y < 0 || width < 0 || height < 0 || int64_t{x} + width > width_ ||
        int64_t{y} + height > height_)
        throw Exception(Format("Rectangle (%d, %d, %dx%d) does not lie inside the %dx%d image", x, y,
                               width, height, width_, height_));
    PixelImage part(width, height);
    for (int row = 0; row < part.height_; ++row)
        std::copy_n(Row(y + row) + x, part.width_, part.Row(row));
    return part;
}

} // namespace fw
