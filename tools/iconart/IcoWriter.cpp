#include "tools/iconart/IcoWriter.h"

#include <stdexcept>

namespace iconart {

namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// The image as stored in an icon: an info header of twice the height, the colour rows and
// then the mask rows, both bottom-up; mask rows are padded to 32 bits, 1 = transparent.
std::vector<std::uint8_t> ImageData(const IconImage& image) {
    const int n = image.size;
    const std::uint32_t maskStride = static_cast<std::uint32_t>((n + 31) / 32 * 4);
    const std::uint32_t colourBytes = static_cast<std::uint32_t>(n * n * 4);
    std::vector<std::uint8_t> out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(n));
    Put32(out, static_cast<std::uint32_t>(2 * n));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, colourBytes + maskStride * static_cast<std::uint32_t>(n));
    for (int i = 0; i < 4; ++i) Put32(out, 0);
    for (int y = n - 1; y >= 0; --y) {
        for (int x = 0; x < n; ++x) {
            const Rgba& p = image.pixels[static_cast<size_t>(y * n + x)];
            out.push_back(p.b);
            out.push_back(p.g);
            out.push_back(p.r);
            out.push_back(p.a);
        }
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < n; ++x)
            if (image.pixels[static_cast<size_t>(y * n + x)].a == 0) row[static_cast<size_t>(x / 8)] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> WriteIco(const std::vector<IconImage>& images) {
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(images.size()));
    std::vector<std::vector<std::uint8_t>> data;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& image : images) {
        if (image.size < 1 || image.size > 256 || image.pixels.size() != static_cast<size_t>(image.size * image.size))
            throw std::invalid_argument("icon image of a bad size");
        data.push_back(ImageData(image));
        out.push_back(static_cast<std::uint8_t>(image.size % 256));
        out.push_back(static_cast<std::uint8_t>(image.size % 256));
        out.push_back(0); // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(data.back().size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(data.back().size());
    }
    for (const auto& d : data) out.insert(out.end(), d.begin(), d.end());
    return out;
}

} // namespace iconart
