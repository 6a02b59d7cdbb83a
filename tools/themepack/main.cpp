// themepack FOLDER OUTPUT: packs the pictures and values of FOLDER into the theme file OUTPUT.

#include "framework/core/Exception.h"
#include "tools/themepack/ThemePacker.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: themepack FOLDER OUTPUT\n"
                     "  FOLDER holds <Key>.bmp for every picture and values.txt with Key=value lines\n");
        return 2;
    }
    try {
        const themepack::ThemePackResult result = themepack::PackThemeFolder(argv[1]);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(result.File.data()), static_cast<std::streamsize>(result.File.size()));
        out.close();
        if (!out) throw fw::Exception(fw::Format("Cannot write \"%s\"", argv[2]));
        for (const std::string& key : result.MissingKeys) {
            std::fprintf(stderr, "themepack: note: %s is not in the theme\n", key.c_str());
        }
        std::printf("themepack: wrote %s (%zu bytes)\n", argv[2], result.File.size());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "themepack: %s\n", e.what());
        return 1;
    }
}
