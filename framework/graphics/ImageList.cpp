#include "framework/graphics/ImageList.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/PixelBlit.h"
#include "framework/graphics/Win32Color.h"

#include <algorithm>

namespace fw {

namespace {

void CheckSize(int width, int height) {
    if (width < 1 || height < 1) throw Exception(Format("Image list size %d x %d is not allowed", width, height));
}

// The greyed rendering of a disabled image: the pixel's luminance, lifted towards light grey
// so that a disabled glyph reads as inactive on a button face.
uint32_t Greyed(uint32_t p) {
    const unsigned luminance = (PixelRed(p) * 77u + PixelGreen(p) * 151u + PixelBlue(p) * 28u) >> 8;
    const auto g = static_cast<uint8_t>(96 + luminance / 2);
    return MakePixel(g, g, g);
}

} // namespace

ImageList::ImageList(int width, int height) : width_(width), height_(height) { CheckSize(width, height); }

void ImageList::SetSize(int width, int height) {
    CheckSize(width, height);
    width_ = width;
    height_ = height;
    images_.clear();
}

void ImageList::Clear() { images_.clear(); }

int ImageList::Add(const Bitmap& bitmap) { return AddImages(bitmap, false, clNone); }

int ImageList::AddMasked(const Bitmap& bitmap, Color maskColor) { return AddImages(bitmap, true, maskColor); }

int ImageList::AddImages(const Bitmap& bitmap, bool masked, Color maskColor) {
    if (bitmap.Empty()) return -1;
    const uint32_t key = ColorRefToPixel(ColorToRgb(maskColor));
    const int count = std::max(1, bitmap.Width() / width_);
    const int rows = std::min(height_, bitmap.Height());
    const int first = Count();
    for (int i = 0; i < count; ++i) {
        Image image{PixelImage(width_, height_), std::vector<uint8_t>(static_cast<size_t>(width_) * height_, 0)};
        const int left = i * width_;
        const int cols = std::min(width_, bitmap.Width() - left);
        for (int y = 0; y < rows; ++y) {
            const uint32_t* in = bitmap.ScanLine(y) + left;
            uint32_t* out = image.pixels.Row(y);
            uint8_t* opaque = image.opaque.data() + static_cast<size_t>(y) * width_;
            for (int x = 0; x < cols; ++x) {
                out[x] = in[x] & 0x00FFFFFFu;
                opaque[x] = !masked || out[x] != key;
            }
        }
        images_.push_back(std::move(image));
    }
    return first;
}

const ImageList::Image& ImageList::At(int index) const {
    if (index < 0 || index >= Count())
        throw Exception(Format("Image list index %d out of range (%d images)", index, Count()));
    return images_[static_cast<size_t>(index)];
}

void ImageList::Draw(fw::Canvas& canvas, int x, int y, int index, bool enabled) const {
    const Image& image = At(index);
    HDC dc = canvas.Handle();
    if (dc == nullptr) throw Exception("Canvas does not allow drawing: it has no device context");
    if (enabled) {
        detail::BlitMasked(dc, x, y, width_, height_, image.pixels.Row(0), static_cast<size_t>(width_),
                           image.opaque.data());
        return;
    }
    PixelImage grey = image.pixels;
    for (int row = 0; row < height_; ++row) {
        uint32_t* p = grey.Row(row);
        for (int col = 0; col < width_; ++col) p[col] = Greyed(p[col]);
    }
    detail::BlitMasked(dc, x, y, width_, height_, grey.Row(0), static_cast<size_t>(width_), image.opaque.data());
}

void ImageList::GetBitmap(int index, Bitmap& dest) const {
    const Image& image = At(index);
    dest.Assign(image.pixels);
    dest.SetTransparent(false);
}

bool ImageList::IsOpaque(int index, int x, int y) const {
    const Image& image = At(index);
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return image.opaque[static_cast<size_t>(y) * width_ + x] != 0;
}

} // namespace fw
