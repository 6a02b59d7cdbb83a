// Image lists: cutting bitmaps into images, masks, greyed drawing and extraction.
#include "framework/graphics/ImageList.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

namespace {

using fw::Bitmap;
using fw::ImageList;
using fw::Rect;
using graphics_test::CountColour;
using graphics_test::Filled;
using graphics_test::Whole;

// Three 4 x 4 frames: red, lime, blue, each with a fuchsia top-left pixel.
Bitmap ThreeFrames() {
    Bitmap b(12, 4);
    const fw::Color colours[3] = {fw::clRed, fw::clLime, fw::clBlue};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 12; ++x) b.SetPixel(x, y, colours[x / 4]);
    for (int i = 0; i < 3; ++i) b.SetPixel(4 * i, 0, fw::clFuchsia);
    return b;
}

bool IsGrey(fw::Color c) { return fw::RedOf(c) == fw::GreenOf(c) && fw::GreenOf(c) == fw::BlueOf(c); }

TEST(ImageListContent, AddCutsTheBitmapIntoImagesFromTheLeft) {
    ImageList list(4, 4);
    EXPECT_EQ(list.Add(ThreeFrames()), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(ThreeFrames(), fw::clFuchsia), 3);
    EXPECT_EQ(list.Count(), 6);
    Bitmap out;
    list.GetBitmap(1, out);
    ASSERT_EQ(out.Width(), 4);
    ASSERT_EQ(out.Height(), 4);
    EXPECT_EQ(CountColour(out, Whole(out), fw::clLime), 15);
    list.GetBitmap(5, out);
    EXPECT_EQ(out.Pixel(0, 0), fw::clFuchsia) << "extraction keeps the masked pixels' colour";
    EXPECT_FALSE(out.Transparent());
    EXPECT_FALSE(list.IsOpaque(5, 0, 0));
    EXPECT_TRUE(list.IsOpaque(5, 1, 0));
    EXPECT_TRUE(list.IsOpaque(2, 0, 0)) << "an unmasked image draws every pixel";
}

TEST(ImageListContent, ANarrowBitmapGivesOneImageWithTransparentRest) {
    ImageList list(6, 6);
    EXPECT_EQ(list.Add(Filled(4, 3, fw::clRed)), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.IsOpaque(0, 3, 2));
    EXPECT_FALSE(list.IsOpaque(0, 4, 2));
    EXPECT_FALSE(list.IsOpaque(0, 3, 3));
    Bitmap dst = Filled(6, 6, fw::clWhite);
    list.Draw(dst.Canvas(), 0, 0, 0);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clRed), 12);
    EXPECT_EQ(list.Add(Bitmap()), -1);
    EXPECT_EQ(list.Count(), 1);
}

TEST(ImageListContent, BadSizesAndIndexesAreRefused) {
    EXPECT_THROW(ImageList(0, 4), fw::Exception);
    ImageList list(2, 2);
    list.Add(Filled(4, 2, fw::clRed));
    Bitmap dst(4, 4);
    Bitmap out;
    EXPECT_THROW(list.Draw(dst.Canvas(), 0, 0, 2), fw::Exception);
    EXPECT_THROW(list.Draw(dst.Canvas(), 0, 0, -1), fw::Exception);
    EXPECT_THROW(list.GetBitmap(2, out), fw::Exception);
    list.SetSize(3, 3);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Width(), 3);
}

TEST(ImageListDrawing, MaskedImagesLeaveTheirMaskColourOut) {
    ImageList list(4, 4);
    list.AddMasked(ThreeFrames(), fw::clFuchsia);
    Bitmap dst = Filled(10, 10, fw::clWhite);
    list.Draw(dst.Canvas(), 3, 2, 2);
    EXPECT_EQ(dst.Pixel(3, 2), fw::clWhite);
    EXPECT_EQ(dst.Pixel(4, 2), fw::clBlue);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clBlue), 15);
    EXPECT_EQ(graphics_test::ChangedBounds(dst, fw::clWhite), (Rect{3, 2, 7, 6}));
}

TEST(ImageListDrawing, DisabledImagesAreGreyAndKeepTheirMask) {
    ImageList list(4, 4);
    list.AddMasked(ThreeFrames(), fw::clFuchsia);
    Bitmap enabled = Filled(4, 4, fw::clAqua);
    Bitmap greyed = Filled(4, 4, fw::clAqua);
    list.Draw(enabled.Canvas(), 0, 0, 0, true);
    list.Draw(greyed.Canvas(), 0, 0, 0, false);
    EXPECT_EQ(greyed.Pixel(0, 0), fw::clAqua) << "masked pixel untouched";
    int greys = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            if (x == 0 && y == 0) continue;
            const fw::Color p = greyed.Pixel(x, y);
            EXPECT_TRUE(IsGrey(p)) << std::hex << p;
            EXPECT_NE(p, enabled.Pixel(x, y));
            if (IsGrey(p)) ++greys;
        }
    EXPECT_EQ(greys, 15);

    // Darker images stay darker when greyed, so the glyph's shape survives.
    ImageList shades(1, 1);
    shades.Add(Filled(1, 1, fw::clBlack));
    shades.Add(Filled(1, 1, fw::clWhite));
    Bitmap dark(1, 1), light(1, 1);
    shades.Draw(dark.Canvas(), 0, 0, 0, false);
    shades.Draw(light.Canvas(), 0, 0, 1, false);
    EXPECT_LT(fw::RedOf(dark.Pixel(0, 0)), fw::RedOf(light.Pixel(0, 0)));
}

TEST(ImageListDrawing, DrawingFollowsTheCanvasOrigin) {
    ImageList list(4, 4);
    list.AddMasked(ThreeFrames(), fw::clFuchsia);
    Bitmap dst = Filled(8, 8, fw::clWhite);
    dst.Canvas().MoveOrigin(2, 3);
    list.Draw(dst.Canvas(), 0, 0, 1);
    EXPECT_EQ(graphics_test::ChangedBounds(dst, fw::clWhite), (Rect{2, 3, 6, 7}));
}

} // namespace
