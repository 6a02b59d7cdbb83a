#include "tools/skinart/SkinArt.h"

#include "skin/styles/SUIThemeTable.h"
#include "tools/skinart/ArtBook.h"
#include "tools/skinart/BmpWriter.h"

#include <stdexcept>

namespace skinart {

namespace {

// The style table lists every bitmap the program carries; only the message dialog's icons are
// stored with a palette.
std::vector<ResourceInfo> BuildResources() {
    std::vector<ResourceInfo> resources;
    for (const TsuiBuiltInBitmap& bitmap : GetBuiltInThemeBitmaps()) {
        const std::string name = bitmap.Name;
        resources.push_back({name, bitmap.Width, bitmap.Height, bitmap.FrameCount, name == "MSGDLG" ? 8 : 24});
    }
    return resources;
}

} // namespace

const std::vector<ResourceInfo>& Resources() {
    static const std::vector<ResourceInfo> resources = BuildResources();
    return resources;
}

const ResourceInfo* FindResourceInfo(std::string_view name) {
    for (const ResourceInfo& entry : Resources()) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

Image DrawResource(std::string_view name) {
    const ResourceInfo* entry = FindResourceInfo(name);
    const ArtBook::Drawer* drawer = ArtBook::Complete().Find(name);
    if (entry == nullptr || drawer == nullptr) {
        throw std::runtime_error("no drawing for bitmap " + std::string(name));
    }
    Image image = (*drawer)();
    if (image.Width() != entry->width || image.Height() != entry->height) {
        throw std::runtime_error("bitmap " + std::string(name) + " drawn at " + std::to_string(image.Width()) + "x" +
                                 std::to_string(image.Height()) + " instead of " + std::to_string(entry->width) + "x" +
                                 std::to_string(entry->height));
    }
    return image;
}

std::vector<uint8_t> EncodeResource(std::string_view name) {
    const Image image = DrawResource(name);
    return FindResourceInfo(name)->bitsPerPixel == 8 ? EncodeBmp8(image) : EncodeBmp24(image);
}

std::string ResourceScript() {
    std::string script = "// Skin bitmaps, found by name. Written by tools/skinart; an edited bitmap file\n"
                         "// keeps its name and size.\n";
    for (const ResourceInfo& entry : Resources()) {
        script += entry.name + " BITMAP \"" + entry.name + ".bmp\"\n";
    }
    return script;
}

} // namespace skinart
