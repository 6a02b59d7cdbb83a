#include "skin/styles/SUIThemeFileReader.h"

#include "framework/core/Exception.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unordered_set>

namespace {

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsGbkLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x81 && b <= 0xFE;
}

[[noreturn]] void Fail(const std::string& what) {
    throw fw::Exception("Invalid theme file: " + what);
}

template <typename Entry>
const Entry* FindFirst(const std::vector<Entry>& entries, std::string_view key) {
    for (const Entry& entry : entries) {
        if (SameThemeKey(entry.Key, key)) return &entry;
    }
    return nullptr;
}

}  // namespace

bool SameThemeKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsGbkLeadByte(a[i])) {
            if (a[i] != b[i]) return false;
            if (i + 1 < a.size()) {
                ++i;
                if (a[i] != b[i]) return false;
            }
        } else if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

TsuiThemeFileReader::TsuiThemeFileReader(std::vector<std::uint8_t> fileBytes) : bytes_(std::move(fileBytes)) {
    Parse();
}

TsuiThemeFileReader TsuiThemeFileReader::FromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw fw::Exception(fw::Format("Cannot open theme file \"%s\"", path.c_str()));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw fw::Exception(fw::Format("Cannot read theme file \"%s\"", path.c_str()));
    if (static_cast<std::uint64_t>(size) > MaxFileSize) Fail(fw::Format("\"%s\" is too large", path.c_str()));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0, std::ios::beg);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        throw fw::Exception(fw::Format("Cannot read theme file \"%s\"", path.c_str()));
    }
    return TsuiThemeFileReader(std::move(bytes));
}

void TsuiThemeFileReader::Parse() {
    const std::uint64_t size = bytes_.size();
    if (size > MaxFileSize) Fail("the file is too large");
    if (size < HeaderSizeField + 4) Fail("the file is shorter than its header");
    const std::uint32_t headerSize = ReadU32(bytes_, HeaderSizeField);
    if (headerSize != HeaderSize) Fail(fw::Format("the header length is %u, not %u", headerSize, unsigned(HeaderSize)));
    if (size < HeaderSize) Fail("the file is shorter than its header");

    // Records that do not overlap fit at most size / EntrySize times; a longer chain is made of
    // overlapping records and is refused before its entries pile up.
    const std::uint64_t maxRecords = size / EntrySize;
    std::unordered_set<std::uint32_t> visited;
    std::uint32_t offset = ReadU32(bytes_, FirstEntryField);
    for (;;) {
        if (std::uint64_t{offset} + EntrySize > size) Fail(fw::Format("the entry record at %u lies past the end", offset));
        if (!visited.insert(offset).second) Fail(fw::Format("the entry chain returns to the record at %u", offset));
        if (visited.size() > maxRecords) Fail("the entry records overlap");

        const std::uint32_t next = ReadU32(bytes_, offset + NextEntryField);
        if (next == 0) break;  // the terminator closes the chain and is not an entry

        const auto nameBegin = bytes_.begin() + offset;
        const auto nameEnd = std::find(nameBegin, nameBegin + NameSize, std::uint8_t{0});
        std::string key(nameBegin, nameEnd);
        const std::uint8_t kind = bytes_[offset + KindField];
        const std::uint32_t dataOffset = ReadU32(bytes_, offset + DataOffsetField);
        const std::uint32_t dataSize = ReadU32(bytes_, offset + DataSizeField);

        auto checkData = [&](std::uint32_t expectedSize, const char* kindName) {
            if (expectedSize != 0 && dataSize != expectedSize) {
                Fail(fw::Format("the %s entry \"%s\" has %u data bytes, not %u", kindName, key.c_str(), dataSize,
                                expectedSize));
            }
            if (std::uint64_t{dataOffset} + dataSize > size) {
                Fail(fw::Format("the data of entry \"%s\" lies past the end", key.c_str()));
            }
        };
        switch (static_cast<TsuiThemeEntryKind>(kind)) {
        case TsuiThemeEntryKind::Image:
            checkData(0, "image");
            images_.push_back({std::move(key), dataOffset, dataSize});
            break;
        case TsuiThemeEntryKind::Integer:
            checkData(4, "integer");
            ints_.push_back({std::move(key), static_cast<std::int32_t>(ReadU32(bytes_, dataOffset))});
            break;
        case TsuiThemeEntryKind::Boolean:
            checkData(1, "boolean");
            bools_.push_back({std::move(key), bytes_[dataOffset]});
            break;
        case TsuiThemeEntryKind::Text:
            checkData(0, "text");
            texts_.push_back({std::move(key), dataOffset, dataSize});
            break;
        default:
            break;  // kinds of later formats: skipped, their data is never touched
        }
        offset = next;
    }
}

std::optional<std::span<const std::uint8_t>> TsuiThemeFileReader::GetImageStream(std::string_view key) const {
    const BlobEntry* entry = FindFirst(images_, key);
    if (!entry) return std::nullopt;
    return std::span<const std::uint8_t>(bytes_.data() + entry->Offset, entry->Size);
}

std::int32_t TsuiThemeFileReader::GetIntValue(std::string_view key) const {
    const IntEntry* entry = FindFirst(ints_, key);
    return entry ? entry->Value : -1;
}

bool TsuiThemeFileReader::GetBoolValue(std::string_view key) const {
    const BoolEntry* entry = FindFirst(bools_, key);
    return entry && entry->Value != 0;
}

std::optional<std::string> TsuiThemeFileReader::GetTextValue(std::string_view key) const {
    const BlobEntry* entry = FindFirst(texts_, key);
    if (!entry) return std::nullopt;
    const auto begin = bytes_.begin() + entry->Offset;
    return std::string(begin, begin + entry->Size);
}

bool TsuiThemeFileReader::HasEntry(TsuiThemeEntryKind kind, std::string_view key) const {
    switch (kind) {
    case TsuiThemeEntryKind::Image: return FindFirst(images_, key) != nullptr;
    case TsuiThemeEntryKind::Integer: return FindFirst(ints_, key) != nullptr;
    case TsuiThemeEntryKind::Boolean: return FindFirst(bools_, key) != nullptr;
    case TsuiThemeEntryKind::Text: return FindFirst(texts_, key) != nullptr;
    }
    return false;
}
