#include "app/book/UpdateTime.h"

#include <gtest/gtest.h>

namespace {

const LocalDateTime Early{2026, 12, 8, 0, 34, 56, 120};

TEST(UpdateTime, KeepsTheUsersFormatsWhenTheyFit) {
    EXPECT_EQ(UpdateTimeText(Early, "2026/12/8", "0:34:56"), "2026/12/8 0:34:56");
    // Exactly 20 bytes still fit.
    EXPECT_EQ(UpdateTimeText(Early, "2026-12-08", "000:34:56"), "2026-12-08 000:34:56");
}

TEST(UpdateTime, WritesTheSortableFormWhenTheUsersFormatsWouldBeCut) {
    EXPECT_EQ(UpdateTimeText(Early, "12/8/2026", "12:34:56 AM"), "2026-12-08 00:34:56");
    // Bytes count, not characters: "上午" takes four.
    EXPECT_EQ(UpdateTimeText({2026, 1, 2, 9, 5, 7, 0}, "2026/1/2", "上午9:05:07"), "2026/1/2 上午9:05:07");
    EXPECT_EQ(UpdateTimeText({2026, 1, 2, 9, 5, 7, 0}, "2026年1月2日", "上午9:05:07"), "2026-01-02 09:05:07");
}

TEST(UpdateTime, LeavesTheTimeOutAtExactlyMidnight) {
    EXPECT_EQ(UpdateTimeText({2026, 12, 8, 0, 0, 0, 0}, "12/8/2026", "12:00:00 AM"), "12/8/2026");
    EXPECT_EQ(UpdateTimeText({2026, 12, 8, 0, 0, 0, 1}, "12/8/2026", "12:00:00 AM"), "2026-12-08 00:00:00");
    EXPECT_EQ(UpdateTimeText({2026, 12, 8, 0, 0, 0, 0}, "Tuesday, December 8, 2026", ""), "2026-12-08 00:00:00");
}

} // namespace
