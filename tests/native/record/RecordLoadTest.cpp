#include "RecordTestSupport.h"
#include "app/record/RecordCodec.h"

#include <gtest/gtest.h>

namespace {

struct Loaded {
    RecordLoadResult Result;
    EntryBook Book;
};

// Decodes `file` into the designed book with a chosen StyleNumber of 2.
Loaded Decode(const std::string& file) {
    Loaded out{RecordLoadResult{}, EntryBook::Designed()};
    out.Book.StyleNumber = 2;
    EntryRecord buffer;
    CoreCipher cipher;
    out.Result = DecodeRecordFile(file, cipher, buffer, out.Book);
    return out;
}

void ExpectDesignedTree(const EntryBook& book) {
    ASSERT_EQ(book.Count(), 3);
    EXPECT_EQ(book.Nodes[0].Caption, "网络");
    EXPECT_EQ(book.Nodes[2].Caption, "生活");
}

std::vector<std::string> Captions(const EntryBook& book) {
    std::vector<std::string> out;
    for (const EntryNode& n : book.Nodes)
        out.push_back(n.Caption);
    return out;
}

std::vector<int> Levels(const EntryBook& book) {
    std::vector<int> out;
    for (const EntryNode& n : book.Nodes)
        out.push_back(n.Level);
    return out;
}

TEST(RecordDecode, AnEmptyFileOrAHeaderAloneLeavesTheBookAsItIs) {
    for (const std::string& file : {std::string(), RecordFileBuilder().Header("4").Bytes}) {
        const Loaded l = Decode(file);
        EXPECT_EQ(l.Result.Error, "");
        EXPECT_FALSE(l.Result.TreeReplaced);
        EXPECT_FALSE(l.Result.StyleNumber.has_value());
        EXPECT_EQ(l.Book.StyleNumber, 2);
        ExpectDesignedTree(l.Book);
    }
}

TEST(RecordDecode, ATornFileIsReportedNotTakenForEmpty) {
    const std::string header = RecordFileBuilder().Header("4").Bytes;
    for (const std::string& file : {header.substr(0, 100), header + std::string(57, 'x')}) {
        const Loaded l = Decode(file);
        EXPECT_EQ(l.Result.Error, "Read beyond end of file");
        EXPECT_FALSE(l.Result.TreeReplaced);
        ExpectDesignedTree(l.Book);
    }
}

TEST(RecordDecode, HeaderNumbersOneToFiveBecomeTheStyle) {
    for (int style = 1; style <= 5; ++style) {
        const Loaded l = Decode(RecordFileBuilder().Header(std::to_string(style)).Node("a", "0").Bytes);
        EXPECT_EQ(l.Result.StyleNumber, style);
        EXPECT_EQ(l.Book.StyleNumber, style);
    }
    // Any other number leaves the style, but the nodes are loaded.
    for (const char* other : {"0", "6", "9", "-1"}) {
        const Loaded l = Decode(RecordFileBuilder().Header(other).Node("a", "0").Bytes);
        EXPECT_EQ(l.Result.Error, "") << other;
        EXPECT_FALSE(l.Result.StyleNumber.has_value()) << other;
        EXPECT_EQ(l.Book.StyleNumber, 2) << other;
        EXPECT_EQ(Captions(l.Book), std::vector<std::string>{"a"}) << other;
    }
}

TEST(RecordDecode, ABadHeaderKeepsTheDesignedTree) {
    const Loaded l = Decode(RecordFileBuilder().Header("abc").Node("a", "0").Bytes);
    EXPECT_EQ(l.Result.Error, "'abc' is not a valid integer value");
    EXPECT_FALSE(l.Result.TreeReplaced);
    ExpectDesignedTree(l.Book);
    // An empty header deciphers to null, which is no number either.
    EXPECT_EQ(Decode(RecordFileBuilder().Header("").Node("a", "0").Bytes).Result.Error,
              "'' is not a valid integer value");
}

TEST(RecordDecode, LevelsZeroOneTwoZeroTwoHangTheLastNodeUnderTheFirstRecord) {
    const Loaded l = Decode(RecordFileBuilder()
                                .Header("1")
                                .Node("A", "0", "1", "uA")
                                .Node("B", "1", "4", "uB")
                                .Node("C", "2", "0", "uC")
                                .Node("D", "0", "2", "uD")
                                .Node("E", "2", "0", "uE")
                                .Bytes);
    ASSERT_EQ(l.Result.Error, "");
    // E is the last child of B, the latest level-1 node, even though D came between.
    EXPECT_EQ(Captions(l.Book), (std::vector<std::string>{"A", "B", "C", "E", "D"}));
    EXPECT_EQ(Levels(l.Book), (std::vector<int>{0, 1, 2, 2, 0}));
    EXPECT_EQ(l.Book.ParentIndex(3), 1);
    EXPECT_EQ(l.Book.ParentIndex(4), -1);
    // Each entry stays with its own node.
    EXPECT_EQ(l.Book.Table.UserName[3], "uE");
    EXPECT_EQ(l.Book.Table.UserName[4], "uD");
    EXPECT_EQ(l.Book.Nodes[4].ImageIndex, 2);
}

TEST(RecordDecode, ANodeWhoseParentLevelWasNotReadBecomesTopLevel) {
    const Loaded l = Decode(RecordFileBuilder().Header("1").Node("X", "2").Node("Y", "1").Node("Z", "2").Bytes);
    ASSERT_EQ(l.Result.Error, "");
    EXPECT_EQ(Captions(l.Book), (std::vector<std::string>{"X", "Y", "Z"}));
    EXPECT_EQ(Levels(l.Book), (std::vector<int>{0, 0, 1}));
}

TEST(RecordDecode, NullFieldsReadBackAsPlaceholders) {
    const Loaded l = Decode(RecordFileBuilder().Header("1").Node("", "0", "1", "", "", "").Bytes);
    ASSERT_EQ(l.Result.Error, "");
    ASSERT_EQ(l.Book.Count(), 1);
    EXPECT_EQ(l.Book.Nodes[0].Caption, "");
    EXPECT_EQ(l.Book.Table.UserName[0], "UserName");
    EXPECT_EQ(l.Book.Table.Password[0], "PassWord");
    EXPECT_EQ(l.Book.Table.UpdateTime[0], "未知");
}

TEST(RecordDecode, ABadNumberStopsLoadingAndKeepsWhatWasRead) {
    const Loaded level = Decode(RecordFileBuilder().Header("3").Node("A", "0").Node("B", "1").Node("C", "x").Bytes);
    EXPECT_EQ(level.Result.Error, "'x' is not a valid integer value");
    EXPECT_TRUE(level.Result.TreeReplaced);
    EXPECT_EQ(level.Result.StyleNumber, 3);
    EXPECT_EQ(Captions(level.Book), (std::vector<std::string>{"A", "B"}));

    // A bad image index comes after the node was appended.
    const Loaded image = Decode(RecordFileBuilder().Header("3").Node("A", "0").Node("B", "1", "y").Bytes);
    EXPECT_EQ(image.Result.Error, "'y' is not a valid integer value");
    EXPECT_EQ(Captions(image.Book), (std::vector<std::string>{"A", "B"}));
}

TEST(RecordDecode, WhenNoNodeCanBeReadTheDesignedTreeStays) {
    const Loaded l = Decode(RecordFileBuilder().Header("3").Node("A", "7").Bytes);
    EXPECT_EQ(l.Result.Error, "Record 1 has the invalid level 7");
    EXPECT_FALSE(l.Result.TreeReplaced);
    EXPECT_EQ(l.Result.StyleNumber, 3);
    ExpectDesignedTree(l.Book);
}

TEST(RecordDecode, RefusesALevelOutsideZeroToTwo) {
    const Loaded l = Decode(RecordFileBuilder().Header("1").Node("A", "0").Node("B", "3").Bytes);
    EXPECT_EQ(l.Result.Error, "Record 2 has the invalid level 3");
    EXPECT_EQ(Captions(l.Book), std::vector<std::string>{"A"});
}

TEST(RecordDecode, StopsAfterFiftyNodesAndNeverOverflowsTheTable) {
    RecordFileBuilder b;
    b.Header("1");
    for (int i = 0; i < 60; ++i)
        b.Node("n" + std::to_string(i), i == 0 ? "0" : "1", "0", "u" + std::to_string(i));
    const Loaded l = Decode(b.Bytes);
    EXPECT_EQ(l.Result.Error, "The file holds more than 50 records");
    ASSERT_EQ(l.Book.Count(), 50);
    EXPECT_EQ(l.Book.Table.UserName[49], "u49");
    EXPECT_EQ(l.Book.Table.UserName[50], "");
}

TEST(RecordDecode, ATornLastRecordIsReportedAfterTheWholeOnes) {
    RecordFileBuilder b;
    b.Header("1").Node("A", "0").Node("B", "1");
    const Loaded l = Decode(b.Bytes.substr(0, b.Bytes.size() - 10));
    EXPECT_EQ(l.Result.Error, "Read beyond end of file");
    EXPECT_EQ(Captions(l.Book), std::vector<std::string>{"A"});
}

TEST(RecordDecode, ALengthBeyondTheFieldIsDamage) {
    RecordFileBuilder b;
    b.Header("1").Node("A", "0").Node("B", "1").SetLength(2, RecordField::Password, 31);
    const Loaded l = Decode(b.Bytes);
    EXPECT_EQ(l.Result.Error, "Record 2 is damaged");
    EXPECT_EQ(Captions(l.Book), (std::vector<std::string>{"A", "B"}));
    b.SetLength(0, RecordField::Caption, 255);
    EXPECT_EQ(Decode(b.Bytes).Result.Error, "Record 0 is damaged");
}

TEST(RecordDecode, TheSharedBufferEndsHoldingTheLastRecordRead) {
    const std::string file = RecordFileBuilder().Header("1").Node("A", "0").Node("B", "1").Bytes;
    EntryBook book;
    EntryRecord buffer;
    CoreCipher cipher;
    DecodeRecordFile(file, cipher, buffer, book);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.Bytes.data()), EntryRecord::Size),
              file.substr(2 * EntryRecord::Size));
}

} // namespace
