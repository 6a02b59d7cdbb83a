#pragma once
// Builds bitmap files byte by byte for the decoder tests, including deliberately broken ones.

#include <cstdint>
#include <string>
#include <vector>

namespace imaging_test {

struct BmpLayout {
    uint32_t headerSize = 40;  // 12 writes an OS/2 1.x header with 3-byte palette entries
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 2835;
    int32_t yPelsPerMeter = 2835;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;   // after a 40-byte header, or inside a larger one from byte 40
    std::vector<uint32_t> palette; // 0x00RRGGBB
    std::vector<uint8_t> pixels;   // the pixel data exactly as stored, right after the palette
    int64_t fileSize = -1;         // -1: the real size
};

inline void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline std::vector<uint8_t> BuildBmp(const BmpLayout& s) {
    const bool core = s.headerSize == 12;
    const size_t entry = core ? 3 : 4;
    size_t pos = 14 + s.headerSize;
    std::vector<uint8_t> out(pos, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put(out, 14, s.headerSize, 4);
    if (core) {
        Put(out, 18, static_cast<uint32_t>(s.width), 2);
        Put(out, 20, static_cast<uint32_t>(s.height), 2);
        Put(out, 22, s.planes, 2);
        Put(out, 24, s.bitCount, 2);
    } else {
        // Fields a short OS/2 2.x header leaves out are simply not written.
        const uint32_t fields[] = {static_cast<uint32_t>(s.width), static_cast<uint32_t>(s.height),
                                   s.planes | (uint32_t{s.bitCount} << 16), s.compression, s.imageSize,
                                   static_cast<uint32_t>(s.xPelsPerMeter),
                                   static_cast<uint32_t>(s.yPelsPerMeter), s.colorsUsed};
        for (size_t i = 0; i < 8 && 4 + 4 * (i + 1) <= s.headerSize; ++i)
            Put(out, 18 + 4 * i, fields[i], 4);
        if (s.headerSize > 40) {
            for (size_t i = 0; i < s.masks.size() && 40 + 4 * (i + 1) <= s.headerSize; ++i)
                Put(out, 54 + 4 * i, s.masks[i], 4);
        } else {
            for (uint32_t m : s.masks) {
                out.resize(pos + 4);
                Put(out, pos, m, 4);
                pos += 4;
            }
        }
    }
    for (uint32_t c : s.palette) {
        out.resize(pos + entry, 0);
        Put(out, pos, c, 3);
        pos += entry;
    }
    const size_t offset = pos;
    out.insert(out.end(), s.pixels.begin(), s.pixels.end());
    Put(out, 2, s.fileSize >= 0 ? static_cast<uint32_t>(s.fileSize) : static_cast<uint32_t>(out.size()), 4);
    Put(out, 10, static_cast<uint32_t>(offset), 4);
    return out;
}

} // namespace imaging_test
