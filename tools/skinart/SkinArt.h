#pragma once
// The skin bitmap resources as the style table lists them (name, size, frame layout) with the
// pixel depth each is stored in, the drawing of each, and the files that go into the program.

#include "tools/skinart/Image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skinart {

struct ResourceInfo {
    std::string name;
    int width;
    int height;
    // Equal-width frames side by side that the readers cut the image into.
    int frames;
    int bitsPerPixel;
};

const std::vector<ResourceInfo>& Resources();
// Null for an unknown name.
const ResourceInfo* FindResourceInfo(std::string_view name);

// Draws the named image; throws std::runtime_error for an unknown name or when the drawing does
// not come out at the catalogue's size.
Image DrawResource(std::string_view name);
// The bitmap file of the named image, in the catalogue's pixel depth.
std::vector<uint8_t> EncodeResource(std::string_view name);
// The resource script that compiles every bitmap file into the program by name.
std::string ResourceScript();

} // namespace skinart
