#include "tools/skinart/SkinArt.h"

#include "tools/skinart/ArtBook.h"
#include "tools/skinart/BmpWriter.h"

#include <stdexcept>

namespace skinart {

namespace {

std::vector<ResourceInfo> BuildResources() {
    struct Part {
        const char* part;
        int frames;
        // MacOS, WinXP, DeepBlue, Protein, BlueGlass.
        int size[5][2];
    };
    static const Part kParts[] = {
        {"BUTTON", 3, {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
        {"CHECKBOX", 4, {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
        {"RADIOBUTTON", 4, {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
        {"TITLEBTN", 18, {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
        {"TITLE_LEFT", 1, {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
        {"TITLE_CLIENT", 1, {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
        {"TITLE_RIGHT", 1, {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
        {"PROGRESSBAR", 1, {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
        {"TRACKBAR_BAR", 1, {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
        {"TRACKBAR_SLIDER", 1, {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
        {"TRACKBAR_SLIDER_V", 1, {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
        {"SCROLLBAR_BUTTON", 6, {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
        {"SCROLLBAR_TRACK", 3, {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
        {"CHECKLIST", 1, {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
        {"TAB", 1, {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
        {"TAB_LINE", 1, {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
        {"SIDECHENNEL_HANDLE", 1, {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
        {"SIDECHENNEL_BAR", 1, {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
    };
    static const char* const kPrefixes[] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};
    std::vector<ResourceInfo> resources;
    for (int look = 0; look < 5; ++look) {
        for (const Part& part : kParts) {
            resources.push_back({std::string(kPrefixes[look]) + "_" + part.part, part.size[look][0], part.size[look][1],
                             part.frames, 24});
        }
    }
    // The tab scroll buttons: MacOS and WinXP have their own, the other looks share one.
    resources.push_back({"MACOS_SCROLLBUTTON", 72, 18, 1, 24});
    resources.push_back({"WINXP_SCROLLBUTTON", 72, 18, 1, 24});
    resources.push_back({"MORE_SCROLLBUTTON", 72, 17, 1, 24});
    resources.push_back({"MACOS_FORM_BACKGROUND", 8, 8, 1, 24});
    resources.push_back({"PROTEIN_FORM_BACKGROUND", 8, 8, 1, 24});
    resources.push_back({"MACOS_MENU_BAR", 1, 22, 1, 24});
    resources.push_back({"MACOS_MENU_SELECT", 1, 21, 1, 24});
    resources.push_back({"MENU_CHECKED", 16, 16, 1, 24});
    resources.push_back({"SIDECHANNEL_BTN", 7, 9, 1, 24});
    resources.push_back({"MSGDLG", 168, 42, 4, 8});
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
