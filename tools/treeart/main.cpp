// treeart <output.bmp>: draws the tree view's node icons as one 80 x 16 strip of five 16 x 16
// images on fuchsia, the transparent colour: 0 a record (a key), 1 to 3 the groups "网络",
// "软件" and "生活" (a globe, a program window, a house), 4 a record holding sub-records (a
// folder with a key).
#include "framework/imaging/BitmapFile.h"
#include "framework/imaging/PixelImage.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int Side = 16;

using Icon = std::vector<std::string>;

const Icon Key = {
    "................",
    "................",
    "................",
    "..kkkk..........",
    ".kYYYYk.........",
    "kYyyyyYk........",
    "kYykkyYkkkkkkkk.",
    "kYk..kYyyyyyyyyk",
    "kYykkyYkkkkykyk.",
    "kYyyyyYk...kykk.",
    ".kYYYYk....kk...",
    "..kkkk..........",
    "................",
    "................",
    "................",
    "................",
};

const Icon Globe = {
    "................",
    ".....kkkkkk.....",
    "...kkBBggBBkk...",
    "..kBBgggBBBBBk..",
    "..kBggggBBgBBk..",
    ".kBBBggBBBggBBk.",
    ".kBBBBgBBBgggBk.",
    ".kBBBBBBBBggBBk.",
    ".kBBBggBBBBBBBk.",
    ".kBBgggggBBBBBk.",
    "..kBBgggBBBBBk..",
    "..kBBBgBBBBBBk..",
    "...kkBBBBBBkk...",
    ".....kkkkkk.....",
    "................",
    "................",
};

const Icon Program = {
    "................",
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbbbbbbbbbrrbk.",
    ".kkkkkkkkkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kwGGGGwwwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwGGGGGGGwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kwGGGGGwwwwwwk.",
    ".kwwwwwwwwwwwwk.",
    ".kkkkkkkkkkkkkk.",
    "................",
    "................",
    "................",
};

const Icon House = {
    "................",
    ".......kk.......",
    "......krrk......",
    ".....krrrrk.....",
    "....krrrrrrk....",
    "...krrrrrrrrk...",
    "..krrrrrrrrrrk..",
    ".kkkkkkkkkkkkkk.",
    "..kwwwwwwwwwwk..",
    "..kwkkkwwkkkwk..",
    "..kwkBkwwkokwk..",
    "..kwkkkwwkokwk..",
    "..kwwwwwwkokwk..",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
};

const Icon Folder = {
    "................",
    "................",
    ".kkkkk..........",
    "kYYYYYkkkkkkk...",
    "kYYYYYYYYYYYYk..",
    "kkkkkkkkkkkkkkk.",
    "kyyyyyyyyyyyyyk.",
    "kyyykkkyyyyyyyk.",
    "kyykYYYkkkkkkyk.",
    "kyykYkYkkkkkkkk.",
    "kyykYYYkyyykykk.",
    "kyyykkkyyyyyyyk.",
    "kyyyyyyyyyyyyyk.",
    "kkkkkkkkkkkkkkk.",
    "................",
    "................",
};

const std::map<char, std::uint32_t> Palette = {
    {'.', fw::MakePixel(255, 0, 255)},   // transparent
    {'k', fw::MakePixel(40, 40, 48)},    // outline
    {'y', fw::MakePixel(222, 170, 40)},  // gold
    {'Y', fw::MakePixel(250, 222, 120)}, // light gold
    {'b', fw::MakePixel(40, 80, 170)},   // title bar blue
    {'B', fw::MakePixel(110, 170, 235)}, // sea
    {'g', fw::MakePixel(60, 160, 70)},   // land
    {'r', fw::MakePixel(200, 60, 50)},   // roof, close box
    {'o', fw::MakePixel(150, 90, 40)},   // door
    {'w', fw::MakePixel(255, 255, 255)},
    {'G', fw::MakePixel(150, 150, 160)},
};

bool Check(const Icon& icon, int number) {
    if (icon.size() != Side) {
        std::fprintf(stderr, "treeart: icon %d has %zu rows\n", number, icon.size());
        return false;
    }
    for (const std::string& row : icon) {
        if (row.size() != Side) {
            std::fprintf(stderr, "treeart: icon %d has a row of %zu pixels\n", number, row.size());
            return false;
        }
        for (char c : row)
            if (Palette.count(c) == 0) {
                std::fprintf(stderr, "treeart: icon %d uses '%c', which has no colour\n", number, c);
                return false;
            }
    }
    return true;
}

// The icons side by side, left to right.
fw::PixelImage Strip(const std::vector<const Icon*>& icons) {
    fw::PixelImage strip(Side * static_cast<int>(icons.size()), Side);
    for (size_t i = 0; i < icons.size(); ++i)
        for (int y = 0; y < Side; ++y) {
            const std::string& row = (*icons[i])[static_cast<size_t>(y)];
            for (int x = 0; x < Side; ++x) strip.SetPixel(static_cast<int>(i) * Side + x, y, Palette.at(row[static_cast<size_t>(x)]));
        }
    return strip;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: treeart <output.bmp>\n");
        return 2;
    }
    const std::vector<const Icon*> icons = {&Key, &Globe, &Program, &House, &Folder};
    for (size_t i = 0; i < icons.size(); ++i)
        if (!Check(*icons[i], static_cast<int>(i)))
            return 1;
    const std::vector<std::uint8_t> bmp = fw::EncodeBitmapFile(Strip(icons), 24);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    if (!out) {
        std::fprintf(stderr, "treeart: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
