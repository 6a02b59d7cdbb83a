#include "tools/skinart/BmpWriter.h"

#include "framework/imaging/BitmapFile.h"
#include "tools/skinart/Quantizer.h"

namespace skinart {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
// 72 dots per inch, as most painting programs write.
constexpr uint32_t kPixelsPerMetre = 2835;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint32_t Stride(int width, int bitsPerPixel) {
    return ((uint32_t(width) * uint32_t(bitsPerPixel) + 31) / 32) * 4;
}

// The headers of a file with a palette; 24-bit files come from the framework's writer.
void PutHeaders(std::vector<uint8_t>& out, const Image& image, int bitsPerPixel, uint32_t paletteSize) {
    const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize + paletteSize * 4;
    const uint32_t dataSize = Stride(image.Width(), bitsPerPixel) * uint32_t(image.Height());
    out.push_back('B');
    out.push_back('M');
    Put32(out, dataOffset + dataSize);
    Put32(out, 0);
    Put32(out, dataOffset);
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(image.Width()));
    Put32(out, uint32_t(image.Height()));
    Put16(out, 1);
    Put16(out, uint32_t(bitsPerPixel));
    Put32(out, 0); // no compression
    Put32(out, dataSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, paletteSize);
    Put32(out, 0);
}

} // namespace

std::vector<uint8_t> EncodeBmp24(const Image& image) { return fw::EncodeBitmapFile(image.ToPixelImage(), 24); }

std::vector<uint8_t> EncodeBmp8(const Image& image) {
    const Quantized q = Quantize(image, 256);
    std::vector<uint8_t> out;
    PutHeaders(out, image, 8, uint32_t(q.palette.size()));
    for (const Rgb8& c : q.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    const uint32_t padding = Stride(image.Width(), 8) - uint32_t(image.Width());
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            out.push_back(q.indices[size_t(y) * size_t(image.Width()) + size_t(x)]);
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

} // namespace skinart
