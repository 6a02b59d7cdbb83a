// Cutting and laying skin bitmaps, checked pixel by pixel on off-screen bitmaps: frame cuts,
// the nine-piece face on larger and smaller rectangles and on ones under 4 pixels, fuchsia in
// both corner modes, the three-piece bar, tiling and quarter turns.
#include "tests/win/skinstyles/SkinTestSupport.h"

#include "framework/core/Exception.h"
#include "framework/core/Picture.h"
#include "framework/graphics/Canvas.h"
#include "skin/styles/SUIPublic.h"

#include <gtest/gtest.h>

#include <memory>

using fw::Bitmap;
using fw::Rect;
using skintest::Coded;
using skintest::CodedBitmap;
using skintest::ExpectRegion;
using skintest::FilledBitmap;
using skintest::From;
using skintest::kBackground;

namespace {

auto Same = [](int v) { return v; };
auto Fixed(int v) {
    return [v](int) { return v; };
}
auto Shift(int d) {
    return [d](int v) { return v + d; };
}

Bitmap NineGrid(const Bitmap& image, int w, int h, bool transparent) {
    Bitmap canvas = FilledBitmap(w, h, kBackground);
    DrawNineGridBitmap(image, canvas.Canvas(), Rect{0, 0, w, h}, transparent);
    return canvas;
}

} // namespace

TEST(CutBitmapFrame, TakesEqualBlocksFromTheLeft) {
    const Bitmap strip = CodedBitmap(102, 16);
    Bitmap frame;
    CutBitmapFrame(strip, frame, 6, 6);
    ASSERT_EQ(frame.Width(), 17);
    ASSERT_EQ(frame.Height(), 16);
    ExpectRegion(frame, Rect{0, 0, 17, 16}, From(Shift(85), Same), "frame 6 of 6");
    CutBitmapFrame(strip, frame, 6, 1);
    ASSERT_EQ(frame.Width(), 17);
    ExpectRegion(frame, Rect{0, 0, 17, 16}, From(Same, Same), "frame 1 of 6");

    const Bitmap odd = CodedBitmap(100, 10);
    CutBitmapFrame(odd, frame, 3, 3);
    ASSERT_EQ(frame.Width(), 33) << "column 99 is never used";
    ExpectRegion(frame, Rect{0, 0, 33, 10}, From(Shift(66), Same), "frame 3 of 3");
}

TEST(CutBitmapFrame, CutsInPlaceAndRefusesFramesThatDoNotExist) {
    Bitmap b = CodedBitmap(60, 5);
    CutBitmapFrame(b, b, 4, 2);
    ASSERT_EQ(b.Width(), 15);
    ExpectRegion(b, Rect{0, 0, 15, 5}, From(Shift(15), Same), "in place");

    Bitmap dest = CodedBitmap(3, 3);
    EXPECT_THROW(CutBitmapFrame(b, dest, 4, 5), fw::Exception);
    EXPECT_THROW(CutBitmapFrame(b, dest, 0, 1), fw::Exception);
    EXPECT_EQ(dest.Width(), 3) << "a refused cut leaves the target alone";
}

TEST(DrawNineGridBitmap, ButtonFrameOnALargerFace) {
    const Bitmap face = NineGrid(CodedBitmap(84, 23), 200, 40, false);
    ExpectRegion(face, Rect{0, 0, 42, 11}, From(Same, Same), "top-left 42 x 11");
    ExpectRegion(face, Rect{0, 30, 41, 40}, From(Same, Shift(-17)), "bottom-left 42 x 10 at (0, 30)");
    ExpectRegion(face, Rect{159, 0, 200, 11}, From(Shift(-116), Same), "top-right 41 x 11 at (159, 0)");
    ExpectRegion(face, Rect{159, 30, 200, 40}, From(Shift(-116), Shift(-17)), "bottom-right 41 x 10 at (159, 30)");
    ExpectRegion(face, Rect{0, 11, 41, 30}, From(Same, Fixed(11)), "left edge stretches row 11");
    ExpectRegion(face, Rect{41, 11, 42, 29}, From(Same, Fixed(11)), "left edge, last column");
    ExpectRegion(face, Rect{159, 11, 200, 30}, From(Shift(-116), Fixed(12)), "right edge stretches row 12");
    ExpectRegion(face, Rect{42, 0, 159, 11}, From(Fixed(42), Same), "top edge stretches column 42 over 42..158");
    ExpectRegion(face, Rect{42, 11, 159, 29}, From(Fixed(42), Fixed(11)), "centre");
    // Drawn last, one column left of the centre and one row above the bottom corners.
    ExpectRegion(face, Rect{41, 29, 159, 40}, From(Fixed(42), Shift(-17)), "bottom edge");
}

TEST(DrawNineGridBitmap, FaceSmallerThanTheImageKeepsTheOuterCorners) {
    const Bitmap face = NineGrid(CodedBitmap(84, 23), 40, 16, false);
    ExpectRegion(face, Rect{0, 0, 20, 8}, From(Same, Same), "top-left 20 x 8");
    ExpectRegion(face, Rect{0, 9, 19, 16}, From(Same, Shift(7)), "bottom-left 20 x 7, bottom rows of the image");
    ExpectRegion(face, Rect{21, 0, 40, 8}, From(Shift(44), Same), "top-right 19 x 8, right columns");
    ExpectRegion(face, Rect{21, 9, 40, 16}, From(Shift(44), Shift(7)), "bottom-right 19 x 7");
    ExpectRegion(face, Rect{0, 8, 19, 9}, From(Same, Fixed(11)), "left edge");
    ExpectRegion(face, Rect{21, 8, 40, 9}, From(Shift(44), Fixed(12)), "right edge, trimmed keeping its right");
    ExpectRegion(face, Rect{20, 0, 21, 8}, From(Fixed(42), Same), "top edge, trimmed keeping its top");
    ExpectRegion(face, Rect{19, 8, 21, 16}, From(Fixed(42), Shift(7)), "bottom edge, trimmed keeping its bottom");
}

TEST(DrawNineGridBitmap, FuchsiaCornersFollowTheModeAndEdgesAreAlwaysSeeThrough) {
    const fw::Color face = fw::RgbColor(0x30, 0x90, 0x60);
    Bitmap image = FilledBitmap(84, 23, face);
    for (auto [x, y] : {std::pair{0, 0}, {83, 0}, {0, 22}, {83, 22}, {42, 0}, {42, 11}, {0, 11}, {83, 12}, {42, 22}})
        image.SetPixel(x, y, fw::clFuchsia);

    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        const Bitmap drawn = NineGrid(image, 200, 40, transparent);
        const fw::Color corner = transparent ? kBackground : fw::clFuchsia;
        EXPECT_EQ(drawn.Pixel(0, 0), corner);
        EXPECT_EQ(drawn.Pixel(199, 0), corner);
        EXPECT_EQ(drawn.Pixel(0, 39), corner);
        EXPECT_EQ(drawn.Pixel(199, 39), corner);
        EXPECT_EQ(drawn.Pixel(1, 1), face);
        ExpectRegion(drawn, Rect{42, 0, 159, 1}, [](int, int) { return kBackground; }, "top edge");
        ExpectRegion(drawn, Rect{42, 11, 159, 29}, [](int, int) { return kBackground; }, "centre");
        ExpectRegion(drawn, Rect{0, 11, 1, 30}, [](int, int) { return kBackground; }, "left edge");
        ExpectRegion(drawn, Rect{199, 11, 200, 30}, [](int, int) { return kBackground; }, "right edge");
        ExpectRegion(drawn, Rect{42, 39, 159, 40}, [](int, int) { return kBackground; }, "bottom edge");
        EXPECT_EQ(drawn.Pixel(41, 39), face) << "the bottom-left corner shows through the bottom edge";
        ExpectRegion(drawn, Rect{42, 1, 159, 11}, [&](int, int) { return face; }, "top edge below the fuchsia row");
    }
}

TEST(DrawNineGridBitmap, RectanglesUnderFourPixelsAreFilledWithoutDrawingOutside) {
    const Bitmap image = CodedBitmap(84, 23);
    for (int w = 0; w <= 5; ++w)
        for (int h = 0; h <= 5; ++h) {
            SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
            Bitmap canvas = FilledBitmap(12, 12, kBackground);
            const Rect target{3, 4, 3 + w, 4 + h};
            DrawNineGridBitmap(image, canvas.Canvas(), target, true);
            int outside = 0;
            int unpainted = 0;
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 12; ++x) {
                    const bool painted = canvas.Pixel(x, y) != kBackground;
                    if (target.Contains(x, y) && !painted) ++unpainted;
                    if (!target.Contains(x, y) && painted) ++outside;
                }
            EXPECT_EQ(unpainted, 0);
            EXPECT_EQ(outside, 0);
        }

    // 3 wide: the right corners have no columns; the left corner and the top edge share the face.
    const Bitmap narrow = NineGrid(image, 3, 40, false);
    ExpectRegion(narrow, Rect{0, 0, 1, 11}, From(Same, Same), "top-left 1 x 11");
    ExpectRegion(narrow, Rect{1, 0, 3, 11}, From(Fixed(42), Same), "top edge up to the right side");
}

TEST(DrawThreePartBitmap, EndsMaskedByTheirCornerColourOrFuchsiaAndTheMiddleOpaque) {
    const fw::Color k = fw::RgbColor(0x11, 0x22, 0x33);
    const fw::Color p = fw::RgbColor(0xA0, 0, 0), q = fw::RgbColor(0, 0xA0, 0), r = fw::RgbColor(0, 0, 0xA0);
    Bitmap bar(15, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 15; ++x) bar.SetPixel(x, y, x < 5 ? p : x < 10 ? q : r);
    bar.SetPixel(0, 0, k);
    bar.SetPixel(1, 1, fw::clFuchsia);
    bar.SetPixel(6, 1, k);
    bar.SetPixel(7, 1, fw::clFuchsia);
    bar.SetPixel(11, 1, k);
    bar.SetPixel(12, 1, fw::clFuchsia);

    for (bool cornerTransparent : {true, false}) {
        SCOPED_TRACE(cornerTransparent ? "corner colour" : "fuchsia");
        Bitmap canvas = FilledBitmap(40, 10, kBackground);
        DrawThreePartBitmap(bar, canvas.Canvas(), Rect{2, 2, 32, 6}, cornerTransparent);
        const fw::Color ifK = cornerTransparent ? kBackground : k;
        const fw::Color ifF = cornerTransparent ? fw::clFuchsia : kBackground;
        EXPECT_EQ(canvas.Pixel(2, 2), ifK) << "frame 1 at the left";
        EXPECT_EQ(canvas.Pixel(3, 3), ifF);
        EXPECT_EQ(canvas.Pixel(4, 2), p);
        EXPECT_EQ(canvas.Pixel(28, 3), ifK) << "frame 3 at the right";
        EXPECT_EQ(canvas.Pixel(29, 3), ifF);
        EXPECT_EQ(canvas.Pixel(31, 5), r);
        // Frame 2 stretched four times over x = 7..26, drawn without transparency.
        ExpectRegion(canvas, Rect{7, 2, 27, 3}, [&](int, int) { return q; }, "middle");
        ExpectRegion(canvas, Rect{11, 3, 15, 4}, [&](int, int) { return k; }, "middle keeps the corner colour");
        ExpectRegion(canvas, Rect{15, 3, 19, 4}, [&](int, int) { return fw::clFuchsia; }, "middle keeps fuchsia");
        EXPECT_EQ(canvas.Pixel(32, 2), kBackground);
        EXPECT_EQ(canvas.Pixel(1, 2), kBackground);
    }
}

TEST(DrawThreePartBitmap, BarsNarrowerThanThreeFramesDrawNothing) {
    Bitmap canvas = FilledBitmap(10, 10, kBackground);
    DrawThreePartBitmap(CodedBitmap(2, 4), canvas.Canvas(), Rect{0, 0, 10, 10}, true);
    DrawThreePartBitmap(Bitmap(), canvas.Canvas(), Rect{0, 0, 10, 10}, false);
    ExpectRegion(canvas, Rect{0, 0, 10, 10}, [](int, int) { return kBackground; }, "untouched");
}

TEST(TilePicture, CoversTheRectangleAndOnePictureMoreFromTheCanvasOrigin) {
    fw::Picture picture;
    picture.SetGraphic(std::make_shared<Bitmap>(CodedBitmap(8, 6)));
    Bitmap canvas = FilledBitmap(50, 40, kBackground);
    TilePicture(canvas.Canvas(), picture, Rect{10, 10, 40, 30});
    // Columns at 0, 8, ..., 32 (x < 8 + 30), rows at 0, 6, ..., 24 (y < 6 + 20).
    ExpectRegion(canvas, Rect{0, 0, 40, 30}, [](int x, int y) { return Coded(x % 8, y % 6); }, "tiles");
    ExpectRegion(canvas, Rect{40, 0, 50, 40}, [](int, int) { return kBackground; }, "right of the last column");
    ExpectRegion(canvas, Rect{0, 30, 40, 40}, [](int, int) { return kBackground; }, "below the last row");

    Bitmap untouched = FilledBitmap(5, 5, kBackground);
    TilePicture(untouched.Canvas(), fw::Picture(), Rect{0, 0, 5, 5});
    EXPECT_EQ(untouched.Pixel(0, 0), kBackground) << "an empty picture draws nothing";
}

TEST(RotateBitmap, QuarterTurnsUndoEachOther) {
    Bitmap b = CodedBitmap(5, 3);
    b.SetTransparent(true);
    b.SetTransparentColor(fw::clFuchsia);
    RotateBitmapLeft(b);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 5);
    ExpectRegion(b, Rect{0, 0, 3, 5}, [](int x, int y) { return Coded(5 - 1 - y, x); }, "left: (x, y) to (y, W - 1 - x)");
    EXPECT_TRUE(b.Transparent());
    EXPECT_EQ(b.TransparentColor(), fw::clFuchsia);
    RotateBitmapRight(b);
    ASSERT_EQ(b.Width(), 5);
    ExpectRegion(b, Rect{0, 0, 5, 3}, From(Same, Same), "left then right");

    RotateBitmapRight(b);
    ExpectRegion(b, Rect{0, 0, 3, 5}, [](int x, int y) { return Coded(y, 3 - 1 - x); }, "right: (x, y) to (H - 1 - y, x)");
    RotateBitmapLeft(b);
    ExpectRegion(b, Rect{0, 0, 5, 3}, From(Same, Same), "right then left");
}
