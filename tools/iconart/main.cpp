// iconart <output.ico>: draws the program icon (a padlock) at 16 x 16 and 32 x 32.
#include "tools/iconart/IcoWriter.h"
#include "tools/iconart/IconPainter.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconart <output.ico>\n");
        return 2;
    }
    std::vector<iconart::IconImage> images;
    for (int size : {16, 32}) images.push_back(iconart::IconImage{size, iconart::PaintPadlock(size)});
    const std::vector<std::uint8_t> ico = iconart::WriteIco(images);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    if (!out) {
        std::fprintf(stderr, "iconart: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
