#pragma once
// Writes an .ico file of 32-bit images (colour with alpha plus the 1-bit AND mask that older
// readers use).

#include "tools/iconart/IconPainter.h"

#include <cstdint>
#include <vector>

namespace iconart {

struct IconImage {
    int size = 0;
    std::vector<Rgba> pixels; // size x size, rows top-down
};

std::vector<std::uint8_t> WriteIco(const std::vector<IconImage>& images);

} // namespace iconart
