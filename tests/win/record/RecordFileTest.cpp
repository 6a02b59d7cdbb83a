// The record file glue under Wine with the real encrypt.dll: saving and loading in the working
// directory, first start, files that cannot be written, and unreadable files that must not be lost.

#include "RecordTestFolder.h"
#include "app/record/CipherLibrary.h"
#include "app/record/RecordFile.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

EntryBook SampleBook() {
    EntryBook book = EntryBook::Designed();
    book.StyleNumber = 3;
    book.Nodes.insert(book.Nodes.begin() + 1, {{"邮箱", 1, 4}, {"工作", 2, 0}});
    book.Table.UserName[2] = "li.lei@example.cn";
    book.Table.Password[2] = "s3cret!";
    book.Table.UpdateTime[2] = "2024-3-2 10:00:00";
    book.Table.UserName[1] = "UserName";
    book.Table.Password[1] = "PassWord";
    return book;
}

// The plain text of `field` in record `number` of a record file, deciphered by encrypt.dll.
std::string Stored(const std::string& file, std::size_t number, RecordField field) {
    EntryRecord r;
    std::memcpy(r.Bytes.data(), file.data() + number * EntryRecord::Size, EntryRecord::Size);
    return CipherLibrary::Instance().Decipher(r.Field(field).value()).value_or("");
}

std::string SaveError(EntryBook& book) {
    try {
        SaveRecordFiles(book);
    } catch (const fw::Exception& e) {
        return e.Message();
    }
    return "(saved)";
}

class RecordFileTest : public ::testing::Test {
protected:
    RecordTestFolder folder;
};

TEST_F(RecordFileTest, FirstStartKeepsTheDesignedBookAndChoosesStyleOne) {
    EntryBook book = EntryBook::Designed();
    const RecordLoadResult result = LoadRecordFile(book);
    EXPECT_TRUE(result.FirstStart);
    EXPECT_EQ(result.StyleNumber, 1);
    EXPECT_EQ(book.StyleNumber, 1);
    EXPECT_EQ(result.Error, "");
    ASSERT_EQ(book.Count(), 3);

    SaveRecordFiles(book);
    for (const wchar_t* name : {L"record.lzw", L"BackUp.lzw"}) {
        const std::string file = RecordTestFolder::Read(name);
        ASSERT_EQ(file.size(), 4 * EntryRecord::Size);
        EXPECT_EQ(Stored(file, 0, RecordField::Caption), "1");
        EXPECT_EQ(Stored(file, 3, RecordField::Caption), "生活");
        EXPECT_EQ(Stored(file, 3, RecordField::UpdateTime), "未知");
    }
    EXPECT_FALSE(RecordTestFolder::Exists(L"record.lzw.tmp"));
}

TEST_F(RecordFileTest, WhatIsSavedLoadsBack) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    EntryBook loaded = EntryBook::Designed();
    const RecordLoadResult result = LoadRecordFile(loaded);
    EXPECT_FALSE(result.FirstStart);
    EXPECT_TRUE(result.TreeReplaced);
    EXPECT_EQ(result.StyleNumber, 3);
    EXPECT_EQ(result.Error, "");
    ASSERT_EQ(loaded.Count(), 5);
    EXPECT_EQ(loaded.Nodes[2].Caption, "工作");
    EXPECT_EQ(loaded.Nodes[2].Level, 2);
    EXPECT_EQ(loaded.Table.UserName[2], "li.lei@example.cn");
    EXPECT_EQ(loaded.Table.Password[2], "s3cret!");
    EXPECT_EQ(loaded.Table.UpdateTime[0], "未知");
    EXPECT_EQ(loaded.Table.UserName[0], "UserName");
    EXPECT_NO_THROW(result.ThrowIfFailed());
}

TEST_F(RecordFileTest, SavingTwiceWritesIdenticalFiles) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    const std::string firstBackup = RecordTestFolder::Read(L"BackUp.lzw");
    SaveRecordFiles(book);
    const std::string record = RecordTestFolder::Read(L"record.lzw");
    EXPECT_EQ(record, RecordTestFolder::Read(L"BackUp.lzw"));
    EXPECT_EQ(record, firstBackup);
    // The header's bytes after its Caption field repeat the last record written before.
    EXPECT_EQ(record.substr(51, 107), record.substr(record.size() - EntryRecord::Size + 51, 107));
}

TEST_F(RecordFileTest, AnEmptyFileIsNoFirstStart) {
    RecordTestFolder::Write(L"record.lzw", "");
    EntryBook book = EntryBook::Designed();
    const RecordLoadResult result = LoadRecordFile(book);
    EXPECT_FALSE(result.FirstStart);
    EXPECT_FALSE(result.TreeReplaced);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(book.StyleNumber, 0);
    SaveRecordFiles(book);
    EXPECT_EQ(Stored(RecordTestFolder::Read(L"record.lzw"), 0, RecordField::Caption), "0");
}

TEST_F(RecordFileTest, AReadOnlyRecordFileLoadsButIsNotOverwritten) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    const std::string before = RecordTestFolder::Read(L"record.lzw");
    const std::string backupBefore = RecordTestFolder::Read(L"BackUp.lzw");
    ASSERT_TRUE(SetFileAttributesW(L"record.lzw", FILE_ATTRIBUTE_READONLY));

    EntryBook loaded = EntryBook::Designed();
    EXPECT_EQ(LoadRecordFile(loaded).Error, "");
    EXPECT_EQ(loaded.Count(), 5);

    loaded.Nodes[1].Caption = "改了";
    EXPECT_EQ(SaveError(loaded), "File access denied");
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw"), before);
    EXPECT_EQ(RecordTestFolder::Read(L"BackUp.lzw"), backupBefore);
    EXPECT_FALSE(RecordTestFolder::Exists(L"record.lzw.tmp"));
}

TEST_F(RecordFileTest, ARecordFileLockedByAnotherHandleIsNotOverwritten) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    const std::string before = RecordTestFolder::Read(L"record.lzw");
    const std::string backupBefore = RecordTestFolder::Read(L"BackUp.lzw");
    HANDLE lock = CreateFileW(L"record.lzw", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    book.Nodes[1].Caption = "改了";
    EXPECT_EQ(SaveError(book), "File access denied");
    EXPECT_EQ(RecordTestFolder::Read(L"BackUp.lzw"), backupBefore);
    EXPECT_FALSE(RecordTestFolder::Exists(L"record.lzw.tmp"));
    CloseHandle(lock);
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw"), before);
}

TEST_F(RecordFileTest, AFailureBeforeTheReplaceLeavesBothFilesIntact) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    const std::string before = RecordTestFolder::Read(L"record.lzw");
    const std::string backupBefore = RecordTestFolder::Read(L"BackUp.lzw");
    // The temporary file cannot be created where a folder of that name stands.
    ASSERT_TRUE(CreateDirectoryW(L"record.lzw.tmp", nullptr));
    book.Nodes[1].Caption = "改了";
    EXPECT_EQ(SaveError(book), "File access denied");
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw"), before);
    EXPECT_EQ(RecordTestFolder::Read(L"BackUp.lzw"), backupBefore);
}

TEST_F(RecordFileTest, ABookLockedAtStartIsKeptBeforeTheFirstSave) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    const std::string before = RecordTestFolder::Read(L"record.lzw");
    HANDLE lock = CreateFileW(L"record.lzw", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    EntryBook started = EntryBook::Designed();
    const RecordLoadResult result = LoadRecordFile(started);
    EXPECT_TRUE(result.FirstStart);
    EXPECT_EQ(started.Count(), 3);
    // Still locked: the book can be neither kept nor replaced.
    EXPECT_NE(SaveError(started), "(saved)");
    EXPECT_EQ(RecordTestFolder::Read(L"BackUp.lzw"), before);
    CloseHandle(lock);

    EXPECT_EQ(SaveError(started), "(saved)");
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw.unreadable"), before);
    EXPECT_EQ(Stored(RecordTestFolder::Read(L"record.lzw"), 0, RecordField::Caption), "1");
    // Kept once: the next save does not copy again.
    SaveRecordFiles(started);
    EXPECT_FALSE(RecordTestFolder::Exists(L"record.lzw.unreadable.2"));
}

TEST_F(RecordFileTest, AFolderWhereFilesCannotBeCreated) {
    // The system's own folder refuses new files even to the administrator.
    wchar_t saved[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, saved);
    if (!SetCurrentDirectoryW(L"Z:\\sys"))
        GTEST_SKIP() << "no folder without write access";
    HANDLE probe = CreateFileW(L"vornik-probe", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        DeleteFileW(L"vornik-probe");
        SetCurrentDirectoryW(saved);
        GTEST_SKIP() << "Z:\\sys accepts new files here";
    }
    EntryBook book = SampleBook();
    const std::string message = SaveError(book);
    const bool created = RecordTestFolder::Exists(L"record.lzw") || RecordTestFolder::Exists(L"record.lzw.tmp");
    SetCurrentDirectoryW(saved);
    EXPECT_EQ(message, "File access denied");
    EXPECT_FALSE(created);
}

TEST_F(RecordFileTest, AMissingFolderIsAnIoError) {
    EntryBook book = SampleBook();
    try {
        WriteRecordFile("no-such-folder\\record.lzw", book);
        ADD_FAILURE() << "saved";
    } catch (const fw::Exception& e) {
        EXPECT_EQ(e.Message(), "I/O error 3");
    }
}

TEST_F(RecordFileTest, AnUnreadableFileIsKeptAndTheUserTold) {
    EntryBook book = SampleBook();
    SaveRecordFiles(book);
    std::string damaged = RecordTestFolder::Read(L"record.lzw");
    damaged[3 * EntryRecord::Size + EntryRecord::Offset(RecordField::Password)] = static_cast<char>(200);
    RecordTestFolder::Write(L"record.lzw", damaged);

    EntryBook loaded = EntryBook::Designed();
    RecordLoadResult result = LoadRecordFile(loaded);
    EXPECT_EQ(result.Error, "Record 3 is damaged\nThe unreadable file was kept as \"record.lzw.unreadable\".");
    EXPECT_TRUE(result.TreeReplaced);
    EXPECT_EQ(loaded.Count(), 3); // 网络, 邮箱 and the damaged 工作
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw.unreadable"), damaged);
    EXPECT_THROW(result.ThrowIfFailed(), fw::Exception);

    // A second start keeps it again, under a new name.
    loaded = EntryBook::Designed();
    result = LoadRecordFile(loaded);
    EXPECT_NE(result.Error.find("\"record.lzw.unreadable.2\""), std::string::npos) << result.Error;

    SaveRecordFiles(loaded);
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw.unreadable"), damaged);
    EXPECT_EQ(RecordTestFolder::Read(L"record.lzw.unreadable.2"), damaged);
    EXPECT_NE(RecordTestFolder::Read(L"record.lzw"), damaged);
}

TEST_F(RecordFileTest, ABadHeaderKeepsTheDesignedTree) {
    std::string file(2 * EntryRecord::Size, 'A');
    file[0] = 3; // three bytes that do not decipher to a number
    RecordTestFolder::Write(L"record.lzw", file);
    EntryBook book = EntryBook::Designed();
    const RecordLoadResult result = LoadRecordFile(book);
    EXPECT_NE(result.Error.find("is not a valid integer value"), std::string::npos) << result.Error;
    EXPECT_NE(result.Error.find("record.lzw.unreadable"), std::string::npos);
    EXPECT_FALSE(result.TreeReplaced);
    EXPECT_FALSE(result.StyleNumber.has_value());
    EXPECT_EQ(book.Count(), 3);
}

TEST(RecordIoMessage, NamesTheFailure) {
    EXPECT_EQ(RecordIoMessage(ERROR_ACCESS_DENIED), "File access denied");
    EXPECT_EQ(RecordIoMessage(ERROR_SHARING_VIOLATION), "File access denied");
    EXPECT_EQ(RecordIoMessage(ERROR_LOCK_VIOLATION), "File access denied");
    EXPECT_EQ(RecordIoMessage(ERROR_DISK_FULL), "Disk full");
    EXPECT_EQ(RecordIoMessage(ERROR_HANDLE_DISK_FULL), "Disk full");
    EXPECT_EQ(RecordIoMessage(ERROR_CRC), "I/O error 23");
}

} // namespace
