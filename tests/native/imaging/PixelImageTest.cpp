#include "framework/imaging/PixelImage.h"

#include "framework/core/Exception.h"
#include "tests/native/imaging/ImagePrinter.h"

#include <gtest/gtest.h>

#include <cstring>

using fw::MakePixel;
using fw::PixelImage;

namespace {

// A pattern where every pixel is distinct, so misplaced copies show.
PixelImage Numbered(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.SetPixel(x, y, static_cast<uint32_t>(y * 1000 + x));
    return image;
}

} // namespace

TEST(PixelImage, PixelLayoutMatchesA32BitDibSection) {
    // A DIB section stores blue, green, red, alpha at rising addresses.
    const uint32_t pixel = MakePixel(0x11, 0x22, 0x33, 0x44);
    uint8_t bytes[4];
    std::memcpy(bytes, &pixel, 4);
    EXPECT_EQ(bytes[0], 0x33);
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x11);
    EXPECT_EQ(bytes[3], 0x44);
    EXPECT_EQ(fw::PixelRed(pixel), 0x11);
    EXPECT_EQ(fw::PixelGreen(pixel), 0x22);
    EXPECT_EQ(fw::PixelBlue(pixel), 0x33);
    EXPECT_EQ(fw::PixelAlpha(pixel), 0x44);
}

TEST(PixelImage, ConstructionFillsAndRowsAreTopDown) {
    PixelImage image(3, 2, 0xFF00FF);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixels().size(), 6u);
    for (uint32_t p : image.Pixels())
        EXPECT_EQ(p, 0xFF00FFu);
    image.SetPixel(2, 1, 7);
    EXPECT_EQ(image.Row(1)[2], 7u);
    EXPECT_EQ(image.Pixels()[5], 7u);
    EXPECT_TRUE(PixelImage().Empty());
    EXPECT_TRUE(PixelImage(0, 5).Empty());
    EXPECT_THROW(PixelImage(-1, 2), fw::Exception);
}

TEST(PixelImage, CheckedAccessRefusesOutsideCoordinates) {
    PixelImage image(2, 2);
    EXPECT_THROW(image.Pixel(2, 0), fw::Exception);
    EXPECT_THROW(image.Pixel(0, -1), fw::Exception);
    EXPECT_THROW(image.SetPixel(-1, 0, 1), fw::Exception);
    EXPECT_THROW(image.SetPixel(0, 2, 1), fw::Exception);
}

TEST(PixelImage, ResizeKeepsTopLeftContent) {
    PixelImage image = Numbered(4, 3);
    image.Resize(6, 2, 9);
    ASSERT_EQ(image.Width(), 6);
    ASSERT_EQ(image.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image.Pixel(x, y), x < 4 ? static_cast<uint32_t>(y * 1000 + x) : 9u) << x << "," << y;
    image.Resize(2, 4, 5);
    EXPECT_EQ(image.Pixel(1, 1), 1001u);
    EXPECT_EQ(image.Pixel(0, 2), 5u);
    EXPECT_EQ(image.Pixel(1, 3), 5u);
    image.Resize(0, 0);
    EXPECT_TRUE(image.Empty());
    EXPECT_THROW(image.Resize(-3, 1), fw::Exception);
}

TEST(PixelImage, SubImageCopiesTheRectangle) {
    const PixelImage image = Numbered(5, 4);
    const PixelImage part = image.SubImage(1, 2, 3, 2);
    ASSERT_EQ(part.Width(), 3);
    ASSERT_EQ(part.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(part.Pixel(x, y), static_cast<uint32_t>((y + 2) * 1000 + x + 1));
    EXPECT_EQ(image.SubImage(0, 0, 5, 4), image);
    EXPECT_TRUE(image.SubImage(5, 4, 0, 0).Empty());
}

TEST(PixelImage, SubImageRefusesRectanglesOutsideTheImage) {
    const PixelImage image(5, 4);
    EXPECT_THROW(image.SubImage(3, 0, 3, 1), fw::Exception);
    EXPECT_THROW(image.SubImage(0, 3, 1, 2), fw::Exception);
    EXPECT_THROW(image.SubImage(-1, 0, 1, 1), fw::Exception);
    EXPECT_THROW(image.SubImage(0, 0, -1, 1), fw::Exception);
    EXPECT_THROW(image.SubImage(1, 1, 0x7FFFFFFF, 1), fw::Exception);
}

TEST(PixelImage, EqualityComparesSizeAndPixels) {
    PixelImage a = Numbered(3, 2);
    PixelImage b = Numbered(3, 2);
    EXPECT_EQ(a, b);
    b.SetPixel(2, 1, 0);
    EXPECT_NE(a, b);
    // Same pixel count, different shape.
    EXPECT_NE(PixelImage(3, 2), PixelImage(2, 3));
}
