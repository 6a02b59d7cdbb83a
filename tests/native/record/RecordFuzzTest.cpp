// Random and mutated record files: the loader must never crash, hang or read out of bounds (the
// sanitizers watch), must leave a well-formed book, and whatever it loaded must save and load again
// unchanged.

#include "RecordTestSupport.h"
#include "app/record/RecordCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class RecordFuzz : public ::testing::Test {
protected:
    std::mt19937 rng{20240601};

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::string RandomBytes(std::size_t n) {
        std::string s(n, '\0');
        for (char& c : s)
            c = static_cast<char>(Uniform(0, 255));
        return s;
    }

    // A text the cipher takes: any bytes but zero.
    std::string RandomValue() {
        static const char* values[] = {"0", "1", "2", "3", "4", "9", "x", "-", "", "中", "UserName", "2024-1-1 0:00:00"};
        if (Uniform(0, 3) == 0) {
            std::string s(static_cast<std::size_t>(Uniform(0, 60)), '\0');
            for (char& c : s)
                c = static_cast<char>(Uniform(1, 255));
            return s;
        }
        return values[Uniform(0, 11)];
    }

    // Records whose fields are mostly plausible, sometimes junk, sometimes with a bad length byte.
    std::string StructuredFile() {
        RecordFileBuilder b;
        b.Header(std::to_string(Uniform(-1, 7)));
        const int n = Uniform(0, 55);
        for (int i = 0; i < n; ++i) {
            const char* level[] = {"0", "1", "2"};
            b.Node(RandomValue(), Uniform(0, 20) == 0 ? RandomValue() : level[Uniform(0, 2)],
                   Uniform(0, 20) == 0 ? RandomValue() : std::to_string(Uniform(0, 4)), RandomValue(), RandomValue(),
                   RandomValue());
        }
        if (Uniform(0, 10) == 0 && n > 0)
            b.SetLength(static_cast<std::size_t>(Uniform(0, n)), static_cast<RecordField>(Uniform(0, 5)),
                        static_cast<unsigned char>(Uniform(0, 255)));
        if (Uniform(0, 10) == 0)
            b.Bytes += RandomBytes(static_cast<std::size_t>(Uniform(1, 157)));
        return b.Bytes;
    }

    std::string ValidFile() {
        EntryBook book = EntryBook::Designed();
        book.StyleNumber = 4;
        while (book.Count() < 50) {
            const int level = book.Count() % 5 == 0 ? 0 : Uniform(1, 2);
            book.Nodes.push_back({RandomValue(), level == 2 && book.Nodes.back().Level == 0 ? 1 : level, Uniform(0, 4)});
            const auto k = static_cast<std::size_t>(book.Count() - 1);
            book.Table.UserName[k] = RandomValue();
            book.Table.Password[k] = RandomValue();
        }
        EntryRecord buffer;
        CoreCipher cipher;
        return EncodeRecordFile(book, cipher, buffer);
    }

    std::string Mutated(std::string file) {
        switch (Uniform(0, 3)) {
        case 0:
            for (int k = Uniform(1, 12); k > 0 && !file.empty(); --k)
                file[static_cast<std::size_t>(Uniform(0, static_cast<int>(file.size()) - 1))] =
                    static_cast<char>(Uniform(0, 255));
            break;
        case 1:
            file.resize(static_cast<std::size_t>(Uniform(0, static_cast<int>(file.size()))));
            break;
        case 2: { // repeat a record elsewhere: out of pre-order, too many
            const std::size_t records = file.size() / EntryRecord::Size;
            if (records == 0)
                break;
            const std::string r =
                file.substr(static_cast<std::size_t>(Uniform(0, static_cast<int>(records) - 1)) * EntryRecord::Size,
                            EntryRecord::Size);
            file.insert(static_cast<std::size_t>(Uniform(0, static_cast<int>(records))) * EntryRecord::Size, r);
            break;
        }
        default: { // a length byte at the edge of its field
            const std::size_t at = EntryRecord::Size * static_cast<std::size_t>(Uniform(0, 50)) +
                                   EntryRecord::Offset(static_cast<RecordField>(Uniform(0, 5)));
            if (at < file.size())
                file[at] = static_cast<char>(Uniform(0, 255));
            break;
        }
        }
        return file;
    }

    int loaded = 0;  // cases that replaced the tree
    int stopped = 0; // cases that loaded part of a tree and then stopped with an error

    void Check(const std::string& file) {
        EntryBook book = EntryBook::Designed();
        book.StyleNumber = 2;
        EntryRecord buffer;
        CoreCipher cipher;
        const RecordLoadResult result = DecodeRecordFile(file, cipher, buffer, book);

        ASSERT_LE(book.Count(), EntryBook::MaxNodes);
        loaded += result.TreeReplaced;
        stopped += result.TreeReplaced && !result.Error.empty();
        if (result.TreeReplaced) {
            ASSERT_GE(book.Count(), 1);
        } else {
            ASSERT_EQ(book.Count(), 3);
            ASSERT_EQ(book.Table.UserName[0], "");
        }
        for (int i = 0; i < book.Count(); ++i) {
            const int level = book.Nodes[static_cast<std::size_t>(i)].Level;
            ASSERT_GE(level, 0);
            ASSERT_LE(level, 2);
            ASSERT_LE(level, i == 0 ? 0 : book.Nodes[static_cast<std::size_t>(i - 1)].Level + 1);
        }
        if (result.StyleNumber) {
            ASSERT_EQ(book.StyleNumber, *result.StyleNumber);
        }

        EntryBook saved = book;
        const std::string again = EncodeRecordFile(saved, cipher, buffer);
        EntryBook reloaded;
        const RecordLoadResult second = DecodeRecordFile(again, cipher, buffer, reloaded);
        ASSERT_EQ(second.Error, "");
        // A loaded entry is never empty; the designed book's empty entries come back as placeholders.
        for (std::size_t k = 0; k < saved.Nodes.size(); ++k) {
            if (result.TreeReplaced) {
                ASSERT_FALSE(saved.Table.UserName[k].empty());
                ASSERT_FALSE(saved.Table.Password[k].empty());
            } else {
                saved.Table.UserName[k] = PlaceholderUserName;
                saved.Table.Password[k] = PlaceholderPassword;
            }
        }
        ExpectSameBook(saved, reloaded);
    }
};

TEST_F(RecordFuzz, RandomBytes) {
    for (int i = 0; i < 1000; ++i) {
        const std::size_t n = Uniform(0, 3) == 0 ? static_cast<std::size_t>(Uniform(0, 400))
                                                 : static_cast<std::size_t>(Uniform(0, 53)) * EntryRecord::Size;
        ASSERT_NO_FATAL_FAILURE(Check(RandomBytes(n))) << "case " << i;
    }
}

TEST_F(RecordFuzz, StructuredRecords) {
    for (int i = 0; i < 3000; ++i)
        ASSERT_NO_FATAL_FAILURE(Check(StructuredFile())) << "case " << i;
    // The generator reaches the node records, and their error paths.
    EXPECT_GT(loaded, 1000);
    EXPECT_GT(stopped, 300);
}

TEST_F(RecordFuzz, MutatedBooks) {
    const std::string valid = ValidFile();
    for (int i = 0; i < 3000; ++i) {
        std::string file = valid;
        for (int k = Uniform(1, 3); k > 0; --k)
            file = Mutated(file);
        ASSERT_NO_FATAL_FAILURE(Check(file)) << "case " << i;
    }
    EXPECT_GT(loaded, 1000);
    EXPECT_GT(stopped, 300);
}

} // namespace
