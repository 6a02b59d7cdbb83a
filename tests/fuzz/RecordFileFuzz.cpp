// A record file through the loader and the cipher core: the book it leaves is well formed, and
// what it loaded saves and loads again unchanged.

#include "tests/fuzz/FuzzTargets.h"

#include "app/record/RecordCodec.h"
#include "tests/native/record/CoreCipher.h"

#include <string_view>

namespace fuzz {

namespace {

void CheckWellFormed(const EntryBook& book) {
    FUZZ_CHECK(book.Count() <= EntryBook::MaxNodes);
    for (int i = 0; i < book.Count(); ++i) {
        const EntryNode& node = book.Nodes[static_cast<std::size_t>(i)];
        FUZZ_CHECK(node.Level >= 0 && node.Level <= 2);
        FUZZ_CHECK(node.Level <= (i == 0 ? 0 : book.Nodes[static_cast<std::size_t>(i - 1)].Level + 1));
        // The field holds one deciphered byte: a digit.
        FUZZ_CHECK(node.ImageIndex >= 0 && node.ImageIndex <= 9);
    }
}

// What a saved book reads back as: an empty user name or password has no cipher text and comes
// back as its placeholder.
EntryBook AsReloaded(EntryBook book) {
    for (std::size_t k = 0; k < book.Nodes.size(); ++k) {
        if (book.Table.UserName[k].empty())
            book.Table.UserName[k] = PlaceholderUserName;
        if (book.Table.Password[k].empty())
            book.Table.Password[k] = PlaceholderPassword;
    }
    return book;
}

bool SameBook(const EntryBook& a, const EntryBook& b) {
    if (a.StyleNumber != b.StyleNumber || a.Count() != b.Count())
        return false;
    for (std::size_t k = 0; k < a.Nodes.size(); ++k) {
        const EntryNode& x = a.Nodes[k];
        const EntryNode& y = b.Nodes[k];
        if (x.Caption != y.Caption || x.Level != y.Level || x.ImageIndex != y.ImageIndex ||
            a.Table.UserName[k] != b.Table.UserName[k] || a.Table.Password[k] != b.Table.Password[k] ||
            a.Table.UpdateTime[k] != b.Table.UpdateTime[k])
            return false;
    }
    return true;
}

} // namespace

void FuzzRecordFile(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    CoreCipher cipher;
    EntryRecord buffer;
    EntryBook book = EntryBook::Designed();
    const RecordLoadResult result = DecodeRecordFile(file, cipher, buffer, book);
    CheckWellFormed(book);
    if (!result.TreeReplaced)
        FUZZ_CHECK(book.Count() == EntryBook::Designed().Count());
    if (result.StyleNumber)
        FUZZ_CHECK(*result.StyleNumber == book.StyleNumber && book.StyleNumber >= 1 && book.StyleNumber <= 5);

    EntryBook saved = book;
    const std::string again = EncodeRecordFile(saved, cipher, buffer);
    FUZZ_CHECK(again.size() == (saved.Nodes.size() + 1) * EntryRecord::Size);
    EntryBook reloaded = EntryBook::Designed();
    const RecordLoadResult second = DecodeRecordFile(again, cipher, buffer, reloaded);
    FUZZ_CHECK(second.Error.empty());
    FUZZ_CHECK(SameBook(AsReloaded(saved), reloaded));
}

} // namespace fuzz
