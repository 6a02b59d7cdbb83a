#include "RecordTestSupport.h"
#include "app/record/RecordCodec.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

namespace {

// Three groups, a record with two sub-records, a record, and a look chosen.
EntryBook SampleBook() {
    EntryBook book;
    book.StyleNumber = 3;
    book.Nodes = {{"网络", 0, 1}, {"邮箱", 1, 4}, {"工作", 2, 0}, {"私人", 2, 0},
                  {"软件", 0, 2}, {"编辑器", 1, 0}, {"生活", 0, 3}};
    const char* users[] = {"", "UserName", "li.lei@example.cn", "李雷", "", "han.meimei", ""};
    const char* passwords[] = {"", "PassWord", "s3cret!", "密码也可以是中文", "", "x", ""};
    const char* times[] = {"", "2024-3-1 9:15:02", "2024-3-2 10:00:00", "2024-3-2 10:00:01", "", "未知", ""};
    for (std::size_t i = 0; i < book.Nodes.size(); ++i) {
        book.Table.UserName[i] = users[i];
        book.Table.Password[i] = passwords[i];
        book.Table.UpdateTime[i] = times[i];
    }
    return book;
}

std::string Encode(EntryBook& book, EntryRecord& buffer) {
    CoreCipher cipher;
    return EncodeRecordFile(book, cipher, buffer);
}

TEST(RecordEncode, WritesTheHeaderAndOneRecordPerNodeInPreOrder) {
    EntryBook book = SampleBook();
    EntryRecord buffer;
    const std::string file = Encode(book, buffer);
    ASSERT_EQ(file.size(), 8 * EntryRecord::Size);
    EXPECT_EQ(StoredText(file, 0, RecordField::Caption), "3");
    for (std::size_t i = 0; i < book.Nodes.size(); ++i) {
        EXPECT_EQ(StoredText(file, i + 1, RecordField::Caption), book.Nodes[i].Caption);
        EXPECT_EQ(StoredText(file, i + 1, RecordField::Level), std::to_string(book.Nodes[i].Level));
        EXPECT_EQ(StoredText(file, i + 1, RecordField::ImageIndex), std::to_string(book.Nodes[i].ImageIndex));
        EXPECT_EQ(StoredText(file, i + 1, RecordField::UserName), book.Table.UserName[i]);
        EXPECT_EQ(StoredText(file, i + 1, RecordField::Password), book.Table.Password[i]);
    }
    // Nothing is stored in the clear.
    EXPECT_EQ(file.find("li.lei"), std::string::npos);
    EXPECT_EQ(file.find("s3cret"), std::string::npos);
}

TEST(RecordEncode, WhatIsWrittenReadsBackTheSame) {
    EntryBook book = SampleBook();
    EntryRecord buffer;
    const std::string file = Encode(book, buffer);
    EntryBook loaded = EntryBook::Designed();
    CoreCipher cipher;
    const RecordLoadResult result = DecodeRecordFile(file, cipher, buffer, loaded);
    EXPECT_EQ(result.Error, "");
    EXPECT_TRUE(result.TreeReplaced);
    EXPECT_EQ(result.StyleNumber, 3);
    // Empty user names and passwords come back as their placeholders.
    EntryBook expected = book;
    for (int i : {0, 4, 6}) {
        expected.Table.UserName[static_cast<std::size_t>(i)] = "UserName";
        expected.Table.Password[static_cast<std::size_t>(i)] = "PassWord";
    }
    ExpectSameBook(expected, loaded);
}

TEST(RecordEncode, AnEmptyUpdateTimeIsWrittenAsUnknownAndKeptInTheTable) {
    EntryBook book = SampleBook();
    EntryRecord buffer;
    const std::string file = Encode(book, buffer);
    for (std::size_t i : {0u, 4u, 6u}) {
        EXPECT_EQ(book.Table.UpdateTime[i], "未知");
        EXPECT_EQ(StoredText(file, i + 1, RecordField::UpdateTime), "未知");
    }
    EXPECT_EQ(book.Table.UpdateTime[1], "2024-3-1 9:15:02");
}

TEST(RecordEncode, EmptyFieldsAreStoredWithLengthZero) {
    EntryBook book = SampleBook();
    EntryRecord buffer;
    buffer.Bytes.fill(0x55); // leftovers of an earlier record must not read as text
    const std::string file = Encode(book, buffer);
    EXPECT_EQ(StoredLength(file, 1, RecordField::UserName), 0u);
    EXPECT_EQ(StoredLength(file, 1, RecordField::Password), 0u);
}

TEST(RecordEncode, SavingTwiceWithoutAChangeWritesIdenticalRecords) {
    EntryBook book = SampleBook();
    EntryRecord buffer;
    const std::string first = Encode(book, buffer);  // "record.lzw"
    const std::string second = Encode(book, buffer); // "BackUp.lzw"
    const std::string third = Encode(book, buffer);  // the next save's "record.lzw"
    EXPECT_EQ(second, third);
    // The very first write differs at most in bytes that carry no meaning.
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t n = 0; n < first.size() / EntryRecord::Size; ++n)
        for (RecordField f : {RecordField::Caption, RecordField::UserName, RecordField::Password, RecordField::Level,
                              RecordField::UpdateTime, RecordField::ImageIndex}) {
            if (n == 0 && f != RecordField::Caption)
                continue;
            const std::size_t at = n * EntryRecord::Size + EntryRecord::Offset(f);
            const std::size_t length = static_cast<unsigned char>(first[at]);
            EXPECT_EQ(first.substr(at, length + 1), second.substr(at, length + 1)) << "record " << n;
        }
}

TEST(RecordEncode, TheHeaderRepeatsWhatTheSharedBufferHeldBefore) {
    EntryRecord buffer;
    EntryBook book = SampleBook();
    const std::string first = Encode(book, buffer);
    // A fresh buffer: zeros after the header's Caption field.
    EXPECT_EQ(first.substr(51, 107), std::string(107, '\0'));
    // The buffer ends holding the last record written.
    const std::string last = first.substr(first.size() - EntryRecord::Size);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.Bytes.data()), EntryRecord::Size), last);

    EntryBook other = EntryBook::Designed();
    other.StyleNumber = 5;
    const std::string second = Encode(other, buffer);
    EXPECT_EQ(second.substr(51, 107), last.substr(51, 107));
    EXPECT_EQ(StoredText(second, 0, RecordField::Caption), "5");
}

TEST(RecordEncode, DesignedBookOfTheFirstStartWritesHeaderOneAndTheThreeGroups) {
    EntryBook book = EntryBook::Designed();
    book.StyleNumber = 1;
    EntryRecord buffer;
    const std::string file = Encode(book, buffer);
    ASSERT_EQ(file.size(), 4 * EntryRecord::Size);
    EXPECT_EQ(StoredText(file, 0, RecordField::Caption), "1");
    const char* captions[] = {"网络", "软件", "生活"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(StoredText(file, i + 1, RecordField::Caption), captions[i]);
        EXPECT_EQ(StoredText(file, i + 1, RecordField::Level), "0");
        EXPECT_EQ(StoredText(file, i + 1, RecordField::ImageIndex), std::to_string(i + 1));
    }
}

TEST(RecordEncode, LongTextsAreCutToTheirCapacityBeforeEnciphering) {
    EntryBook book = EntryBook::Designed();
    book.Nodes[0].Caption = std::string(60, 'c');
    std::string chinese = "a";
    for (int i = 0; i < 25; ++i)
        chinese += "中";
    book.Table.UserName[0] = chinese; // 51 bytes: the last character does not fit whole
    book.Table.Password[0] = std::string(31, 'p');
    book.Table.UpdateTime[0] = "2024年12月31日 23:59:59";
    EntryRecord buffer;
    const std::string file = Encode(book, buffer);

    EXPECT_EQ(StoredText(file, 1, RecordField::Caption), std::string(50, 'c'));
    EXPECT_EQ(StoredText(file, 1, RecordField::UserName), chinese.substr(0, 49));
    EXPECT_EQ(StoredText(file, 1, RecordField::Password), std::string(30, 'p'));
    EXPECT_EQ(StoredText(file, 1, RecordField::UpdateTime), "2024年12月31日 23:59");
    // The stored value deciphers to a prefix of the original, never to garbage.
    EntryBook loaded;
    CoreCipher cipher;
    ASSERT_EQ(DecodeRecordFile(file, cipher, buffer, loaded).Error, "");
    EXPECT_EQ(loaded.Table.UserName[0], chinese.substr(0, 49));
}

TEST(RecordEncode, RefusesABookOfMoreThanFiftyNodes) {
    EntryBook book;
    book.Nodes.assign(51, EntryNode{"n", 0, 0});
    EntryRecord buffer;
    EXPECT_THROW(Encode(book, buffer), fw::Exception);
    book.Nodes.resize(50);
    EXPECT_EQ(Encode(book, buffer).size(), 51 * EntryRecord::Size);
}

} // namespace
