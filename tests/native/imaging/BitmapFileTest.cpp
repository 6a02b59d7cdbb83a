#include "framework/imaging/BitmapFile.h"

#include "tests/native/imaging/BmpBuilder.h"
#include "tests/native/imaging/ImagePrinter.h"

#include <gtest/gtest.h>

#include <random>

using fw::BitmapFileError;
using fw::DecodeBitmapFile;
using fw::EncodeBitmapFile;
using fw::MakePixel;
using fw::PixelImage;
using imaging_test::BmpLayout;
using imaging_test::BuildBmp;

namespace {

PixelImage Decode(const BmpLayout& layout) { return DecodeBitmapFile(BuildBmp(layout)); }

// Expects the file to be refused with a message containing `fragment`.
void ExpectRefused(const std::vector<uint8_t>& file, const std::string& fragment) {
    try {
        DecodeBitmapFile(file);
        ADD_FAILURE() << "decoded, expected refusal containing \"" << fragment << "\"";
    } catch (const BitmapFileError& e) {
        EXPECT_NE(e.Message().find(fragment), std::string::npos) << e.Message();
    }
}
void ExpectRefused(const BmpLayout& layout, const std::string& fragment) { ExpectRefused(BuildBmp(layout), fragment); }

BmpLayout Indexed(int bits, int width, int height, std::vector<uint32_t> palette, std::vector<uint8_t> pixels) {
    BmpLayout s;
    s.bitCount = static_cast<uint16_t>(bits);
    s.width = width;
    s.height = height;
    s.colorsUsed = static_cast<uint32_t>(palette.size());
    s.palette = std::move(palette);
    s.pixels = std::move(pixels);
    return s;
}

BmpLayout Rgb16(std::vector<uint32_t> masks, std::vector<uint16_t> values) {
    BmpLayout s;
    s.bitCount = 16;
    s.width = static_cast<int32_t>(values.size());
    s.compression = masks.empty() ? 0 : 3;
    s.masks = std::move(masks);
    for (uint16_t v : values) {
        s.pixels.push_back(static_cast<uint8_t>(v));
        s.pixels.push_back(static_cast<uint8_t>(v >> 8));
    }
    s.pixels.resize((s.pixels.size() + 3) / 4 * 4, 0);
    return s;
}

BmpLayout Rgb32(std::vector<uint32_t> masks, uint32_t headerSize, std::vector<uint32_t> values) {
    BmpLayout s;
    s.bitCount = 32;
    s.headerSize = headerSize;
    s.width = static_cast<int32_t>(values.size());
    s.compression = masks.empty() ? 0 : 3;
    s.masks = std::move(masks);
    for (uint32_t v : values)
        for (int i = 0; i < 4; ++i)
            s.pixels.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return s;
}

const uint32_t kRed = MakePixel(255, 0, 0);
const uint32_t kGreen = MakePixel(0, 255, 0);
const uint32_t kBlue = MakePixel(0, 0, 255);
const uint32_t kWhite = MakePixel(255, 255, 255);

} // namespace

TEST(BitmapFileIndexed, OneBitRowsAreBottomUpAndPadded) {
    // 10 pixels wide: two bytes of bits plus two bytes of row padding.
    const PixelImage image = Decode(Indexed(1, 10, 2, {0x000000, 0xFFFFFF},
                                            {0b10000000, 0b01000000, 0xFF, 0xFF,    // bottom row
                                             0b00000001, 0b10000000, 0xFF, 0xFF})); // top row
    ASSERT_EQ(image.Width(), 10);
    ASSERT_EQ(image.Height(), 2);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(image.Pixel(x, 0), x == 7 || x == 8 ? kWhite : 0u) << x;
        EXPECT_EQ(image.Pixel(x, 1), x == 0 || x == 9 ? kWhite : 0u) << x;
    }
}

TEST(BitmapFileIndexed, FourAndEightBitPixelsLookUpThePalette) {
    const PixelImage four = Decode(Indexed(4, 3, 1, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}, {0x12, 0x30, 0, 0}));
    EXPECT_EQ(four.Pixel(0, 0), kRed);
    EXPECT_EQ(four.Pixel(1, 0), kGreen);
    EXPECT_EQ(four.Pixel(2, 0), kBlue);

    const PixelImage eight = Decode(Indexed(8, 2, 1, {0x102030, 0x405060, 0x708090}, {2, 0, 0, 0}));
    EXPECT_EQ(eight.Pixel(0, 0), MakePixel(0x70, 0x80, 0x90));
    EXPECT_EQ(eight.Pixel(1, 0), MakePixel(0x10, 0x20, 0x30));
}

TEST(BitmapFileIndexed, NegativeHeightMeansTopDownRows) {
    BmpLayout s = Indexed(8, 1, -2, {0xFF0000, 0x0000FF}, {0, 0, 0, 0, 1, 0, 0, 0});
    const PixelImage image = Decode(s);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(0, 1), kBlue);
}

TEST(BitmapFileIndexed, ZeroColourCountMeansAFullPalette) {
    std::vector<uint32_t> palette(16);
    for (uint32_t i = 0; i < 16; ++i)
        palette[i] = i * 0x111111;
    BmpLayout s = Indexed(4, 2, 1, palette, {0xF7, 0, 0, 0});
    s.colorsUsed = 0;
    const PixelImage image = Decode(s);
    EXPECT_EQ(image.Pixel(0, 0), MakePixel(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(image.Pixel(1, 0), MakePixel(0x77, 0x77, 0x77));
}

TEST(BitmapFileIndexed, ShortPaletteWorksUntilAPixelReachesBeyondIt) {
    EXPECT_EQ(Decode(Indexed(8, 2, 1, {0xFF0000, 0x00FF00}, {1, 0, 0, 0})).Pixel(0, 0), kGreen);
    ExpectRefused(Indexed(8, 2, 1, {0xFF0000, 0x00FF00}, {1, 2, 0, 0}), "colour 2 of a palette with only 2");
}

TEST(BitmapFileIndexed, ImplicitPaletteIsCutAtThePixelData) {
    // An 8-bit file with no colour count whose pixel data starts after three entries.
    BmpLayout s = Indexed(8, 3, 1, {0xFF0000, 0x00FF00, 0x0000FF}, {2, 1, 0, 0});
    s.colorsUsed = 0;
    const PixelImage image = Decode(s);
    EXPECT_EQ(image.Pixel(0, 0), kBlue);
    EXPECT_EQ(image.Pixel(2, 0), kRed);
    s.pixels = {3, 0, 0, 0};
    ExpectRefused(s, "colour 3 of a palette with only 3");
}

TEST(BitmapFileIndexed, ExplicitPaletteRunningPastTheFileIsRefused) {
    BmpLayout s = Indexed(8, 1, 1, {0xFF0000}, {0, 0, 0, 0});
    s.colorsUsed = 0x12345678;
    ExpectRefused(s, "palette of 305419896 colours runs past the end");
}

TEST(BitmapFileIndexed, OversizedPaletteUsesItsFirstEntries) {
    std::vector<uint32_t> palette(20, 0x00FF00);
    palette[1] = 0xFF0000;
    const PixelImage image = Decode(Indexed(1, 1, 1, palette, {0x80, 0, 0, 0}));
    EXPECT_EQ(image.Pixel(0, 0), kRed);
}

TEST(BitmapFileIndexed, Os2CoreHeaderHasThreeBytePaletteEntries) {
    BmpLayout s = Indexed(8, 2, 1, {0xFF0000, 0x0000FF}, {1, 0, 0, 0});
    s.headerSize = 12;
    s.colorsUsed = 0;
    const PixelImage image = Decode(s);
    EXPECT_EQ(image.Pixel(0, 0), kBlue);
    EXPECT_EQ(image.Pixel(1, 0), kRed);
}

TEST(BitmapFileIndexed, ShortOs2V2HeaderReadsOnlyTheFieldsItHas) {
    // 16 bytes: size, width, height, planes and bit count; no compression, no colour count.
    BmpLayout s = Indexed(1, 2, 1, {0xFF0000, 0x0000FF}, {0x40, 0, 0, 0});
    s.headerSize = 16;
    const PixelImage image = Decode(s);
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(1, 0), kBlue);
}

TEST(BitmapFileTrueColour, SixteenBitDefaultsToFiveFiveFive) {
    const PixelImage image = Decode(Rgb16({}, {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0x0421, 0x8000}));
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(1, 0), kGreen);
    EXPECT_EQ(image.Pixel(2, 0), kBlue);
    EXPECT_EQ(image.Pixel(3, 0), kWhite);
    // One step of five bits is 8; the unused top bit is ignored.
    EXPECT_EQ(image.Pixel(4, 0), MakePixel(8, 8, 8));
    EXPECT_EQ(image.Pixel(5, 0), 0u);
}

TEST(BitmapFileTrueColour, SixteenBitFieldsScaleEachChannelToFullRange) {
    const PixelImage rgb565 = Decode(Rgb16({0xF800, 0x07E0, 0x001F}, {0xFFFF, 0x0020, 0x8410}));
    EXPECT_EQ(rgb565.Pixel(0, 0), kWhite);
    EXPECT_EQ(rgb565.Pixel(1, 0), MakePixel(0, 4, 0));
    EXPECT_EQ(rgb565.Pixel(2, 0), MakePixel(0x84, 0x82, 0x84));
    // Two, three and one bits, as odd as fields get.
    const PixelImage tiny = Decode(Rgb16({0x0030, 0x000E, 0x0001}, {0x003F, 0x0010, 0x0008}));
    EXPECT_EQ(tiny.Pixel(0, 0), kWhite);
    EXPECT_EQ(tiny.Pixel(1, 0), MakePixel(0x55, 0, 0));
    EXPECT_EQ(tiny.Pixel(2, 0), MakePixel(0, 0x92, 0));
}

TEST(BitmapFileTrueColour, BadBitFieldsAreRefused) {
    ExpectRefused(Rgb16({0xFF00, 0x00FF, 0x0000}, {0}), "empty blue mask");
    ExpectRefused(Rgb16({0xF800, 0x0FE0, 0x001F}, {0}), "masks overlap");
    ExpectRefused(Rgb16({0xF000, 0x07E0, 0x0A01}, {0}), "not a contiguous run");
    ExpectRefused(Rgb16({0x1F0000, 0x07E0, 0x001F}, {0}), "does not fit in 16-bit pixels");
    BmpLayout missing = Rgb16({}, {0});
    missing.compression = 3;
    ExpectRefused(missing, "colour masks are missing");
}

TEST(BitmapFileTrueColour, TwentyFourBitRowsArePadded) {
    BmpLayout s;
    s.width = 2;
    s.height = 2;
    s.pixels = {0xFF, 0, 0, 0, 0xFF, 0, 0xEE, 0xEE, // bottom: blue, green, padding
                0, 0, 0xFF, 1, 2, 3, 0xEE, 0xEE};   // top: red, (3, 2, 1)
    const PixelImage image = Decode(s);
    EXPECT_EQ(image.Pixel(0, 1), kBlue);
    EXPECT_EQ(image.Pixel(1, 1), kGreen);
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(1, 0), MakePixel(3, 2, 1));
}

TEST(BitmapFileTrueColour, ThirtyTwoBitInTheDibLayoutIsCopiedWithItsFourthByte) {
    const PixelImage plain = Decode(Rgb32({}, 40, {0x80112233}));
    EXPECT_EQ(plain.Pixel(0, 0), 0x80112233u);
    const PixelImage fields = Decode(Rgb32({0xFF0000, 0xFF00, 0xFF}, 40, {0x7F445566}));
    EXPECT_EQ(fields.Pixel(0, 0), 0x7F445566u);
    // A V5 header with an alpha mask but the standard colour masks: the same bytes.
    const PixelImage v5 = Decode(Rgb32({0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 124, {0xC0102030}));
    EXPECT_EQ(v5.Pixel(0, 0), 0xC0102030u);
}

TEST(BitmapFileTrueColour, OtherThirtyTwoBitLayoutsAreConvertedWithoutAlpha) {
    // Red in the low byte, alpha in the top one.
    const PixelImage swapped = Decode(Rgb32({0xFF, 0xFF00, 0xFF0000, 0xFF000000}, 56, {0x80332211}));
    EXPECT_EQ(swapped.Pixel(0, 0), MakePixel(0x11, 0x22, 0x33));
    // Ten bits a channel keep their top eight.
    const PixelImage deep = Decode(Rgb32({0x3FF00000, 0x000FFC00, 0x000003FF}, 40, {0x3FF00000 | (0x200 << 10) | 0x3}));
    EXPECT_EQ(deep.Pixel(0, 0), MakePixel(0xFF, 0x80, 0x00));
}

TEST(BitmapFileTrueColour, AlphaBitFieldsAfterAFortyByteHeader) {
    BmpLayout s = Rgb32({0xFF, 0xFF00, 0xFF0000, 0xFF000000}, 40, {0x00332211});
    s.compression = 6;
    EXPECT_EQ(Decode(s).Pixel(0, 0), MakePixel(0x11, 0x22, 0x33));
}

TEST(BitmapFileHeaders, AcceptedHeaderSizes) {
    for (uint32_t size : {12u, 16u, 20u, 24u, 36u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        BmpLayout s = Indexed(8, 1, 1, {0x00FF00}, {0, 0, 0, 0});
        s.headerSize = size;
        s.colorsUsed = 0;
        EXPECT_EQ(Decode(s).Pixel(0, 0), kGreen) << size;
    }
    const std::vector<uint8_t> valid = BuildBmp(Indexed(8, 1, 1, {0x00FF00}, std::vector<uint8_t>(100, 0)));
    for (uint32_t size : {0u, 8u, 13u, 66u, 100u, 128u, 0xFFFFFFFFu}) {
        std::vector<uint8_t> file = valid;
        imaging_test::Put(file, 14, size, 4);
        ExpectRefused(file, "Unsupported bitmap header size");
    }
    std::vector<uint8_t> cut = valid;
    imaging_test::Put(cut, 14, 124, 4);
    cut.resize(14 + 100);
    imaging_test::Put(cut, 2, static_cast<uint32_t>(cut.size()), 4);
    ExpectRefused(cut, "bitmap header is cut short");
}

TEST(BitmapFileHeaders, RefusesBadFormats) {
    BmpLayout s = Indexed(8, 1, 1, {0}, {0, 0, 0, 0});
    s.bitCount = 3;
    ExpectRefused(s, "Unsupported bit count 3");
    s.bitCount = 2;
    ExpectRefused(s, "Unsupported bit count 2");
    s.bitCount = 64;
    ExpectRefused(s, "Unsupported bit count 64");
    s.bitCount = 8;
    s.planes = 2;
    ExpectRefused(s, "2 colour planes");
    s.planes = 1;
    s.compression = 4;
    ExpectRefused(s, "compression 4 (JPEG)");
    s.compression = 5;
    ExpectRefused(s, "compression 5 (PNG)");
    s.compression = 2;
    ExpectRefused(s, "RLE4 compression with 8 bits");
    s.compression = 3;
    ExpectRefused(s, "bit fields with 8 bits");
    s.compression = 0;
    s.headerSize = 12;
    s.bitCount = 16;
    ExpectRefused(s, "Unsupported bit count 16");
    s.headerSize = 64;
    s.bitCount = 1;
    s.compression = 3;
    ExpectRefused(s, "compression 3 (Huffman)");
    std::vector<uint8_t> notBmp = BuildBmp(Indexed(8, 1, 1, {0}, {0, 0, 0, 0}));
    notBmp[0] = 'P';
    ExpectRefused(notBmp, "Not a bitmap file");
}

TEST(BitmapFileHeaders, RefusesBadDimensions) {
    BmpLayout s = Indexed(8, 1, 1, {0}, std::vector<uint8_t>(64, 0));
    s.width = 0;
    ExpectRefused(s, "invalid width of 0");
    s.width = -5;
    ExpectRefused(s, "invalid width of -5");
    s.width = 1;
    s.height = 0;
    ExpectRefused(s, "height of 0");
    s.height = INT32_MIN;
    ExpectRefused(s, "too large");
    s.height = 1;
    s.width = fw::kMaxBitmapSide + 1;
    ExpectRefused(s, "too large");
    // Each side within the limit but too many pixels in all.
    s.width = 8192;
    s.height = 8193;
    ExpectRefused(s, "8192x8193 pixels is too large");
}

TEST(BitmapFileHeaders, DimensionsMustFitTheDataBeforeAnythingIsAllocated) {
    BmpLayout s = Indexed(8, 8000, 8000, {0}, std::vector<uint8_t>(100, 0));
    s.bitCount = 24;
    s.palette.clear();
    s.colorsUsed = 0;
    ExpectRefused(s, "truncated (192000000 bytes of pixel data needed, 100 present)");
}

TEST(BitmapFileHeaders, FileSizeAndOffsetsAreChecked) {
    BmpLayout s = Indexed(8, 2, 1, {0xFF0000}, {0, 0, 0, 0});
    s.fileSize = 1000;
    ExpectRefused(s, "header gives 1000 bytes, only 62 are present");
    s.fileSize = 20; // a smaller size field is a harmless slip
    EXPECT_EQ(Decode(s).Pixel(1, 0), kRed);
    s.fileSize = -1;
    std::vector<uint8_t> file = BuildBmp(s);
    imaging_test::Put(file, 10, 30, 4);
    ExpectRefused(file, "offset 30 points into its headers");
    imaging_test::Put(file, 10, 5000, 4);
    ExpectRefused(file, "offset lies beyond the end");
    s.imageSize = 5;
    ExpectRefused(s, "image size of 5 bytes exceeds the 4 bytes");
}

TEST(BitmapFileHeaders, ImplausibleResolutionIsRefused) {
    BmpLayout s = Indexed(8, 1, 1, {0}, {0, 0, 0, 0});
    s.xPelsPerMeter = 30000000;
    ExpectRefused(s, "resolution of 30000000 pixels per metre");
    s.xPelsPerMeter = 0;
    s.yPelsPerMeter = INT32_MIN;
    ExpectRefused(s, "implausible resolution");
    s.yPelsPerMeter = 1000000;
    EXPECT_NO_THROW(Decode(s));
}

TEST(BitmapFileHeaders, EveryStrictPrefixOfAFileIsRefused) {
    const std::vector<uint8_t> file = BuildBmp(Indexed(4, 5, 3, {0xFF0000, 0x00FF00}, std::vector<uint8_t>(12, 0x01)));
    EXPECT_NO_THROW(DecodeBitmapFile(file));
    for (size_t n = 0; n < file.size(); ++n)
        EXPECT_THROW(DecodeBitmapFile(file.data(), n), BitmapFileError) << n;
    EXPECT_THROW(DecodeBitmapFile(nullptr, 100), BitmapFileError);
}

TEST(BitmapFileEncode, TwentyFourBitRoundTripDropsAlpha) {
    std::mt19937 rng(7);
    for (auto [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{17, 5}}) {
        PixelImage image(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                image.SetPixel(x, y, static_cast<uint32_t>(rng()));
        const PixelImage back = DecodeBitmapFile(EncodeBitmapFile(image));
        ASSERT_EQ(back.Width(), w);
        ASSERT_EQ(back.Height(), h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(back.Pixel(x, y), image.Pixel(x, y) & 0x00FFFFFF);
        EXPECT_EQ(DecodeBitmapFile(EncodeBitmapFile(image, 32)), image);
    }
}

TEST(BitmapFileEncode, WritesAStandardBottomUpFile) {
    PixelImage image(3, 2, MakePixel(9, 9, 9));
    image.SetPixel(0, 0, MakePixel(1, 2, 3));    // top-left
    image.SetPixel(0, 1, MakePixel(4, 5, 6));    // bottom-left
    const std::vector<uint8_t> file = EncodeBitmapFile(image);
    ASSERT_EQ(file.size(), 54u + 2 * 12);        // rows of 9 bytes padded to 12
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2], file.size());
    EXPECT_EQ(file[10], 54);
    EXPECT_EQ(file[14], 40);
    EXPECT_EQ(file[28], 24);
    // The first stored row is the bottom one, blue first, and the padding is zero.
    EXPECT_EQ(file[54], 6);
    EXPECT_EQ(file[56], 4);
    EXPECT_EQ(file[62], 9);
    EXPECT_EQ(file[63], 0);
    EXPECT_EQ(file[64], 0);
    EXPECT_EQ(file[65], 0);
    EXPECT_EQ(file[66], 3);
    EXPECT_EQ(EncodeBitmapFile(image, 32).size(), 54u + 2 * 12);
}

TEST(BitmapFileEncode, RefusesWhatItCannotWrite) {
    EXPECT_THROW(EncodeBitmapFile(PixelImage(2, 2), 16), BitmapFileError);
    EXPECT_THROW(EncodeBitmapFile(PixelImage(2, 2), 8), BitmapFileError);
    EXPECT_THROW(EncodeBitmapFile(PixelImage()), BitmapFileError);
    EXPECT_THROW(EncodeBitmapFile(PixelImage(fw::kMaxBitmapSide + 1, 1)), BitmapFileError);
}
