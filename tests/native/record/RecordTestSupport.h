#pragma once
// Helpers of the record tests: building record files record by record (including ones the writer
// never produces), reading fields back, comparing books.

#include "CoreCipher.h"
#include "app/record/EntryBook.h"
#include "app/record/EntryRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class RecordFileBuilder {
public:
    RecordFileBuilder& Header(const std::string& style) {
        EntryRecord r;
        Put(r, RecordField::Caption, style);
        Append(r);
        return *this;
    }
    RecordFileBuilder& Node(const std::string& caption, const std::string& level, const std::string& image = "0",
                            const std::string& user = "u", const std::string& password = "p",
                            const std::string& time = "t") {
        EntryRecord r;
        Put(r, RecordField::Caption, caption);
        Put(r, RecordField::UserName, user);
        Put(r, RecordField::Password, password);
        Put(r, RecordField::Level, level);
        Put(r, RecordField::UpdateTime, time);
        Put(r, RecordField::ImageIndex, image);
        Append(r);
        return *this;
    }
    // Sets the length byte of `field` in record `number` as it stands in the file.
    RecordFileBuilder& SetLength(std::size_t number, RecordField field, unsigned char length) {
        Bytes[number * EntryRecord::Size + EntryRecord::Offset(field)] = static_cast<char>(length);
        return *this;
    }

    std::string Bytes;

private:
    void Put(EntryRecord& r, RecordField field, const std::string& plain) {
        r.SetField(field, cipher_.Encipher(plain).value_or(std::string()));
    }
    void Append(const EntryRecord& r) { Bytes.append(reinterpret_cast<const char*>(r.Bytes.data()), EntryRecord::Size); }

    CoreCipher cipher_;
};

// The plain text stored in `field` of record `number` of a record file.
inline std::string StoredText(const std::string& file, std::size_t number, RecordField field) {
    EntryRecord r;
    std::memcpy(r.Bytes.data(), file.data() + number * EntryRecord::Size, EntryRecord::Size);
    const std::string stored = r.Field(field).value();
    return stored.empty() ? std::string() : cipher::Decipher(stored);
}

inline std::size_t StoredLength(const std::string& file, std::size_t number, RecordField field) {
    return static_cast<unsigned char>(file[number * EntryRecord::Size + EntryRecord::Offset(field)]);
}

inline void ExpectSameBook(const EntryBook& expected, const EntryBook& actual) {
    EXPECT_EQ(expected.StyleNumber, actual.StyleNumber);
    ASSERT_EQ(expected.Count(), actual.Count());
    for (int i = 0; i < expected.Count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        EXPECT_EQ(expected.Nodes[k].Caption, actual.Nodes[k].Caption) << "node " << i;
        EXPECT_EQ(expected.Nodes[k].Level, actual.Nodes[k].Level) << "node " << i;
        EXPECT_EQ(expected.Nodes[k].ImageIndex, actual.Nodes[k].ImageIndex) << "node " << i;
        EXPECT_EQ(expected.Table.UserName[k], actual.Table.UserName[k]) << "entry " << i;
        EXPECT_EQ(expected.Table.Password[k], actual.Table.Password[k]) << "entry " << i;
        EXPECT_EQ(expected.Table.UpdateTime[k], actual.Table.UpdateTime[k]) << "entry " << i;
    }
}
