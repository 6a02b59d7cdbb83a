// treeart <output.bmp>: draws the tree view's node icons as one 80 x 16 strip of five 16 x 16
// images on fuchsia, the transparent colour: 0 a record (a key), 1 to 3 the groups "网络",
// "软件" and "生活" (a globe, a program window, a house), 4 a record holding sub-records (a
// folder with a key).
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

struct Rgb {
    std::uint8_t r, g, b;
};

const std::map<char, Rgb> Palette = {
    {'.', {255, 0, 255}},   // transparent
    {'k', {40, 40, 48}},    // outline
    {'y', {222, 170, 40}},  // gold
    {'Y', {250, 222, 120}}, // light gold
    {'b', {40, 80, 170}},   // title bar blue
    {'B', {110, 170, 235}}, // sea
    {'g', {60, 160, 70}},   // land
    {'r', {200, 60, 50}},   // roof, close box
    {'o', {150, 90, 40}},   // door
    {'w', {255, 255, 255}},
    {'G', {150, 150, 160}},
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

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A 24-bit bottom-up bitmap file; rows of 80 pixels need no padding (240 bytes).
std::vector<std::uint8_t> WriteBmp(const std::vector<const Icon*>& icons) {
    const int width = Side * static_cast<int>(icons.size());
    const std::uint32_t imageSize = static_cast<std::uint32_t>(width * 3 * Side);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLittle(out, 54 + imageSize, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 54, 4);
    PutLittle(out, 40, 4);
    PutLittle(out, static_cast<std::uint32_t>(width), 4);
    PutLittle(out, Side, 4);
    PutLittle(out, 1, 2);
    PutLittle(out, 24, 2);
    PutLittle(out, 0, 4);
    PutLittle(out, imageSize, 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 2835, 4);
    PutLittle(out, 0, 4);
    PutLittle(out, 0, 4);
    for (int y = Side - 1; y >= 0; --y)
        for (const Icon* icon : icons)
            for (char c : (*icon)[static_cast<size_t>(y)]) {
                const Rgb& p = Palette.at(c);
                out.push_back(p.b);
                out.push_back(p.g);
                out.push_back(p.r);
            }
    return out;
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
    const std::vector<std::uint8_t> bmp = WriteBmp(icons);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    if (!out) {
        std::fprintf(stderr, "treeart: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
