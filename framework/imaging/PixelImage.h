#pragma once
// A plain 32-bit image, rows top-down, each pixel laid out exactly as a 32-bit top-down DIB
// section stores it: bytes B, G, R, A in memory, i.e. the uint32_t 0xAARRGGBB on our
// little-endian targets. A DIB-section bitmap can copy its rows straight in and out.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

constexpr uint32_t MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 0) {
    return (uint32_t{a} << 24) | (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}
constexpr uint8_t PixelRed(uint32_t p) { return static_cast<uint8_t>(p >> 16); }
constexpr uint8_t PixelGreen(uint32_t p) { return static_cast<uint8_t>(p >> 8); }
constexpr uint8_t PixelBlue(uint32_t p) { return static_cast<uint8_t>(p); }
constexpr uint8_t PixelAlpha(uint32_t p) { return static_cast<uint8_t>(p >> 24); }

class PixelImage {
public:
    PixelImage() = default;
    // Throws fw::Exception for a negative size.
    PixelImage(int width, int height, uint32_t fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Checked access: throws fw::Exception outside the image.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t value);

    // Unchecked row access for bulk copies; y must lie in [0, Height()).
    uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // Keeps the overlapping top-left content; new area gets `fill`.
    void Resize(int width, int height, uint32_t fill = 0);
    // Copy of the rectangle at (x, y); throws fw::Exception unless it lies inside the image.
    PixelImage SubImage(int x, int y, int width, int height) const;

    bool operator==(const PixelImage& other) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

} // namespace fw
