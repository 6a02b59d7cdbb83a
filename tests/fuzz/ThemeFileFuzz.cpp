// A theme file through the reader, checked against a plain walk of its entry chain: every key
// answers its first entry of the kind in chain order, in any letter case, and each image entry
// goes through the bitmap decoder as a skinned component's would.

#include "tests/fuzz/FuzzTargets.h"

#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"
#include "framework/imaging/BitmapFile.h"
#include "skin/styles/SUIThemeFileReader.h"
#include "skin/styles/SUIThemeTable.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace fuzz {

namespace {

using Reader = TsuiThemeFileReader;

struct ChainEntry {
    std::string Key;
    std::uint8_t Kind;
    std::uint32_t DataOffset;
    std::uint32_t DataSize;
};

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    FUZZ_CHECK(at + 4 <= bytes.size());
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) | (std::uint32_t{bytes[at + 2]} << 16) |
           (std::uint32_t{bytes[at + 3]} << 24);
}

// The entries of a file the reader accepted, in chain order; its records must lie in the file and
// the chain must end.
std::vector<ChainEntry> WalkChain(const std::vector<std::uint8_t>& bytes) {
    std::vector<ChainEntry> entries;
    std::uint32_t at = U32(bytes, Reader::FirstEntryField);
    for (std::size_t records = 1;; ++records) {
        FUZZ_CHECK(records <= bytes.size() / Reader::EntrySize);
        FUZZ_CHECK(std::uint64_t{at} + Reader::EntrySize <= bytes.size());
        const std::uint32_t next = U32(bytes, at + Reader::NextEntryField);
        if (next == 0)
            return entries;
        const auto name = bytes.begin() + at;
        entries.push_back({std::string(name, std::find(name, name + Reader::NameSize, std::uint8_t{0})),
                           bytes[at + Reader::KindField], U32(bytes, at + Reader::DataOffsetField),
                           U32(bytes, at + Reader::DataSizeField)});
        at = next;
    }
}

const ChainEntry* FirstOfKind(const std::vector<ChainEntry>& entries, std::uint8_t kind, std::string_view key) {
    for (const ChainEntry& e : entries)
        if (e.Kind == kind && SameThemeKey(e.Key, key))
            return &e;
    return nullptr;
}

std::vector<std::uint8_t> DataOf(const std::vector<std::uint8_t>& bytes, const ChainEntry& e) {
    FUZZ_CHECK(std::uint64_t{e.DataOffset} + e.DataSize <= bytes.size());
    return std::vector<std::uint8_t>(bytes.begin() + e.DataOffset, bytes.begin() + e.DataOffset + e.DataSize);
}

// The reader's answers for `key` against the chain's first entries of each kind.
void CheckKey(const Reader& reader, const std::vector<std::uint8_t>& bytes, const std::vector<ChainEntry>& entries,
              std::string_view key) {
    const ChainEntry* image = FirstOfKind(entries, 0, key);
    const auto stream = reader.GetImageStream(key);
    FUZZ_CHECK(stream.has_value() == (image != nullptr));
    if (image)
        FUZZ_CHECK(std::vector<std::uint8_t>(stream->begin(), stream->end()) == DataOf(bytes, *image));

    const ChainEntry* integer = FirstOfKind(entries, 1, key);
    FUZZ_CHECK(!integer || integer->DataSize == 4);
    FUZZ_CHECK(reader.GetIntValue(key) == (integer ? static_cast<std::int32_t>(U32(bytes, integer->DataOffset)) : -1));

    const ChainEntry* boolean = FirstOfKind(entries, 2, key);
    FUZZ_CHECK(!boolean || boolean->DataSize == 1);
    FUZZ_CHECK(reader.GetBoolValue(key) == (boolean && DataOf(bytes, *boolean)[0] != 0));

    const ChainEntry* text = FirstOfKind(entries, 3, key);
    const auto value = reader.GetTextValue(key);
    FUZZ_CHECK(value.has_value() == (text != nullptr));
    if (text) {
        const std::vector<std::uint8_t> data = DataOf(bytes, *text);
        FUZZ_CHECK(*value == std::string(data.begin(), data.end()));
    }
}

} // namespace

void FuzzThemeFile(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::optional<Reader> reader;
    try {
        reader.emplace(bytes);
    } catch (const fw::Exception&) {
        return;
    }
    const std::vector<ChainEntry> entries = WalkChain(bytes);
    std::size_t counts[4] = {};
    for (const ChainEntry& e : entries)
        if (e.Kind < 4)
            ++counts[e.Kind];
    FUZZ_CHECK(reader->ImageCount() == counts[0] && reader->IntCount() == counts[1] &&
               reader->BoolCount() == counts[2] && reader->TextCount() == counts[3]);

    for (const ChainEntry& e : entries) {
        CheckKey(*reader, bytes, entries, e.Key);
        CheckKey(*reader, bytes, entries, fw::GbkUpperCase(e.Key));
        CheckKey(*reader, bytes, entries, fw::GbkLowerCase(e.Key));
    }
    for (int number = 1; number <= ThemeElementCount; ++number)
        CheckKey(*reader, bytes, entries, GetThemeElementKey(static_cast<TsuiThemeElement>(number)));

    for (const ChainEntry& e : entries) {
        if (e.Kind != 0)
            continue;
        const auto stream = reader->GetImageStream(e.Key);
        try {
            fw::DecodeBitmapFile(stream->data(), stream->size());
        } catch (const fw::BitmapFileError&) {
        }
    }
}

} // namespace fuzz
