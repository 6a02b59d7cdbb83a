#include "framework/imaging/BitmapFile.h"

#include "tests/native/imaging/BmpBuilder.h"

#include <gtest/gtest.h>

using fw::BitmapFileError;
using fw::DecodeBitmapFile;
using fw::MakePixel;
using fw::PixelImage;
using imaging_test::BmpLayout;
using imaging_test::BuildBmp;

namespace {

const uint32_t kBackground = MakePixel(1, 1, 1);
const std::vector<uint32_t> kPalette = {0x010101, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x808080};

BmpLayout Rle(int bits, int width, int height, std::vector<uint8_t> stream) {
    BmpLayout s;
    s.bitCount = static_cast<uint16_t>(bits);
    s.compression = bits == 8 ? 1 : 2;
    s.width = width;
    s.height = height;
    s.palette = kPalette;
    s.colorsUsed = static_cast<uint32_t>(kPalette.size());
    s.pixels = std::move(stream);
    s.imageSize = static_cast<uint32_t>(s.pixels.size());
    return s;
}

// The rows of an image top-down as palette indices, for readable expectations.
std::vector<std::vector<int>> Indices(const PixelImage& image) {
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < image.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < image.Width(); ++x) {
            int index = -1;
            for (size_t i = 0; i < kPalette.size(); ++i)
                if (image.Pixel(x, y) == kPalette[i])
                    index = static_cast<int>(i);
            rows.back().push_back(index);
        }
    }
    return rows;
}

std::vector<std::vector<int>> DecodeIndices(const BmpLayout& layout) { return Indices(DecodeBitmapFile(BuildBmp(layout))); }

void ExpectRefused(const BmpLayout& layout, const std::string& fragment) {
    try {
        DecodeBitmapFile(BuildBmp(layout));
        ADD_FAILURE() << "decoded, expected refusal containing \"" << fragment << "\"";
    } catch (const BitmapFileError& e) {
        EXPECT_NE(e.Message().find(fragment), std::string::npos) << e.Message();
    }
}

using Rows = std::vector<std::vector<int>>;

} // namespace

TEST(BitmapRle, Rle8EncodedAndAbsoluteRunsFillRowsFromTheBottom) {
    const BmpLayout s = Rle(8, 6, 2,
                          {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, // bottom row: 1 1 1, then 2 3 4 literally, padded
                           0, 4, 4, 5, 2, 3,             // top row: 4 5 2 3 literally
                           2, 1, 0, 1});                 // then 1 1, end of bitmap
    EXPECT_EQ(DecodeIndices(s), (Rows{{4, 5, 2, 3, 1, 1}, {1, 1, 1, 2, 3, 4}}));
}

TEST(BitmapRle, DeltasAndEarlyEndsLeaveSkippedPixelsInColourZero) {
    const BmpLayout jump = Rle(8, 4, 3, {1, 1, 0, 2, 2, 1, 1, 2, 0, 1});
    EXPECT_EQ(DecodeIndices(jump), (Rows{{0, 0, 0, 0}, {0, 0, 0, 2}, {1, 0, 0, 0}}));
    const BmpLayout early = Rle(8, 2, 3, {2, 3, 0, 1});
    EXPECT_EQ(DecodeIndices(early), (Rows{{0, 0}, {0, 0}, {3, 3}}));
    EXPECT_EQ(DecodeBitmapFile(BuildBmp(early)).Pixel(0, 0), kBackground);
    // A line end after the last row and a jump to the very end are both harmless.
    EXPECT_EQ(DecodeIndices(Rle(8, 1, 1, {1, 4, 0, 0, 0, 1})), (Rows{{4}}));
    EXPECT_EQ(DecodeIndices(Rle(8, 2, 1, {1, 4, 0, 2, 1, 0, 0, 1})), (Rows{{4, 0}}));
}

TEST(BitmapRle, Rle4RunsAlternateTwoColours) {
    const BmpLayout s = Rle(4, 8, 2,
                          {5, 0x12, 0, 0,         // bottom: 1 2 1 2 1
                           0, 3, 0x34, 0x50,      // top: 3 4 5 literally (two bytes, no padding)
                           0, 5, 0x12, 0x34, 0x50, 0, // then 1 2 3 4 5, three bytes padded to four
                           0, 1});
    EXPECT_EQ(DecodeIndices(s), (Rows{{3, 4, 5, 1, 2, 3, 4, 5}, {1, 2, 1, 2, 1, 0, 0, 0}}));
}

TEST(BitmapRle, Rle4OnePixelRunIgnoresItsUnusedHalf) {
    // The low nibble 15 lies beyond the palette but draws nothing.
    EXPECT_EQ(DecodeIndices(Rle(4, 2, 1, {1, 0x1F, 0, 1})), (Rows{{1, 0}}));
    ExpectRefused(Rle(4, 2, 1, {2, 0x1F, 0, 1}), "colour 15 of a palette with only 6 colours");
}

TEST(BitmapRle, StreamsThatEndWithoutTheirMarkerAreRefused) {
    ExpectRefused(Rle(8, 2, 2, {2, 1, 0, 0}), "ends without an end marker");
    ExpectRefused(Rle(8, 2, 2, {0, 2, 1}), "ends without an end marker");
    ExpectRefused(Rle(8, 8, 1, {0, 5, 1, 2}), "ends inside a run");
    ExpectRefused(Rle(4, 8, 1, {0, 5, 0x12}), "ends inside a run");
    // The stream is only as long as the header's image size says, whatever follows it.
    BmpLayout cut = Rle(8, 2, 1, {2, 1, 0, 1});
    cut.imageSize = 2;
    ExpectRefused(cut, "ends without an end marker");
}

TEST(BitmapRle, WritesOutsideTheImageAreRefused) {
    ExpectRefused(Rle(8, 4, 2, {5, 1, 0, 1}), "a run goes past the end of a row");
    ExpectRefused(Rle(8, 4, 2, {3, 1, 2, 1, 0, 1}), "a run goes past the end of a row");
    ExpectRefused(Rle(8, 4, 2, {0, 5, 1, 1, 1, 1, 1, 0, 0, 1}), "a run goes past the end of a row");
    ExpectRefused(Rle(4, 4, 2, {0, 6, 0x11, 0x11, 0x11, 0, 0, 1}), "a run goes past the end of a row");
    ExpectRefused(Rle(8, 4, 2, {0, 2, 5, 0, 0, 1}), "a jump leaves the image");
    ExpectRefused(Rle(8, 4, 2, {0, 2, 0, 3, 0, 1}), "a jump leaves the image");
    ExpectRefused(Rle(8, 4, 1, {0, 0, 0, 0, 0, 1}), "an end of line lies below the last row");
    ExpectRefused(Rle(8, 4, 1, {0, 0, 1, 1, 0, 1}), "pixels lie above the top row");
    ExpectRefused(Rle(8, 4, 2, {0, 2, 0, 2, 1, 1, 0, 1}), "pixels lie above the top row");
}

TEST(BitmapRle, ColoursBeyondThePaletteAreRefused) {
    ExpectRefused(Rle(8, 4, 1, {2, 6, 0, 1}), "colour 6 of a palette with only 6 colours");
    ExpectRefused(Rle(8, 4, 1, {0, 3, 1, 2, 200, 0, 0, 1}), "colour 200 of a palette");
}

TEST(BitmapRle, TopDownRowsAreRefused) {
    ExpectRefused(Rle(8, 2, -2, {0, 1}), "top-down rows");
}
