#include "app/book/BookCommands.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(CanAddChild, BelowGroupsAndEmptyRecordsOnly) {
    EXPECT_TRUE(CanAddChild(0, 3, "", "", false));
    EXPECT_TRUE(CanAddChild(1, 3, "UserName", "PassWord", false));
    EXPECT_FALSE(CanAddChild(2, 3, "UserName", "PassWord", false));
}

TEST(CanAddChild, ARecordWithCredentialsOnlyWhenItIsAlreadyAFolder) {
    EXPECT_FALSE(CanAddChild(1, 5, "li.lei", "PassWord", false));
    EXPECT_FALSE(CanAddChild(1, 5, "UserName", "s3cret", false));
    EXPECT_TRUE(CanAddChild(1, 5, "li.lei", "s3cret", true));
    // Groups carry no credentials of their own, whatever their entries hold.
    EXPECT_TRUE(CanAddChild(0, 5, "", "", false));
}

TEST(CanAddChild, FiftyNodesAtMost) {
    EXPECT_TRUE(CanAddChild(0, 49, "", "", false));
    EXPECT_FALSE(CanAddChild(0, 50, "", "", false));
}

EntryTable Numbered(int count) {
    EntryTable t;
    for (int i = 0; i < count; ++i) {
        t.UserName[static_cast<size_t>(i)] = "u" + std::to_string(i);
        t.Password[static_cast<size_t>(i)] = "p" + std::to_string(i);
        t.UpdateTime[static_cast<size_t>(i)] = "t" + std::to_string(i);
    }
    return t;
}

TEST(ShiftEntries, UpOpensAGapAtTheNewNode) {
    EntryTable t = Numbered(5);
    ShiftEntriesUp(t, 2, 4);
    EXPECT_EQ(t.UserName[1], "u1");
    EXPECT_EQ(t.UserName[2], "u2"); // the gap keeps its old value until New fills it
    EXPECT_EQ(t.UserName[3], "u2");
    EXPECT_EQ(t.Password[4], "p3");
    EXPECT_EQ(t.UpdateTime[5], "t4");
}

TEST(ShiftEntries, UpAtTheEndMovesNothing) {
    EntryTable t = Numbered(5);
    ShiftEntriesUp(t, 5, 4);
    EXPECT_EQ(t.UserName[5], "");
    EXPECT_EQ(t.UserName[4], "u4");
}

TEST(ShiftEntries, DownClosesTheGapOfTheDeletedNode) {
    EntryTable t = Numbered(5);
    ShiftEntriesDown(t, 1, 4);
    EXPECT_EQ(t.UserName[0], "u0");
    EXPECT_EQ(t.UserName[1], "u2");
    EXPECT_EQ(t.Password[2], "p3");
    EXPECT_EQ(t.UpdateTime[3], "t4");
    EXPECT_EQ(t.UserName[4], "u4"); // beyond the count: no meaning
}

TEST(ShiftEntries, AFullBookStaysInsideTheTable) {
    EntryTable t = Numbered(50);
    ShiftEntriesUp(t, 10, 49);
    EXPECT_EQ(t.UserName[50], "u49");
    ShiftEntriesDown(t, 10, 50);
    EXPECT_EQ(t.UserName[49], "u49");
    EXPECT_THROW(ShiftEntriesUp(t, 0, EntryTable::Size - 1), fw::Exception);
    EXPECT_THROW(ShiftEntriesDown(t, -1, 3), fw::Exception);
}

} // namespace
