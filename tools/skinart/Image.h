#pragma once
// A finished 24-bit image: what a bitmap file holds.

#include "framework/imaging/PixelImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skinart {

struct Rgb8 {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// Skin images treat exactly this colour as transparent.
constexpr Rgb8 kFuchsia{0xFF, 0x00, 0xFF};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb8 fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb8 At(int x, int y) const { return pixels_[size_t(y) * size_t(width_) + size_t(x)]; }
    void Set(int x, int y, Rgb8 colour) { pixels_[size_t(y) * size_t(width_) + size_t(x)] = colour; }

    // Copies `source` with its top-left corner at (x, y); parts outside are dropped.
    void Paste(const Image& source, int x, int y);
    // Frames of equal height placed side by side, the first at the left.
    static Image Row(const std::vector<Image>& frames);

    // The same pixels in the framework's image type (alpha 0), for its bitmap-file writer and reader.
    fw::PixelImage ToPixelImage() const;
    static Image FromPixelImage(const fw::PixelImage& image);

    friend bool operator==(const Image&, const Image&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb8> pixels_;
};

} // namespace skinart
