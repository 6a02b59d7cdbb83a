// Draws every skin bitmap and writes it, with the resource script, into the given folder:
//   skinart <folder> [NAME ...]
// With names, only those bitmaps are written (so a hand-edited file elsewhere is kept).

#include "tools/skinart/SkinArt.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

namespace {

void WriteFile(const std::string& path, const void* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder> [NAME ...]\n", argv[0]);
        return 2;
    }
    try {
        const std::string folder = argv[1];
        std::vector<std::string> names;
        for (int i = 2; i < argc; ++i) {
            names.push_back(argv[i]);
        }
        if (names.empty()) {
            for (const skinart::ResourceInfo& entry : skinart::Resources()) {
                names.push_back(entry.name);
            }
            const std::string script = skinart::ResourceScript();
            WriteFile(folder + "/skins.rc", script.data(), script.size());
        }
        for (const std::string& name : names) {
            const std::vector<uint8_t> bytes = skinart::EncodeResource(name);
            WriteFile(folder + "/" + name + ".bmp", bytes.data(), bytes.size());
        }
        std::printf("wrote %zu bitmaps to %s\n", names.size(), folder.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
