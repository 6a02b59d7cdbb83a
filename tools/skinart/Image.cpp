#include "tools/skinart/Image.h"

#include <stdexcept>

namespace skinart {

Image::Image(int width, int height, Rgb8 fill)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height), fill) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("negative image size");
    }
}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int dx = x + sx;
            const int dy = y + sy;
            if (dx >= 0 && dy >= 0 && dx < width_ && dy < height_) {
                Set(dx, dy, source.At(sx, sy));
            }
        }
    }
}

Image Image::Row(const std::vector<Image>& frames) {
    int width = 0;
    const int height = frames.empty() ? 0 : frames.front().Height();
    for (const Image& frame : frames) {
        if (frame.Height() != height) {
            throw std::invalid_argument("frames of a row must have one height");
        }
        width += frame.Width();
    }
    Image row(width, height);
    int x = 0;
    for (const Image& frame : frames) {
        row.Paste(frame, x, 0);
        x += frame.Width();
    }
    return row;
}

fw::PixelImage Image::ToPixelImage() const {
    fw::PixelImage image(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgb8 p = At(x, y);
            image.Row(y)[x] = fw::MakePixel(p.r, p.g, p.b);
        }
    return image;
}

Image Image::FromPixelImage(const fw::PixelImage& image) {
    Image result(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const uint32_t p = image.Row(y)[x];
            result.Set(x, y, {fw::PixelRed(p), fw::PixelGreen(p), fw::PixelBlue(p)});
        }
    return result;
}

} // namespace skinart
