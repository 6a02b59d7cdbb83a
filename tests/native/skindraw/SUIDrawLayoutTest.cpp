// The arithmetic of the skin drawing routines: frame cuts, the nine-piece layout (worked sizes,
// trims, the pieces of rectangles under 4 pixels), the three-piece layout and quarter turns.
#include "skin/styles/SUIDrawLayout.h"

#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <vector>

using fw::Rect;

namespace {

const NineGridPiece& Piece(const std::array<NineGridPiece, 9>& pieces, NineGridPart part) {
    for (const NineGridPiece& p : pieces)
        if (p.Part == part) return p;
    throw std::logic_error("missing piece");
}

// How many drawn pieces cover each pixel of a canvas, after clipping to `clip`.
std::vector<int> Coverage(const std::array<NineGridPiece, 9>& pieces, const Rect& canvas, const Rect& clip) {
    std::vector<int> hits(static_cast<size_t>(canvas.Width() * canvas.Height()), 0);
    for (const NineGridPiece& p : pieces) {
        if (!p.Drawn()) continue;
        const Rect r = p.Target.Intersect(clip);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) ++hits[static_cast<size_t>(y * canvas.Width() + x)];
    }
    return hits;
}

} // namespace

TEST(FrameSourceRect, CutsEqualBlocksAndNeverUsesTheRemainder) {
    EXPECT_EQ(FrameSourceRect(102, 16, 6, 6), (Rect{85, 0, 102, 16}));
    EXPECT_EQ(FrameSourceRect(102, 16, 6, 1), (Rect{0, 0, 17, 16}));
    EXPECT_EQ(FrameSourceRect(100, 10, 3, 3), (Rect{66, 0, 99, 10})) << "column 99 belongs to no frame";
    EXPECT_EQ(FrameSourceRect(252, 23, 3, 2), (Rect{84, 0, 168, 23}));
    EXPECT_EQ(FrameSourceRect(2, 5, 3, 1), (Rect{0, 0, 0, 5})) << "narrower than the count: empty frames";
}

TEST(FrameSourceRect, RefusesFramesThatDoNotExist) {
    EXPECT_THROW(FrameSourceRect(90, 10, 0, 0), fw::Exception);
    EXPECT_THROW(FrameSourceRect(90, 10, 3, 0), fw::Exception);
    EXPECT_THROW(FrameSourceRect(90, 10, 3, 4), fw::Exception);
    EXPECT_THROW(FrameSourceRect(90, 10, -1, -1), fw::Exception);
}

TEST(NineGridLayout, PiecesComeInDrawOrder) {
    // Later pieces paint over earlier ones; the pixel tests under Wine check where each lands.
    const auto pieces = NineGridLayout(84, 23, Rect{0, 0, 200, 40});
    const NineGridPart order[] = {NineGridPart::TopLeft,  NineGridPart::BottomLeft,  NineGridPart::LeftEdge,
                                  NineGridPart::TopRight, NineGridPart::BottomRight, NineGridPart::RightEdge,
                                  NineGridPart::TopEdge,  NineGridPart::Centre,      NineGridPart::BottomEdge};
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(pieces[i].Part, order[i]) << "piece " << i;
        EXPECT_EQ(pieces[i].Stretched, i == 2 || i >= 5) << "piece " << i;
    }
    EXPECT_EQ(Piece(pieces, NineGridPart::BottomEdge).Target, (Rect{41, 29, 159, 40}));
}

TEST(NineGridLayout, OddImageWidthStretchesTwoColumns) {
    // 77 x 27: hw = 38, hh = 13; the middle strips are columns 38 and 39.
    const auto pieces = NineGridLayout(77, 27, Rect{0, 0, 120, 30});
    EXPECT_EQ(Piece(pieces, NineGridPart::TopEdge).Source, (Rect{38, 0, 40, 13}));
    EXPECT_EQ(Piece(pieces, NineGridPart::TopRight).Source, (Rect{40, 0, 77, 13}));
    EXPECT_EQ(Piece(pieces, NineGridPart::RightEdge).Source, (Rect{40, 14, 77, 15})) << "row hh + 1 feeds the right edge";
    EXPECT_EQ(Piece(pieces, NineGridPart::LeftEdge).Source, (Rect{0, 13, 38, 14}));
}

TEST(NineGridLayout, EvenImageHeightLeavesTheLeftEdgeAndCentreWithoutRows) {
    const auto pieces = NineGridLayout(20, 10, Rect{0, 0, 60, 40});
    EXPECT_FALSE(Piece(pieces, NineGridPart::LeftEdge).Drawn());
    EXPECT_FALSE(Piece(pieces, NineGridPart::Centre).Drawn());
    EXPECT_TRUE(Piece(pieces, NineGridPart::RightEdge).Drawn());
}

TEST(NineGridLayout, FollowsTheTargetsOrigin) {
    const auto atOrigin = NineGridLayout(84, 23, Rect{0, 0, 200, 40});
    const auto moved = NineGridLayout(84, 23, Rect{7, 5, 207, 45});
    for (size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(moved[i].Source, atOrigin[i].Source);
        EXPECT_EQ(moved[i].Target, atOrigin[i].Target.Offset(7, 5));
    }
}

TEST(NineGridLayout, UndrawnCornersAreEmptyRectanglesAtTheirAnchor) {
    // 3 pixels wide: the right corners get no columns but keep their rows at the right edge.
    const auto pieces = NineGridLayout(84, 23, Rect{0, 0, 3, 40});
    EXPECT_EQ(Piece(pieces, NineGridPart::TopRight).Target, (Rect{3, 0, 3, 11}));
    EXPECT_EQ(Piece(pieces, NineGridPart::BottomRight).Target, (Rect{3, 30, 3, 40}));
    EXPECT_FALSE(Piece(pieces, NineGridPart::TopRight).Drawn());
    EXPECT_FALSE(Piece(pieces, NineGridPart::RightEdge).Drawn());
    EXPECT_EQ(Piece(pieces, NineGridPart::TopLeft).Target, (Rect{0, 0, 1, 11}));
    EXPECT_EQ(Piece(pieces, NineGridPart::TopEdge).Target, (Rect{1, 0, 3, 11})) << "the top edge reaches the right side";
    EXPECT_EQ(Piece(pieces, NineGridPart::Centre).Target, (Rect{1, 11, 3, 29}));

    // 2 pixels high: the bottom corners get no rows but keep their columns at the bottom.
    const auto flat = NineGridLayout(84, 23, Rect{0, 0, 200, 2});
    EXPECT_EQ(Piece(flat, NineGridPart::BottomLeft).Target, (Rect{0, 2, 42, 2}));
    EXPECT_EQ(Piece(flat, NineGridPart::BottomRight).Target, (Rect{159, 2, 200, 2}));
    EXPECT_EQ(Piece(flat, NineGridPart::TopLeft).Target, (Rect{0, 0, 42, 1}));
    EXPECT_EQ(Piece(flat, NineGridPart::LeftEdge).Target, (Rect{0, 1, 42, 2}));
}

TEST(NineGridLayout, SmallTargetsAreCoveredCompletely) {
    // Any size from nothing to past the image: every pixel of the target is drawn by some
    // piece (after clipping to the target), every source lies inside the image and corners are
    // copied 1:1 inside the target.
    for (const auto& image : {std::pair{84, 23}, std::pair{77, 27}, std::pair{3, 3}}) {
        for (int w = 0; w <= 12; ++w) {
            for (int h = 0; h <= 12; ++h) {
                const Rect canvas{0, 0, 20, 20};
                const Rect target{4, 4, 4 + w, 4 + h};
                const auto pieces = NineGridLayout(image.first, image.second, target);
                const std::vector<int> hits = Coverage(pieces, canvas, target);
                for (int y = target.Top; y < target.Bottom; ++y) {
                    for (int x = target.Left; x < target.Right; ++x) {
                        EXPECT_GT(hits[static_cast<size_t>(y * 20 + x)], 0)
                            << image.first << "x" << image.second << " on " << w << "x" << h << " at " << x << "," << y;
                    }
                }
                for (const NineGridPiece& p : pieces) {
                    if (!p.Drawn()) continue;
                    EXPECT_EQ(p.Source.Intersect(Rect{0, 0, image.first, image.second}), p.Source);
                    if (!p.Stretched) {
                        EXPECT_EQ(p.Source.Width(), p.Target.Width());
                        EXPECT_EQ(p.Source.Height(), p.Target.Height());
                        EXPECT_EQ(p.Target.Intersect(target), p.Target);
                    }
                }
            }
        }
    }
}

TEST(NineGridLayout, TinyImagesTakeOnlyPixelsTheyHave) {
    // The right edge's strip runs from row SH - hh to row hh + 2: past the bottom of images
    // 1 or 2 rows high.
    for (const auto& image : {std::pair{10, 1}, std::pair{10, 2}, std::pair{1, 1}, std::pair{2, 5}}) {
        for (const NineGridPiece& p : NineGridLayout(image.first, image.second, Rect{0, 0, 30, 30})) {
            if (p.Drawn()) {
                EXPECT_EQ(p.Source.Intersect(Rect{0, 0, image.first, image.second}), p.Source);
            }
        }
    }
}

TEST(ThreePartLayout, EndsAtNaturalSizeAndTheMiddleBetween) {
    const ThreePartLayout l = MakeThreePartLayout(45, Rect{10, 5, 110, 9});
    EXPECT_EQ(l.FrameWidth, 15);
    EXPECT_EQ(l.LeftAt, (fw::Point{10, 5}));
    EXPECT_EQ(l.RightAt, (fw::Point{95, 5}));
    EXPECT_EQ(l.MiddleTarget, (Rect{25, 5, 95, 9}));
    EXPECT_TRUE(MakeThreePartLayout(45, Rect{0, 0, 20, 4}).MiddleTarget.Empty()) << "ends overlap: no middle";
}

TEST(RotateImage, QuarterTurnsMoveEveryPixelAndUndoEachOther) {
    fw::PixelImage image(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.SetPixel(x, y, static_cast<uint32_t>(y * 16 + x));

    const fw::PixelImage left = RotateImageLeft(image);
    ASSERT_EQ(left.Width(), 3);
    ASSERT_EQ(left.Height(), 5);
    const fw::PixelImage right = RotateImageRight(image);
    ASSERT_EQ(right.Width(), 3);
    ASSERT_EQ(right.Height(), 5);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(left.Pixel(y, 5 - 1 - x), image.Pixel(x, y));
            EXPECT_EQ(right.Pixel(3 - 1 - y, x), image.Pixel(x, y));
        }
    EXPECT_EQ(RotateImageRight(left), image);
    EXPECT_EQ(RotateImageLeft(right), image);
    EXPECT_EQ(RotateImageLeft(RotateImageLeft(RotateImageLeft(left))), image);
    EXPECT_TRUE(RotateImageLeft(fw::PixelImage(0, 4)).Empty());
}
