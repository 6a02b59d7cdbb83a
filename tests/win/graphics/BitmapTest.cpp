// Bitmap: pixel layout, resizing, resources, and the bitmap-file loader on the public corpus
// and on damaged files.
#include "framework/graphics/Bitmap.h"

#include "framework/graphics/Canvas.h"
#include "framework/imaging/BitmapFile.h"
#include "tests/data/CorpusFiles.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using fw::Bitmap;
using fw::Color;
using graphics_test::Filled;

using corpus::CorpusFiles;
using corpus::ReadFile;

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The test pattern compiled into the test program (6 x 4, rows top-down).
const Color kR = fw::clRed, kG = fw::clLime, kB = fw::clBlue, kF = fw::clFuchsia;
const Color kPattern[4][6] = {
    {kR, kG, kB, kF, kR, kG},
    {kF, kF, kF, kF, kF, kF},
    {kB, kB, kG, kG, kR, kR},
    {kR, kR, kR, kF, kF, kF},
};

void ExpectPattern(const Bitmap& b) {
    ASSERT_EQ(b.Width(), 6);
    ASSERT_EQ(b.Height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Pixel(x, y), kPattern[y][x]) << "at " << x << "," << y;
}

TEST(BitmapPixels, NewBitmapIsBlackAndPixelsKeepTheirColour) {
    Bitmap b(5, 3);
    EXPECT_EQ(graphics_test::CountColour(b, graphics_test::Whole(b), fw::clBlack), 15);
    b.SetPixel(4, 2, fw::RgbColor(1, 2, 3));
    EXPECT_EQ(b.Pixel(4, 2), fw::RgbColor(1, 2, 3));
    ASSERT_NE(b.Handle(), nullptr);
}

TEST(BitmapPixels, ScanLineWordsAreRedGreenBlueFromHighToLow) {
    Bitmap b(3, 2);
    b.SetPixel(1, 1, fw::clRed);
    b.SetPixel(2, 1, fw::clBlue);
    EXPECT_EQ(b.ScanLine(1)[1] & 0xFFFFFFu, 0xFF0000u);
    EXPECT_EQ(b.ScanLine(1)[2] & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(b.ScanLine(0)[1] & 0xFFFFFFu, 0u) << "rows are top-down";
}

TEST(BitmapPixels, GdiDrawingIsVisibleThroughScanLines) {
    Bitmap b(4, 4);
    b.Canvas().Brush().SetColor(fw::clLime);
    b.Canvas().FillRect(fw::Rect{1, 1, 3, 3});
    EXPECT_EQ(b.ScanLine(1)[1] & 0xFFFFFFu, 0x00FF00u);
    EXPECT_EQ(b.ScanLine(3)[3] & 0xFFFFFFu, 0u);
}

TEST(BitmapPixels, AccessOutsideTheBitmapThrows) {
    Bitmap b(2, 2);
    EXPECT_THROW(b.Pixel(2, 0), fw::Exception);
    EXPECT_THROW(b.SetPixel(0, -1, fw::clRed), fw::Exception);
    EXPECT_THROW(b.ScanLine(2), fw::Exception);
    Bitmap empty;
    EXPECT_THROW(empty.Pixel(0, 0), fw::Exception);
}

TEST(BitmapSize, GrowingAndShrinkingKeepTheTopLeftContent) {
    Bitmap b(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) b.SetPixel(x, y, fw::RgbColor(static_cast<uint8_t>(10 + x), static_cast<uint8_t>(20 + y), 7));
    b.SetSize(6, 5);
    ASSERT_EQ(b.Width(), 6);
    ASSERT_EQ(b.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const Color want = (x < 4 && y < 3) ? fw::RgbColor(static_cast<uint8_t>(10 + x), static_cast<uint8_t>(20 + y), 7) : fw::clBlack;
            EXPECT_EQ(b.Pixel(x, y), want) << x << "," << y;
        }
    b.SetSize(2, 2);
    EXPECT_EQ(b.Pixel(1, 1), fw::RgbColor(11, 21, 7));
    EXPECT_EQ(b.Pixel(0, 0), fw::RgbColor(10, 20, 7));
}

TEST(BitmapSize, CanvasDrawsOnTheResizedBitmap) {
    Bitmap b(2, 2);
    fw::Canvas& c = b.Canvas();
    b.SetSize(8, 8);
    c.Brush().SetColor(fw::clRed);
    c.FillRect(fw::Rect{5, 5, 8, 8});
    EXPECT_EQ(b.Pixel(7, 7), fw::clRed);
    EXPECT_EQ(graphics_test::CountColour(b, graphics_test::Whole(b), fw::clRed), 9);
}

TEST(BitmapSize, ZeroSidesEmptyTheBitmapUntilBothAreSetAgain) {
    Bitmap b(3, 3);
    b.SetHeight(0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
    b.SetHeight(4);
    b.SetWidth(5);
    ASSERT_FALSE(b.Empty());
    b.Canvas().Brush().SetColor(fw::clBlue);
    b.Canvas().FillRect(fw::Rect{0, 0, 5, 4});
    EXPECT_EQ(b.Pixel(4, 3), fw::clBlue);
}

TEST(BitmapSize, OversizedAndNegativeSizesAreRefused) {
    EXPECT_THROW(Bitmap(20000, 10), fw::Exception);
    EXPECT_THROW(Bitmap(-1, 10), fw::Exception);
    Bitmap b(2, 2);
    EXPECT_THROW(b.SetSize(16384, 16384), fw::Exception) << "beyond the pixel limit";
    EXPECT_EQ(b.Width(), 2) << "a refused size changes nothing";
}

TEST(BitmapSize, CopiesAreIndependent) {
    Bitmap a = Filled(3, 3, fw::clRed);
    a.SetTransparent(true);
    a.SetTransparentColor(fw::clFuchsia);
    Bitmap b(a);
    b.SetPixel(0, 0, fw::clBlue);
    EXPECT_EQ(a.Pixel(0, 0), fw::clRed);
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.TransparentColor(), fw::clFuchsia);
    Bitmap c;
    c = b;
    b.SetPixel(1, 1, fw::clLime);
    EXPECT_EQ(c.Pixel(1, 1), fw::clRed);
    EXPECT_EQ(c.Pixel(0, 0), fw::clBlue);
    Bitmap moved(std::move(c));
    EXPECT_EQ(moved.Pixel(0, 0), fw::clBlue);
    moved.Canvas().Brush().SetColor(fw::clLime);
    moved.Canvas().FillRect(fw::Rect{2, 2, 3, 3});
    EXPECT_EQ(moved.Pixel(2, 2), fw::clLime);
}

TEST(BitmapTransparency, TransparentColourIsTheTopLeftPixelUntilSet) {
    Bitmap b = Filled(2, 2, fw::clGreen);
    b.SetPixel(0, 0, fw::clAqua);
    EXPECT_EQ(b.TransparentColor(), fw::clAqua);
    b.SetTransparentColor(fw::clFuchsia);
    EXPECT_EQ(b.TransparentColor(), fw::clFuchsia);
}

TEST(BitmapResource, LoadsABitmapResourceByName) {
    Bitmap b;
    b.LoadFromResourceName(GetModuleHandleW(nullptr), "TESTPATTERN");
    ExpectPattern(b);
    Bitmap lower;
    lower.LoadFromResourceName(GetModuleHandleW(nullptr), "testpattern");
    ExpectPattern(lower);
}

TEST(BitmapResource, MissingResourceThrowsAndKeepsTheBitmap) {
    Bitmap b = Filled(2, 2, fw::clLime);
    EXPECT_THROW(b.LoadFromResourceName(GetModuleHandleW(nullptr), "NO_SUCH_BITMAP"), fw::Exception);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Pixel(1, 1), fw::clLime);
}

TEST(BitmapFile, EveryGoodCorpusFileLoadsAndGdiSeesTheSamePixels) {
    const auto files = CorpusFiles("g");
    ASSERT_GE(files.size(), 20u) << corpus::CorpusDir().string();
    for (const auto& path : files) {
        SCOPED_TRACE(path);
        const std::vector<uint8_t> bytes = ReadFile(path);
        Bitmap b;
        ASSERT_NO_THROW(b.LoadFromBitmapFile(bytes));
        const fw::PixelImage decoded = fw::DecodeBitmapFile(bytes);
        EXPECT_TRUE(b.ToPixelImage() == decoded);
        // Copy through GDI and compare what arrives with what the decoder produced.
        Bitmap copy(b.Width(), b.Height());
        copy.Canvas().Draw(0, 0, b);
        int wrong = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if ((copy.ScanLine(y)[x] & 0xFFFFFFu) != (decoded.Pixel(x, y) & 0xFFFFFFu)) ++wrong;
        EXPECT_EQ(wrong, 0);
    }
}

TEST(BitmapFile, EveryBadCorpusFileIsRefusedAndLeavesTheBitmapAlone) {
    const auto files = CorpusFiles("b");
    ASSERT_GE(files.size(), 10u);
    for (const auto& path : files) {
        SCOPED_TRACE(path);
        Bitmap b = Filled(2, 2, fw::clLime);
        EXPECT_THROW(b.LoadFromBitmapFile(ReadFile(path)), fw::BitmapFileError);
        EXPECT_EQ(b.Width(), 2);
        EXPECT_EQ(b.Pixel(1, 1), fw::clLime);
    }
}

TEST(BitmapFile, TruncatedOversizedAndInconsistentFilesAreRefused) {
    const std::vector<uint8_t> good = ReadFile(VORNIK_SOURCE_DIR "/tests/win/graphics/data/pattern.bmp");
    ASSERT_EQ(good.size(), 102u);
    Bitmap b;
    b.LoadFromBitmapFile(good);
    ExpectPattern(b);

    for (size_t n = 0; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
        EXPECT_THROW(b.LoadFromBitmapFile(cut), fw::BitmapFileError) << "cut to " << n << " bytes";
    }
    ExpectPattern(b);

    std::vector<uint8_t> wide = good;
    PutU32(wide, 18, 1000000);
    EXPECT_THROW(b.LoadFromBitmapFile(wide), fw::BitmapFileError);
    std::vector<uint8_t> huge = good;
    PutU32(huge, 18, 16000);
    PutU32(huge, 22, 16000);
    EXPECT_THROW(b.LoadFromBitmapFile(huge), fw::BitmapFileError) << "pixel data far beyond the file";

    std::vector<uint8_t> offset = good;
    PutU32(offset, 10, 5000);
    EXPECT_THROW(b.LoadFromBitmapFile(offset), fw::BitmapFileError);
    std::vector<uint8_t> depth = good;
    depth[28] = 7;
    EXPECT_THROW(b.LoadFromBitmapFile(depth), fw::BitmapFileError);
    std::vector<uint8_t> colours = good;
    colours[94] = 9; // a pixel naming colour 9 of a 4-colour palette
    EXPECT_THROW(b.LoadFromBitmapFile(colours), fw::BitmapFileError);
    ExpectPattern(b);
}

} // namespace
