#pragma once
// Reads the uncompressed 8- and 24-bit bitmap files the skin art is stored in, independently
// of the generator's writer.

#include "tools/skinart/Image.h"

#include <cstdint>
#include <string>
#include <vector>

struct BmpFile {
    int bitsPerPixel = 0;
    skinart::Image image;
};

// Throws std::runtime_error for anything else than a 40-byte-header, uncompressed 8- or 24-bit file.
BmpFile ParseBmp(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
