// The arithmetic of the track bar and the scroll bar: slider offsets, positions from points
// with halves rounded to even, tick offsets (also for ranges far wider than the track) and the
// scroll bar's slider length.
#include "skin/controls/SUITrackLayout.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TrackSliderOffset, ScalesThePositionOverTheFreeLengthAndTruncates) {
    EXPECT_EQ(TrackSliderOffset(5, 0, 10, 150, 11), 69) << "139 * 5 / 10 = 69.5";
    EXPECT_EQ(TrackSliderOffset(-3, -5, 5, 111, 11), 20);
    EXPECT_EQ(TrackSliderOffset(7, 7, 7, 150, 11), 0) << "no range: at the start";
    EXPECT_EQ(TrackSliderOffset(INT_MAX, INT_MIN, INT_MAX, 1000, 18), 982) << "the full 32-bit range";
    EXPECT_EQ(TrackSliderOffset(1, 0, 2, 10, 15), -2) << "a slider longer than the track: -5 / 2 toward zero";
}

TEST(TrackPositionFromPoint, TakesThePointAsTheSlidersCentreAndRoundsHalvesToEven) {
    // (x - 5) * 10 / 139 for an 11-pixel slider on 150 pixels.
    EXPECT_EQ(TrackPositionFromPoint(75, 0, 10, 150, 11), 5) << "70 * 10 / 139 = 5.04";
    // Width 24, slider 4: (x - 2) * 10 / 20 gives exact halves.
    EXPECT_EQ(TrackPositionFromPoint(3, 0, 10, 24, 4), 0) << "0.5 goes to 0";
    EXPECT_EQ(TrackPositionFromPoint(5, 0, 10, 24, 4), 2) << "1.5 goes to 2";
    EXPECT_EQ(TrackPositionFromPoint(7, 0, 10, 24, 4), 2) << "2.5 goes to 2";
    EXPECT_EQ(TrackPositionFromPoint(9, 0, 10, 24, 4), 4) << "3.5 goes to 4";
    EXPECT_EQ(TrackPositionFromPoint(7, 100, 110, 24, 4), 102) << "offset by Min";
    EXPECT_EQ(TrackPositionFromPoint(-40, 0, 10, 24, 4), -21) << "left of the track: below Min, the caller clamps";
    EXPECT_EQ(TrackPositionFromPoint(9, 4, 4, 24, 4), 4) << "no range: Min";
    EXPECT_EQ(TrackPositionFromPoint(9, 4, 9, 20, 20), 4) << "no room to move: Min, not 0";
    EXPECT_EQ(TrackPositionFromPoint(9, 4, 9, 10, 20), 4) << "a slider longer than the track: Min";
    EXPECT_EQ(TrackPositionFromPoint(30000, INT_MIN, INT_MAX, 100, 10), (4294967295LL * 29995 + 45) / 90 + INT_MIN)
        << "far right of a full range stays finite";
}

TEST(TrackTickOffsets, OneTickPerValueAndAtMostOnePerPixel) {
    const std::vector<int> eleven = TrackTickOffsets(0, 10, 150, 11);
    ASSERT_EQ(eleven.size(), 11u);
    EXPECT_EQ(eleven.front(), 5);
    EXPECT_EQ(eleven[5], 69 + 5);
    EXPECT_EQ(eleven.back(), 139 + 5);
    EXPECT_TRUE(TrackTickOffsets(3, 3, 150, 11).empty()) << "no range, no ticks";
    // Values closer than a pixel: one tick per pixel of the free length, the same pixels the
    // per-value rule gives.
    const std::vector<int> dense = TrackTickOffsets(0, 1000, 50, 10);
    ASSERT_EQ(dense.size(), 41u);
    for (int i = 0; i <= 40; ++i) EXPECT_EQ(dense[static_cast<size_t>(i)], i + 5);
    const std::vector<int> huge = TrackTickOffsets(INT_MIN, INT_MAX, 200, 20);
    ASSERT_EQ(huge.size(), 181u) << "a 2^32 range costs 181 offsets, not 2^32 lines";
    EXPECT_EQ(huge.back(), 190);
    const std::vector<int> merged = TrackTickOffsets(0, 7, 20, 10);
    EXPECT_EQ(merged, (std::vector<int>{5, 6, 7, 9, 10, 12, 13, 15}));
}

TEST(ScrollSliderLength, LineButtonAtLeast18OrAPercentageOfTheTrack) {
    EXPECT_EQ(ScrollSliderLength(5, 2, 140), 18) << "raised to 18";
    EXPECT_EQ(ScrollSliderLength(0, 2, 140), 14) << "PageSize under 10 counts as 10 %";
    EXPECT_EQ(ScrollSliderLength(0, 50, 140), 70);
    EXPECT_EQ(ScrollSliderLength(0, 100, 141), 141);
    EXPECT_EQ(ScrollSliderLength(0, 101, 140), 14) << "above 100 counts as 10 %";
    EXPECT_EQ(ScrollSliderLength(-4, 50, 140), 70) << "a negative LineButton is no fixed length";
}
