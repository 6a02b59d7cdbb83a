#pragma once
// Reads the skin art's bitmap files through the framework's decoder, which shares no code with
// the generator's palette writer, and tells their pixel depth.

#include "tools/skinart/Image.h"

#include <cstdint>
#include <string>
#include <vector>

struct BmpFile {
    int bitsPerPixel = 0;
    skinart::Image image;
};

// Throws fw::BitmapFileError for a file the decoder refuses, std::runtime_error for another
// depth than 8 or 24 bits.
BmpFile ParseBmp(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
