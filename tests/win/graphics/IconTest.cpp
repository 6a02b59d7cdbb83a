// The program icon from the resources, at the sizes the program asks for.
#include "framework/graphics/Icon.h"

#include "framework/core/Exception.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

namespace {

using fw::Bitmap;
using graphics_test::CountPixels;
using graphics_test::Filled;
using graphics_test::Whole;

bool IsGold(fw::Color c) { return fw::RedOf(c) > 170 && fw::GreenOf(c) > 100 && fw::BlueOf(c) < 90; }

void ExpectPadlock(int size) {
    fw::Icon icon;
    icon.LoadFromResourceName(GetModuleHandleW(nullptr), "MAINICON", size);
    ASSERT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), size);
    EXPECT_EQ(icon.Height(), size);
    Bitmap b = Filled(size, size, fw::clWhite);
    b.Canvas().Draw(0, 0, icon);
    EXPECT_EQ(b.Pixel(0, 0), fw::clWhite) << "the corners are transparent";
    EXPECT_EQ(b.Pixel(size - 1, 0), fw::clWhite);
    const fw::Rect lowerHalf{0, size / 2, size, size};
    EXPECT_GT(CountPixels(b, lowerHalf, IsGold), size * size / 8) << "a golden padlock body";
    EXPECT_EQ(CountPixels(b, fw::Rect{0, 0, size, size / 4}, IsGold), 0) << "the shackle is not gold";
    EXPECT_GT(CountPixels(b, Whole(b), [](fw::Color c) { return c != fw::clWhite; }), size * size / 3);
}

TEST(Icon, ProgramIconLoadsAt16And32Pixels) {
    ExpectPadlock(16);
    ExpectPadlock(32);
}

TEST(Icon, DrawsThroughAGraphicReferenceAndStretches) {
    fw::Icon icon;
    icon.LoadFromResourceName(GetModuleHandleW(nullptr), "MAINICON");
    const fw::Graphic& g = icon;
    Bitmap b = Filled(40, 40, fw::clWhite);
    b.Canvas().StretchDraw(fw::Rect{4, 4, 36, 36}, g);
    const fw::Rect ink = graphics_test::ChangedBounds(b, fw::clWhite);
    EXPECT_EQ(ink.Intersect(fw::Rect{4, 4, 36, 36}), ink);
    EXPECT_GT(ink.Width(), 20);
}

TEST(Icon, MissingIconThrowsAndReleasedHandlesBelongToTheCaller) {
    fw::Icon icon;
    EXPECT_THROW(icon.LoadFromResourceName(GetModuleHandleW(nullptr), "NO_SUCH_ICON"), fw::Exception);
    EXPECT_TRUE(icon.Empty());
    icon.LoadFromResourceName(GetModuleHandleW(nullptr), "MAINICON");
    HICON h = icon.ReleaseHandle();
    ASSERT_NE(h, nullptr);
    EXPECT_TRUE(icon.Empty());
    EXPECT_TRUE(DestroyIcon(h));
}

} // namespace
