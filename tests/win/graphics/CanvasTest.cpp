// Canvas shapes, copies and state, checked pixel by pixel on off-screen bitmaps.
#include "framework/graphics/Canvas.h"

#include "framework/core/Exception.h"
#include "framework/core/Picture.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/PictureLoader.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using fw::Bitmap;
using fw::Color;
using fw::Rect;
using graphics_test::CountColour;
using graphics_test::Filled;
using graphics_test::Whole;

TEST(CanvasShapes, FillRectCoversExactlyItsRectangle) {
    Bitmap b = Filled(10, 10, fw::clWhite);
    b.Canvas().Brush().SetColor(fw::clRed);
    b.Canvas().FillRect(Rect{2, 3, 7, 8});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clRed), 25);
    EXPECT_EQ(graphics_test::ChangedBounds(b, fw::clWhite), (Rect{2, 3, 7, 8}));
}

TEST(CanvasShapes, ClearBrushFillsAndFramesNothing) {
    Bitmap b = Filled(6, 6, fw::clWhite);
    b.Canvas().Brush().SetColor(fw::clRed);
    b.Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
    b.Canvas().FillRect(Rect{0, 0, 6, 6});
    b.Canvas().FrameRect(Rect{0, 0, 6, 6});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clWhite), 36);
}

TEST(CanvasShapes, FrameRectIsAOnePixelRingInsideTheRectangle) {
    Bitmap b = Filled(12, 10, fw::clWhite);
    b.Canvas().Brush().SetColor(fw::clNavy);
    b.Canvas().FrameRect(Rect{1, 2, 11, 9});
    EXPECT_EQ(graphics_test::ChangedBounds(b, fw::clWhite), (Rect{1, 2, 11, 9}));
    EXPECT_EQ(CountColour(b, Whole(b), fw::clNavy), 2 * (10 + 7) - 4);
    EXPECT_EQ(CountColour(b, Rect{2, 3, 10, 8}, fw::clWhite), 8 * 5) << "inside untouched";
}

TEST(CanvasShapes, FocusRectangleIsDottedAndRemovedByDrawingItAgain) {
    Bitmap b = Filled(12, 10, fw::clWhite);
    b.Canvas().DrawFocusRect(Rect{2, 2, 10, 8});
    const int dots = graphics_test::CountPixels(b, Whole(b), [](Color c) { return c != fw::clWhite; });
    EXPECT_GT(dots, 6);
    EXPECT_LT(dots, 2 * (8 + 6) - 4) << "dotted, not solid";
    EXPECT_EQ(graphics_test::ChangedBounds(b, fw::clWhite).Intersect(Rect{2, 2, 10, 8}),
              graphics_test::ChangedBounds(b, fw::clWhite));
    EXPECT_EQ(CountColour(b, Rect{3, 3, 9, 7}, fw::clWhite), 6 * 4);
    b.Canvas().DrawFocusRect(Rect{2, 2, 10, 8});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clWhite), 120);
}

TEST(CanvasShapes, RectangleHasAPenOutlineAndABrushInside) {
    Bitmap b = Filled(10, 8, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Pen().SetColor(fw::clBlue);
    c.Brush().SetColor(fw::clYellow);
    c.Rectangle(Rect{1, 1, 9, 7});
    EXPECT_EQ(b.Pixel(1, 1), fw::clBlue);
    EXPECT_EQ(b.Pixel(8, 6), fw::clBlue) << "last column and row of the rectangle";
    EXPECT_EQ(b.Pixel(9, 7), fw::clWhite);
    EXPECT_EQ(CountColour(b, Rect{2, 2, 8, 6}, fw::clYellow), 6 * 4);
    c.Pen().SetStyle(fw::PenStyle::Clear);
    c.Brush().SetColor(fw::clLime);
    c.Rectangle(Rect{1, 1, 9, 7});
    EXPECT_EQ(b.Pixel(2, 2), fw::clLime);
}

TEST(CanvasShapes, RoundRectLeavesItsCornersAndDrawsItsEdges) {
    Bitmap b = Filled(20, 20, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Pen().SetColor(fw::clBlack);
    c.Brush().SetColor(fw::clRed);
    c.RoundRect(Rect{0, 0, 20, 20}, 10, 10);
    for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{0, 0}, {19, 0}, {0, 19}, {19, 19}}})
        EXPECT_EQ(b.Pixel(x, y), fw::clWhite) << "corner " << x << "," << y;
    EXPECT_EQ(b.Pixel(10, 0), fw::clBlack);
    EXPECT_EQ(b.Pixel(0, 10), fw::clBlack);
    EXPECT_EQ(b.Pixel(19, 10), fw::clBlack);
    EXPECT_EQ(b.Pixel(10, 19), fw::clBlack);
    EXPECT_EQ(b.Pixel(10, 10), fw::clRed);
    EXPECT_EQ(b.Pixel(2, 2), fw::clRed) << "inside the rounded corner";
    // A square-cornered rectangle would have drawn its corner pixels.
    EXPECT_GT(CountColour(b, Rect{0, 0, 3, 3}, fw::clWhite), 2);
}

TEST(CanvasShapes, LinesStopBeforeTheirEndPoint) {
    Bitmap b = Filled(8, 6, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Pen().SetColor(fw::clMaroon);
    c.MoveTo(0, 2);
    c.LineTo(5, 2);
    EXPECT_EQ(CountColour(b, Rect{0, 2, 5, 3}, fw::clMaroon), 5);
    EXPECT_EQ(b.Pixel(5, 2), fw::clWhite);
    EXPECT_EQ(c.PenPos(), (fw::Point{5, 2}));

    const std::array<fw::Point, 3> corner{{{7, 0}, {7, 5}, {1, 5}}};
    c.Polyline(corner);
    EXPECT_EQ(CountColour(b, Rect{7, 0, 8, 5}, fw::clMaroon), 5);
    EXPECT_EQ(CountColour(b, Rect{2, 5, 8, 6}, fw::clMaroon), 6);
    EXPECT_EQ(b.Pixel(1, 5), fw::clWhite);
}

TEST(CanvasShapes, SystemColoursAreResolvedWhenDrawing) {
    Bitmap b(2, 2);
    b.Canvas().Brush().SetColor(fw::clBtnFace);
    b.Canvas().FillRect(Rect{0, 0, 2, 2});
    EXPECT_EQ(b.Pixel(1, 1), static_cast<Color>(GetSysColor(COLOR_BTNFACE)));
}

TEST(CanvasShapes, PixelsReadAndWriteThroughTheContext) {
    Bitmap b = Filled(3, 3, fw::clWhite);
    b.Canvas().SetPixel(1, 2, fw::clTeal);
    EXPECT_EQ(b.Pixel(1, 2), fw::clTeal);
    EXPECT_EQ(b.Canvas().Pixel(1, 2), fw::clTeal);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), fw::clWhite);
}

TEST(CanvasCopy, StretchingAOnePixelColumnRepeatsItExactly) {
    const std::array<Color, 4> column{fw::clRed, fw::clLime, fw::clBlue, fw::clFuchsia};
    Bitmap src(1, 4);
    for (int y = 0; y < 4; ++y) src.SetPixel(0, y, column[static_cast<size_t>(y)]);
    Bitmap dst = Filled(12, 8, fw::clWhite);
    dst.Canvas().CopyRect(Rect{1, 0, 11, 8}, src.Canvas(), Rect{0, 0, 1, 4});
    for (int y = 0; y < 8; ++y)
        for (int x = 1; x < 11; ++x)
            ASSERT_EQ(dst.Pixel(x, y), column[static_cast<size_t>(y / 2)]) << x << "," << y;
    EXPECT_EQ(dst.Pixel(0, 0), fw::clWhite);
    EXPECT_EQ(dst.Pixel(11, 7), fw::clWhite);
}

TEST(CanvasCopy, StretchDrawScalesWithoutBlending) {
    Bitmap src(2, 2);
    src.SetPixel(0, 0, fw::clRed);
    src.SetPixel(1, 0, fw::clLime);
    src.SetPixel(0, 1, fw::clBlue);
    src.SetPixel(1, 1, fw::clYellow);
    Bitmap dst(6, 6);
    dst.Canvas().StretchDraw(Rect{0, 0, 6, 6}, src);
    EXPECT_EQ(CountColour(dst, Rect{0, 0, 3, 3}, fw::clRed), 9);
    EXPECT_EQ(CountColour(dst, Rect{3, 0, 6, 3}, fw::clLime), 9);
    EXPECT_EQ(CountColour(dst, Rect{0, 3, 3, 6}, fw::clBlue), 9);
    EXPECT_EQ(CountColour(dst, Rect{3, 3, 6, 6}, fw::clYellow), 9);
}

// A 4 x 4 image: fuchsia border, a red and a near-fuchsia pixel inside.
Bitmap FramedImage() {
    Bitmap src = Filled(4, 4, fw::clFuchsia);
    src.SetPixel(1, 1, fw::clRed);
    src.SetPixel(2, 1, fw::RgbColor(0xFE, 0x00, 0xFF));
    src.SetPixel(1, 2, fw::clRed);
    src.SetPixel(2, 2, fw::clRed);
    return src;
}

TEST(CanvasCopy, TransparentDrawLeavesExactlyTheKeyPixels) {
    Bitmap src = FramedImage();
    src.SetTransparent(true);
    src.SetTransparentColor(fw::clFuchsia);
    Bitmap dst = Filled(6, 6, fw::clGreen);
    dst.Canvas().Draw(1, 1, src);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clRed), 3);
    EXPECT_EQ(dst.Pixel(3, 2), fw::RgbColor(0xFE, 0x00, 0xFF)) << "a near-key pixel is drawn as it is";
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clGreen), 36 - 4);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clFuchsia), 0);

    src.SetTransparent(false);
    dst.Canvas().Draw(1, 1, src);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clFuchsia), 12) << "an opaque draw copies the key colour";
}

TEST(CanvasCopy, DefaultTransparentColourIsTheTopLeftPixel) {
    Bitmap src = FramedImage();
    src.SetTransparent(true);
    Bitmap dst = Filled(4, 4, fw::clGreen);
    dst.Canvas().Draw(0, 0, src);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clGreen), 12);
}

TEST(CanvasCopy, TransparentDrawOfASubRectangleWithStretching) {
    // Two 2 x 2 frames side by side; the second has one fuchsia pixel.
    Bitmap strip(4, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) strip.SetPixel(x, y, x < 2 ? fw::clBlue : fw::clRed);
    strip.SetPixel(3, 1, fw::clFuchsia);
    Bitmap dst = Filled(8, 8, fw::clWhite);
    dst.Canvas().DrawTransparent(Rect{0, 0, 4, 4}, strip, Rect{2, 0, 4, 2}, fw::clFuchsia);
    EXPECT_EQ(CountColour(dst, Rect{0, 0, 4, 4}, fw::clRed), 12);
    EXPECT_EQ(CountColour(dst, Rect{2, 2, 4, 4}, fw::clWhite), 4) << "the key pixel, stretched, stays transparent";
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clBlue), 0) << "nothing of the first frame";
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clWhite), 64 - 12);
}

TEST(CanvasCopy, TransparentStretchDrawHonoursTheBitmapsColour) {
    Bitmap src = FramedImage();
    src.SetTransparent(true);
    src.SetTransparentColor(fw::clFuchsia);
    Bitmap dst = Filled(8, 8, fw::clGreen);
    dst.Canvas().StretchDraw(Rect{0, 0, 8, 8}, src);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clRed), 12);
    EXPECT_EQ(CountColour(dst, Whole(dst), fw::clGreen), 64 - 16);
}

TEST(CanvasCopy, TransparentDrawFollowsTheOriginAndClip) {
    Bitmap src = FramedImage();
    src.SetTransparent(true);
    Bitmap dst = Filled(6, 6, fw::clGreen);
    fw::Canvas& c = dst.Canvas();
    c.MoveOrigin(-3, -2);
    c.Draw(3, 2, src);
    EXPECT_EQ(CountColour(dst, Rect{1, 1, 3, 3}, fw::clRed), 3);
    c.SetOrigin(fw::Point{0, 0});
    Bitmap red = Filled(6, 6, fw::clRed);
    red.SetTransparent(true);
    red.SetTransparentColor(fw::clBlack);
    c.IntersectClip(Rect{4, 4, 6, 6});
    c.Draw(0, 0, red);
    EXPECT_EQ(CountColour(dst, Rect{4, 4, 6, 6}, fw::clRed), 4);
    EXPECT_EQ(dst.Pixel(3, 3), fw::clGreen) << "outside the clip";
}

TEST(CanvasCopy, PictureFromAResourceDraws) {
    fw::InstallPictureResourceLoader(GetModuleHandleW(nullptr));
    fw::Picture picture;
    picture.SetResourceName("TESTPATTERN");
    ASSERT_TRUE(picture.HasGraphic());
    ASSERT_NE(fw::PictureBitmap(picture), nullptr);
    EXPECT_EQ(picture.Width(), 6);
    Bitmap dst = Filled(8, 6, fw::clWhite);
    dst.Canvas().Draw(1, 1, *picture.GetGraphic());
    EXPECT_EQ(dst.Pixel(1, 1), fw::clRed);
    EXPECT_EQ(dst.Pixel(4, 1), fw::clFuchsia);
    EXPECT_EQ(dst.Pixel(6, 4), fw::clFuchsia);
    EXPECT_THROW(picture.SetResourceName("NO_SUCH_BITMAP"), fw::Exception);
    fw::Picture::SetResourceLoader(nullptr);
}

TEST(CanvasState, RestoreBringsBackToolsClipAndOrigin) {
    Bitmap b = Filled(8, 8, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Brush().SetColor(fw::clRed);
    c.FillRect(Rect{0, 0, 1, 1});
    const int saved = c.SaveState();
    c.Brush().SetColor(fw::clBlue);
    c.IntersectClip(Rect{0, 0, 2, 2});
    c.MoveOrigin(3, 3);
    c.FillRect(Rect{0, 0, 8, 8});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clBlue), 0) << "clip and origin together hide everything";
    c.RestoreState(saved);
    EXPECT_EQ(c.Brush().Color(), fw::clRed);
    EXPECT_EQ(c.Origin(), (fw::Point{0, 0}));
    EXPECT_EQ(c.ClipRect(), (Rect{0, 0, 8, 8}));
    c.FillRect(Rect{0, 0, 8, 8});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clRed), 64);
}

TEST(CanvasState, PensSelectedAtASaveStillDrawAfterTheRestore) {
    Bitmap b = Filled(10, 10, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Pen().SetColor(fw::clRed);
    c.MoveTo(0, 0);
    c.LineTo(10, 0);
    for (int i = 0; i < 50; ++i) {
        c.SaveState();
        c.Pen().SetColor(fw::RgbColor(0, static_cast<uint8_t>(i), 255));
        c.Brush().SetColor(fw::RgbColor(static_cast<uint8_t>(i), 0, 0));
        c.MoveTo(0, 5);
        c.LineTo(10, 5);
        c.FillRect(Rect{0, 8, 1, 9});
        c.RestoreState();
    }
    EXPECT_EQ(c.Pen().Color(), fw::clRed);
    c.MoveTo(0, 2);
    c.LineTo(10, 2);
    EXPECT_EQ(CountColour(b, Rect{0, 2, 10, 3}, fw::clRed), 10);
    EXPECT_EQ(b.Pixel(3, 5), fw::RgbColor(0, 49, 255));
}

TEST(CanvasState, NestedStatesRestoreToTheChosenLevel) {
    Bitmap b = Filled(4, 4, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Brush().SetColor(fw::clRed);
    const int outer = c.SaveState();
    c.Brush().SetColor(fw::clLime);
    c.SaveState();
    c.Brush().SetColor(fw::clBlue);
    c.RestoreState(outer);
    EXPECT_EQ(c.Brush().Color(), fw::clRed);
    c.FillRect(Rect{0, 0, 4, 4});
    EXPECT_EQ(b.Pixel(3, 3), fw::clRed);
    EXPECT_THROW(c.RestoreState(), fw::Exception) << "nothing left to restore";
}

TEST(CanvasState, OriginsMoveWhereLogicalPointsLand) {
    Bitmap b = Filled(8, 8, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Brush().SetColor(fw::clBlack);
    c.SetOrigin(fw::Point{4, 4});
    c.FillRect(Rect{0, 0, 2, 2});
    EXPECT_EQ(graphics_test::ChangedBounds(b, fw::clWhite), (Rect{4, 4, 6, 6}));
    c.SetOrigin(fw::Point{0, 0});
    c.SetWindowOrigin(fw::Point{2, 0});
    c.Brush().SetColor(fw::clRed);
    c.FillRect(Rect{2, 0, 3, 1});
    EXPECT_EQ(b.Pixel(0, 0), fw::clRed);
    EXPECT_EQ(c.WindowOrigin(), (fw::Point{2, 0}));
}

TEST(CanvasState, ClipRegionsAndExclusions) {
    Bitmap b = Filled(8, 8, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    HRGN region = CreateRectRgn(2, 2, 6, 6);
    c.SetClipRegion(region);
    DeleteObject(region);
    c.ExcludeClip(Rect{3, 3, 5, 5});
    c.Brush().SetColor(fw::clBlack);
    c.FillRect(Rect{0, 0, 8, 8});
    EXPECT_EQ(CountColour(b, Whole(b), fw::clBlack), 16 - 4);
    c.SetClipRegion(nullptr);
    EXPECT_EQ(c.ClipRect(), (Rect{0, 0, 8, 8}));
}

TEST(CanvasState, LettingGoOfAContextPutsItsObjectsBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    {
        fw::Canvas c(dc);
        c.Pen().SetColor(fw::clRed);
        c.Brush().SetColor(fw::clBlue);
        c.SaveState();
        c.Pen().SetColor(fw::clLime);
        c.Rectangle(Rect{0, 0, 1, 1});
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    DeleteDC(dc);
    fw::Canvas none;
    EXPECT_THROW(none.FillRect(Rect{0, 0, 1, 1}), fw::Exception);
}

} // namespace
