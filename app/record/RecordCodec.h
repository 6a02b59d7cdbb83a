#pragma once
// The entry book as the bytes of a record file, and back.
//
// A record file is a sequence of 158-byte records: record 0 is the header (the StyleNumber in its
// Caption field), records 1..N the tree's nodes in pre-order, every field enciphered.

#include "app/record/EntryBook.h"
#include "app/record/EntryRecord.h"
#include "app/record/RecordCipher.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What loading the record file did to the book, for the window to follow up on.
struct RecordLoadResult {
    // "record.lzw" could not be opened: the book stays as designed and StyleNumber became 1; the
    // look is applied with the window hidden and shown again.
    bool FirstStart = false;
    // The look now in book.StyleNumber (1..5) to apply; nothing when it was not changed.
    std::optional<int> StyleNumber;
    // The book's tree and EntryTable were replaced by what was read (perhaps only part of the file).
    bool TreeReplaced = false;
    // Why reading stopped early, for the error report; empty when the whole file was read.
    std::string Error;

    // Raises Error as fw::Exception, once the window shows what was loaded.
    void ThrowIfFailed() const;
};

// The enciphered fields of a book as the cipher gives them, one array per node indexed by
// RecordField (the header's Caption field holds StyleNumber). A save enciphers once and lays the
// same fields into both files.
struct EncipheredBook {
    std::string StyleNumber;
    std::vector<std::array<std::string, 6>> Nodes;
};

// Enciphers every field of `book`, each plain text first cut to its field's capacity without
// splitting a GBK character. An empty update time becomes "未知" in the book itself. Throws
// fw::Exception when the book holds more than EntryBook::MaxNodes nodes.
EncipheredBook EncipherBook(EntryBook& book, RecordCipher& cipher);

// The bytes of a record file holding `fields`. The records are built in the shared `buffer`, field
// by field in place, so the header's bytes 51..157 and the bytes after each field's text repeat
// what the buffer held before; `buffer` ends holding the last record.
std::string LayRecordFile(const EncipheredBook& fields, EntryRecord& buffer);

// EncipherBook, then LayRecordFile.
std::string EncodeRecordFile(EntryBook& book, RecordCipher& cipher, EntryRecord& buffer);

// Reads the bytes of a record file into `book`. Fewer than two whole records leave the book as it
// is. Otherwise a header number of 1..5 becomes book.StyleNumber, and the tree and EntryTable are
// replaced by the node records: a node of level d becomes the last child of the latest node read
// with level d - 1 (a top-level node when there is none), and keeps its entry. Reading stops at the
// first bad record (a field longer than its capacity, a number that is not decimal, a level outside
// 0..2, a 51st node) or at a torn last record; what was read before stays (the tree is replaced
// only if at least one node was read), and Error says why.
// `buffer` ends holding the last record read. The input may be anything: it is never trusted.
RecordLoadResult DecodeRecordFile(std::string_view file, RecordCipher& cipher, EntryRecord& buffer, EntryBook& book);
