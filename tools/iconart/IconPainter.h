#pragma once
// Draws the program icon, a padlock, at any square size: shapes are described in unit
// coordinates and sampled 8 x 8 times per pixel, so every size comes out smooth and the
// result is the same on every run.

#include <cstdint>
#include <vector>

namespace iconart {

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// size x size pixels, rows top-down, straight (not premultiplied) alpha.
std::vector<Rgba> PaintPadlock(int size);

} // namespace iconart
