// Every valid file of the bitmap corpus, decoded by our decoder and by the system: once through
// LoadImage from the file into a DIB section (what a program would normally use) and once
// through SetDIBits of the file's own header and bits into a 32-bit DIB section (GDI's own
// conversion, without the loader in between). The pixels must agree exactly, alpha included.
//
// Three quirks of Wine's LoadImage are spelt out below rather than tolerated silently:
//  - a top-down file gives a blank bitmap;
//  - a 5-6-5 file lands in a 5-5-5 DIB section, so green loses its lowest bit;
//  - in an OS/2 1.x file (12-byte header) it zeroes bytes 4 to 9 of the colour table, as if
//    clearing the compression and image-size fields of a 40-byte header, so colours 1 and 2
//    come out wrong.
// Those files are compared exactly against the SetDIBits route instead, and the loader's result
// is checked to be exactly the quirk, so a fixed Wine makes this test say so.

#include "framework/imaging/BitmapFile.h"

#include "tests/data/CorpusFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

using fw::PixelImage;

namespace {

using corpus::CorpusDir;
using corpus::CorpusFiles;
using corpus::ReadFile;

// A 32-bit top-down DIB section of the given size; its pixels are zero.
HBITMAP CreateTopDownDib(int width, int height, void** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// The file through LoadImage, read back with GetDIBits as 32-bit top-down pixels.
std::optional<PixelImage> LoadWithSystemLoader(const std::filesystem::path& path) {
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.wstring().c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap == nullptr)
        return std::nullopt;
    BITMAP described{};
    GetObjectW(bitmap, sizeof described, &described);
    PixelImage image(described.bmWidth, described.bmHeight);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = described.bmWidth;
    info.bmiHeader.biHeight = -described.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, described.bmHeight, image.Row(0), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (lines != described.bmHeight)
        return std::nullopt;
    return image;
}

// The file's own header, palette and bits through SetDIBits into a 32-bit DIB section.
std::optional<PixelImage> ConvertWithSetDIBits(const std::vector<uint8_t>& file, int width, int height) {
    if (file.size() < 18)
        return std::nullopt;
    const uint32_t offBits = file[10] | (file[11] << 8) | (file[12] << 16) | (uint32_t(file[13]) << 24);
    void* bits = nullptr;
    HBITMAP target = CreateTopDownDib(width, height, &bits);
    if (target == nullptr)
        return std::nullopt;
    HDC screen = GetDC(nullptr);
    const int lines = SetDIBits(screen, target, 0, height, file.data() + offBits,
                                reinterpret_cast<const BITMAPINFO*>(file.data() + 14), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    PixelImage image(width, height);
    std::copy_n(static_cast<const uint32_t*>(bits), image.Pixels().size(), image.Row(0));
    DeleteObject(target);
    if (lines != height)
        return std::nullopt;
    return image;
}

// Empty when equal, otherwise how many pixels differ and the first of them.
std::string Difference(const PixelImage& ours, const PixelImage& theirs) {
    if (ours.Width() != theirs.Width() || ours.Height() != theirs.Height())
        return fw::Format("sizes differ: %dx%d against %dx%d", ours.Width(), ours.Height(), theirs.Width(),
                          theirs.Height());
    int count = 0;
    std::string first;
    for (int y = 0; y < ours.Height(); ++y)
        for (int x = 0; x < ours.Width(); ++x)
            if (ours.Pixel(x, y) != theirs.Pixel(x, y) && count++ == 0)
                first = fw::Format("(%d, %d): ours %08X, system %08X", x, y, static_cast<unsigned>(ours.Pixel(x, y)),
                                   static_cast<unsigned>(theirs.Pixel(x, y)));
    return count == 0 ? std::string() : fw::Format("%d pixels differ, first at %s", count, first.c_str());
}

// What Wine's loader makes of a 5-6-5 image: green cut to five bits and scaled up again.
PixelImage GreenCutToFiveBits(PixelImage image) {
    for (int y = 0; y < image.Height(); ++y)
        for (uint32_t* p = image.Row(y); p != image.Row(y) + image.Width(); ++p) {
            const unsigned green5 = fw::PixelGreen(*p) >> 3;
            *p = fw::MakePixel(fw::PixelRed(*p), static_cast<uint8_t>((green5 << 3) | (green5 >> 2)),
                               fw::PixelBlue(*p), fw::PixelAlpha(*p));
        }
    return image;
}

// The file decoded with palette entries 1 and 2 (OS/2 1.x layout) replaced by a marker colour.
PixelImage WithColoursOneAndTwoMarked(std::vector<uint8_t> bytes, uint32_t marker) {
    for (size_t entry = 1; entry <= 2; ++entry) {
        uint8_t* bgr = bytes.data() + 14 + 12 + 3 * entry;
        bgr[0] = fw::PixelBlue(marker);
        bgr[1] = fw::PixelGreen(marker);
        bgr[2] = fw::PixelRed(marker);
    }
    return fw::DecodeBitmapFile(bytes);
}

// Checks that ours and the loader's image agree everywhere except on pixels of colours 1 and 2,
// and that they do differ there.
void ExpectAgreementOutsideColoursOneAndTwo(const std::vector<uint8_t>& bytes, const PixelImage& ours,
                                            const PixelImage& loaded) {
    const uint32_t marker = fw::MakePixel(3, 2, 1);
    ASSERT_EQ(std::count(ours.Pixels().begin(), ours.Pixels().end(), marker), 0) << "pick another marker";
    const PixelImage marked = WithColoursOneAndTwoMarked(bytes, marker);
    ASSERT_EQ(loaded.Pixels().size(), ours.Pixels().size());
    int differing = 0;
    for (size_t i = 0; i < ours.Pixels().size(); ++i) {
        if (marked.Pixels()[i] != marker)
            ASSERT_EQ(ours.Pixels()[i], loaded.Pixels()[i]) << "pixel " << i;
        else if (ours.Pixels()[i] != loaded.Pixels()[i])
            ++differing;
    }
    EXPECT_GT(differing, 0) << "LoadImage no longer spoils colours 1 and 2 of OS/2 files; drop the quirk";
}

const std::set<std::string> kTopDownBlankQuirk = {"pal8topdown.bmp"};
const std::set<std::string> kCoreColourTableQuirk = {"pal8os2.bmp", "pal8os2-hs.bmp", "pal8os2-sz.bmp",
                                                      "pal8os2sp.bmp"};
// Wine's loader keeps every 16-bit image in a 5-5-5 DIB section and scales fields narrower than
// four bits less far than we do (two bits of 11 become F7 rather than FF): the pictures differ
// slightly in colour, by design on our side.
const std::set<std::string> kNarrowSixteenBitFields = {"rgb16-231.bmp", "rgb16-3103.bmp", "rgba16-1924.bmp",
                                                        "rgba16-4444.bmp"};
// Wine's loader accepts alpha bit fields but leaves the bitmap blank.
const std::set<std::string> kAlphaBitFieldsBlank = {"rgba32abf.bmp"};
const std::set<std::string> kGreenFiveBitQuirk = {"rgb16-565.bmp", "rgb16-565pal.bmp"};

} // namespace

TEST(BitmapFileWin, ValidFilesDecodeLikeTheSystem) {
    const auto files = CorpusFiles("g");
    ASSERT_GE(files.size(), 27u) << CorpusDir().string();
    for (const auto& path : files) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = ReadFile(path);
        const PixelImage ours = fw::DecodeBitmapFile(bytes);

        const std::optional<PixelImage> converted = ConvertWithSetDIBits(bytes, ours.Width(), ours.Height());
        ASSERT_TRUE(converted.has_value()) << "SetDIBits refused the file";
        EXPECT_EQ(Difference(ours, *converted), "") << "against SetDIBits";

        const std::optional<PixelImage> loaded = LoadWithSystemLoader(path);
        ASSERT_TRUE(loaded.has_value()) << "LoadImage refused the file";
        if (kTopDownBlankQuirk.count(name) != 0)
            EXPECT_EQ(Difference(PixelImage(ours.Width(), ours.Height()), *loaded), "")
                << "LoadImage no longer gives a blank top-down bitmap; drop the quirk";
        else if (kCoreColourTableQuirk.count(name) != 0)
            ExpectAgreementOutsideColoursOneAndTwo(bytes, ours, *loaded);
        else if (kGreenFiveBitQuirk.count(name) != 0)
            EXPECT_EQ(Difference(GreenCutToFiveBits(ours), *loaded), "")
                << "LoadImage no longer cuts 5-6-5 green to five bits; drop the quirk";
        else
            EXPECT_EQ(Difference(ours, *loaded), "") << "against LoadImage";
    }
}

// The unusual files both read must agree too: this pins down the choices for pixels an RLE
// stream skips (colour 0) and for the fourth byte of 32-bit pixels (kept as the DIB holds it).
TEST(BitmapFileWin, QuestionableFilesReadByBothAgree) {
    int compared = 0;
    for (const auto& path : CorpusFiles("q")) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = ReadFile(path);
        std::optional<PixelImage> ours;
        try {
            ours = fw::DecodeBitmapFile(bytes);
        } catch (const fw::BitmapFileError&) {
        }
        const std::optional<PixelImage> loaded = LoadWithSystemLoader(path);
        if (!ours || !loaded)
            continue;
        ++compared;
        if (kCoreColourTableQuirk.count(name) != 0) {
            ExpectAgreementOutsideColoursOneAndTwo(bytes, *ours, *loaded);
        } else if (kNarrowSixteenBitFields.count(name) != 0) {
            EXPECT_EQ(ours->Width(), loaded->Width());
            EXPECT_EQ(ours->Height(), loaded->Height());
            EXPECT_NE(Difference(*ours, *loaded), "") << "the loader now scales narrow fields as we do";
        } else if (kAlphaBitFieldsBlank.count(name) != 0) {
            EXPECT_EQ(Difference(PixelImage(ours->Width(), ours->Height()), *loaded), "")
                << "LoadImage no longer leaves alpha bit fields blank; drop the quirk";
        } else {
            EXPECT_EQ(Difference(*ours, *loaded), "") << "against LoadImage";
        }
    }
    EXPECT_GE(compared, 30);
}
