#include "framework/imaging/BitmapFile.h"

#include "tests/native/imaging/BmpBuilder.h"
#include "tests/data/CorpusFiles.h"
#include "tests/native/imaging/ImagePrinter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

using fw::BitmapFileError;
using fw::DecodeBitmapFile;
using fw::MakePixel;
using fw::PixelImage;
using corpus::CorpusDir;
using corpus::CorpusFiles;
using corpus::ReadFile;

namespace {

PixelImage Load(const std::string& relative) { return DecodeBitmapFile(ReadFile(CorpusDir() / relative)); }

// Largest difference of any channel between two images of the same size.
struct ChannelDiff {
    int red = 0, green = 0, blue = 0;
};
ChannelDiff MaxDiff(const PixelImage& a, const PixelImage& b) {
    ChannelDiff d;
    for (size_t i = 0; i < a.Pixels().size(); ++i) {
        const uint32_t p = a.Pixels()[i], q = b.Pixels()[i];
        d.red = std::max(d.red, std::abs(fw::PixelRed(p) - fw::PixelRed(q)));
        d.green = std::max(d.green, std::abs(fw::PixelGreen(p) - fw::PixelGreen(q)));
        d.blue = std::max(d.blue, std::abs(fw::PixelBlue(p) - fw::PixelBlue(q)));
    }
    return d;
}

// True when `value` is an n-bit value scaled up by repeating its bits.
bool IsScaled(uint8_t value, int bits) {
    unsigned v = (value >> (8 - bits)) << (8 - bits);
    for (int filled = bits; filled < 8; filled += bits)
        v |= v >> bits;
    return v == value;
}

} // namespace

TEST(BitmapCorpus, EveryValidFileDecodesWithoutAlpha) {
    const auto files = CorpusFiles("g");
    ASSERT_GE(files.size(), 27u) << CorpusDir();
    const std::map<std::string, std::pair<int, int>> oddSizes = {
        {"pal8nonsquare.bmp", {127, 32}}, {"pal8w124.bmp", {124, 61}},
        {"pal8w125.bmp", {125, 62}},      {"pal8w126.bmp", {126, 63}}};
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        PixelImage image;
        try {
            image = DecodeBitmapFile(ReadFile(path));
        } catch (const BitmapFileError& e) {
            ADD_FAILURE() << e.Message();
            continue;
        }
        const auto odd = oddSizes.find(path.filename().string());
        const auto size = odd != oddSizes.end() ? odd->second : std::pair{127, 64};
        EXPECT_EQ(image.Width(), size.first);
        EXPECT_EQ(image.Height(), size.second);
        for (uint32_t p : image.Pixels())
            ASSERT_EQ(fw::PixelAlpha(p), 0);
    }
}

TEST(BitmapCorpus, TrueColourFilesShowTheSamePicture) {
    const PixelImage rgb24 = Load("g/rgb24.bmp");
    for (const char* name : {"g/rgb24pal.bmp", "g/rgb32.bmp", "g/rgb32bf.bmp", "g/rgb32bfdef.bmp",
                             "q/rgb24largepal.bmp", "q/rgb24prof.bmp", "q/rgb24lprof.bmp", "q/rgb32h52.bmp",
                             "q/rgb32-xbgr.bmp"})
        EXPECT_EQ(Load(name), rgb24) << name;
}

TEST(BitmapCorpus, SixteenBitFilesAreTheSamePictureAtTheirPrecision) {
    const PixelImage rgb24 = Load("g/rgb24.bmp");
    const PixelImage rgb555 = Load("g/rgb16.bmp");
    const PixelImage rgb565 = Load("g/rgb16-565.bmp");
    EXPECT_EQ(Load("g/rgb16bfdef.bmp"), rgb555);
    EXPECT_EQ(Load("g/rgb16-565pal.bmp"), rgb565);
    // The writer rounded each channel to the nearest step: 8 for five bits, 4 for six.
    const ChannelDiff d555 = MaxDiff(rgb555, rgb24);
    EXPECT_LE(d555.red, 4);
    EXPECT_LE(d555.green, 4);
    EXPECT_LE(d555.blue, 4);
    const ChannelDiff d565 = MaxDiff(rgb565, rgb24);
    EXPECT_LE(d565.red, 4);
    EXPECT_LE(d565.green, 2);
    EXPECT_LE(d565.blue, 4);
    for (size_t i = 0; i < rgb565.Pixels().size(); ++i) {
        const uint32_t p = rgb565.Pixels()[i];
        ASSERT_TRUE(IsScaled(fw::PixelRed(p), 5) && IsScaled(fw::PixelGreen(p), 6) && IsScaled(fw::PixelBlue(p), 5))
            << std::hex << p;
        const uint32_t q = rgb555.Pixels()[i];
        ASSERT_TRUE(IsScaled(fw::PixelRed(q), 5) && IsScaled(fw::PixelGreen(q), 5) && IsScaled(fw::PixelBlue(q), 5))
            << std::hex << q;
    }
}

TEST(BitmapCorpus, PaletteFilesShowTheSamePicture) {
    const PixelImage pal8 = Load("g/pal8.bmp");
    for (const char* name : {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8v4.bmp",
                             "g/pal8v5.bmp", "q/pal8offs.bmp", "q/pal8os2sp.bmp", "q/pal8os2v2.bmp",
                             "q/pal8os2v2-16.bmp", "q/pal8oversizepal.bmp"})
        EXPECT_EQ(Load(name), pal8) << name;
    for (const char* name : {"g/pal8w124.bmp", "g/pal8w125.bmp", "g/pal8w126.bmp"}) {
        const PixelImage part = Load(name);
        EXPECT_EQ(part, pal8.SubImage(0, 0, part.Width(), part.Height())) << name;
    }
    EXPECT_EQ(Load("g/pal4rle.bmp"), Load("g/pal4.bmp"));
    EXPECT_EQ(Load("g/pal1wb.bmp"), Load("g/pal1.bmp"));
}

TEST(BitmapCorpus, HandCheckedPixels) {
    // Read off the files' palettes and first bytes of their top and bottom rows.
    const PixelImage pal1bg = Load("g/pal1bg.bmp");
    EXPECT_EQ(pal1bg.Pixel(0, 0), MakePixel(0x40, 0xFF, 0x40));
    EXPECT_EQ(pal1bg.Pixel(126, 63), MakePixel(0x40, 0x40, 0xFF));
    const PixelImage pal4 = Load("g/pal4.bmp");
    EXPECT_EQ(pal4.Pixel(0, 0), MakePixel(0xFF, 0x00, 0x00));
    EXPECT_EQ(pal4.Pixel(10, 10), MakePixel(0xFF, 0x80, 0xFF));
    const PixelImage pal8 = Load("g/pal8.bmp");
    EXPECT_EQ(pal8.Pixel(0, 0), MakePixel(0xFF, 0x00, 0x00));
    EXPECT_EQ(pal8.Pixel(10, 10), MakePixel(0xFF, 0x55, 0x66));
    const PixelImage rgb24 = Load("g/rgb24.bmp");
    EXPECT_EQ(rgb24.Pixel(10, 10), MakePixel(0xD7, 0x52, 0x52));
}

TEST(BitmapCorpus, GreyFilesAreGrey) {
    for (const char* name : {"g/pal4gs.bmp", "g/pal8gs.bmp"}) {
        const PixelImage image = Load(name);
        std::set<uint32_t> colours(image.Pixels().begin(), image.Pixels().end());
        EXPECT_GE(colours.size(), 12u) << name;
        for (uint32_t p : colours) {
            EXPECT_EQ(fw::PixelRed(p), fw::PixelGreen(p)) << name;
            EXPECT_EQ(fw::PixelRed(p), fw::PixelBlue(p)) << name;
        }
    }
}

TEST(BitmapCorpus, EveryInvalidFileIsRefusedForItsFault) {
    const std::map<std::string, std::string> reasons = {
        {"badbitcount.bmp", "Unsupported bit count 30000"},
        {"badbitssize.bmp", "image size of 2129587950 bytes exceeds"},
        {"baddens1.bmp", "implausible resolution"},
        {"baddens2.bmp", "implausible resolution"},
        {"badfilesize.bmp", "header gives 2111692253 bytes"},
        {"badheadersize.bmp", "Unsupported bitmap header size 66"},
        {"badpalettesize.bmp", "palette of 305402420 colours runs past the end"},
        {"badplanes.bmp", "30000 colour planes"},
        {"badrle.bmp", "a run goes past the end of a row"},
        {"badrle4.bmp", "a run goes past the end of a row"},
        {"badrle4bis.bmp", "a jump leaves the image"},
        {"badrle4ter.bmp", "a jump leaves the image"},
        {"badrlebis.bmp", "a jump leaves the image"},
        {"badrleter.bmp", "a jump leaves the image"},
        {"badwidth.bmp", "invalid width of -127"},
        {"pal8badindex.bmp", "of a palette with only 101 colours"},
        {"reallybig.bmp", "truncated"},
        {"rgb16-880.bmp", "empty blue mask"},
        {"rletopdown.bmp", "top-down rows"},
        {"shortfile.bmp", "truncated"},
    };
    const auto files = CorpusFiles("b");
    EXPECT_EQ(files.size(), reasons.size());
    for (const auto& path : files) {
        const std::string name = path.filename().string();
        try {
            DecodeBitmapFile(ReadFile(path));
            ADD_FAILURE() << name << " was decoded";
        } catch (const BitmapFileError& e) {
            const auto reason = reasons.find(name);
            ASSERT_NE(reason, reasons.end()) << name << ": " << e.Message();
            EXPECT_NE(e.Message().find(reason->second), std::string::npos) << name << ": " << e.Message();
        }
    }
}

TEST(BitmapCorpus, HugeDimensionsAreRefusedEvenWithAnHonestFileSize) {
    std::vector<uint8_t> file = ReadFile(CorpusDir() / "b/reallybig.bmp");
    ASSERT_GT(file.size(), 54u);
    imaging_test::Put(file, 2, static_cast<uint32_t>(file.size()), 4);
    imaging_test::Put(file, 34, 0, 4);
    try {
        DecodeBitmapFile(file);
        ADD_FAILURE() << "decoded";
    } catch (const BitmapFileError& e) {
        EXPECT_NE(e.Message().find("3000000x2000000 pixels is too large"), std::string::npos) << e.Message();
    }
}

TEST(BitmapCorpus, QuestionableFilesAreDecodedOrRefused) {
    const auto files = CorpusFiles("q");
    ASSERT_FALSE(files.empty());
    int decoded = 0;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        try {
            const PixelImage image = DecodeBitmapFile(ReadFile(path));
            EXPECT_EQ(image.Width(), 127);
            EXPECT_EQ(image.Height(), 64);
            ++decoded;
        } catch (const BitmapFileError& e) {
            EXPECT_FALSE(e.Message().empty());
        }
    }
    // Most of them are unusual but sound; refusing nearly all would mean the decoder is too strict.
    EXPECT_GE(decoded, 30);
}
