#include "tests/native/skinart/BmpTestReader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

uint32_t Get(const std::vector<uint8_t>& b, size_t at, int bytes) {
    if (at + size_t(bytes) > b.size()) {
        throw std::runtime_error("bitmap file cut short");
    }
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[at + size_t(i)];
    }
    return v;
}

} // namespace

BmpFile ParseBmp(const std::vector<uint8_t>& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        throw std::runtime_error("not a bitmap file");
    }
    const uint32_t dataOffset = Get(b, 10, 4);
    if (Get(b, 14, 4) != 40 || Get(b, 30, 4) != 0 || Get(b, 26, 2) != 1) {
        throw std::runtime_error("unexpected bitmap header");
    }
    const int width = int(int32_t(Get(b, 18, 4)));
    const int rawHeight = int(int32_t(Get(b, 22, 4)));
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    BmpFile file;
    file.bitsPerPixel = int(Get(b, 28, 2));
    if (file.bitsPerPixel != 8 && file.bitsPerPixel != 24) {
        throw std::runtime_error("unexpected pixel depth");
    }
    uint32_t paletteSize = Get(b, 46, 4);
    if (file.bitsPerPixel == 8 && paletteSize == 0) {
        paletteSize = 256;
    }
    const size_t stride = ((size_t(width) * size_t(file.bitsPerPixel) + 31) / 32) * 4;
    file.image = skinart::Image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = rawHeight < 0 ? row : height - 1 - row;
        const size_t line = dataOffset + size_t(row) * stride;
        for (int x = 0; x < width; ++x) {
            size_t at = line + size_t(x) * 3;
            if (file.bitsPerPixel == 8) {
                const uint32_t index = Get(b, line + size_t(x), 1);
                if (index >= paletteSize) {
                    throw std::runtime_error("palette index out of range");
                }
                at = 54 + size_t(index) * 4;
            }
            file.image.Set(x, y, {uint8_t(Get(b, at + 2, 1)), uint8_t(Get(b, at + 1, 1)), uint8_t(Get(b, at, 1))});
        }
    }
    return file;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
