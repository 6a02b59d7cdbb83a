#include "tests/native/skinart/BmpTestReader.h"

#include "framework/imaging/BitmapFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

BmpFile ParseBmp(const std::vector<uint8_t>& bytes) {
    BmpFile file;
    file.image = skinart::Image::FromPixelImage(fw::DecodeBitmapFile(bytes));
    // The decoder has checked that the info header is there.
    file.bitsPerPixel = bytes[28] | (bytes[29] << 8);
    if (file.bitsPerPixel != 8 && file.bitsPerPixel != 24) throw std::runtime_error("unexpected pixel depth");
    return file;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
