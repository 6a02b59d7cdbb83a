#pragma once
// Builds theme files byte by byte for the native and the Windows tests, well formed or
// deliberately broken (through the reader's named field offsets).

#include "skin/styles/SUIThemeFileReader.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TestThemeEntry {
    std::string Name;  // written into the 64-byte field as is (up to 64 bytes, zero padded)
    std::uint8_t Kind;
    std::vector<std::uint8_t> Data;
};

struct BuiltThemeFile {
    std::vector<std::uint8_t> Bytes;
    std::vector<std::size_t> RecordOffsets;  // the entries, then the terminator last
};

inline void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    if (bytes.size() < at + 4) bytes.resize(at + 4, 0);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t GetU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

inline std::vector<std::uint8_t> U32Data(std::uint32_t value) {
    std::vector<std::uint8_t> bytes;
    PutU32(bytes, 0, value);
    return bytes;
}

inline TestThemeEntry IntEntry(const std::string& name, std::uint32_t value) { return {name, 1, U32Data(value)}; }
inline TestThemeEntry BoolEntry(const std::string& name, std::uint8_t value) { return {name, 2, {value}}; }
inline TestThemeEntry ImageEntry(const std::string& name, std::vector<std::uint8_t> bitmapFile) {
    return {name, 0, std::move(bitmapFile)};
}

// Writes one record at the end of bytes and returns its offset.
inline std::size_t AppendRecord(std::vector<std::uint8_t>& bytes, const std::string& name, std::uint8_t kind,
                                std::uint32_t dataOffset, std::uint32_t dataSize, std::uint32_t next) {
    using R = TsuiThemeFileReader;
    const std::size_t at = bytes.size();
    bytes.resize(at + R::EntrySize, 0);
    for (std::size_t i = 0; i < name.size() && i < R::NameSize; ++i) bytes[at + i] = static_cast<std::uint8_t>(name[i]);
    bytes[at + R::KindField] = kind;
    PutU32(bytes, at + R::DataOffsetField, dataOffset);
    PutU32(bytes, at + R::DataSizeField, dataSize);
    PutU32(bytes, at + R::NextEntryField, next);
    return at;
}

inline std::vector<std::uint8_t> ThemeHeader(std::uint32_t firstEntry = TsuiThemeFileReader::HeaderSize) {
    using R = TsuiThemeFileReader;
    std::vector<std::uint8_t> bytes(R::HeaderSize, 0);
    PutU32(bytes, R::HeaderSizeField, R::HeaderSize);
    PutU32(bytes, R::FirstEntryField, firstEntry);
    return bytes;
}

// Header, then each record followed by its data; the last record (next 0) ends the chain.
inline BuiltThemeFile BuildThemeFile(const std::vector<TestThemeEntry>& entries, const TestThemeEntry& terminator) {
    using R = TsuiThemeFileReader;
    BuiltThemeFile file{ThemeHeader(), {}};
    for (std::size_t i = 0; i <= entries.size(); ++i) {
        const TestThemeEntry& entry = i < entries.size() ? entries[i] : terminator;
        const std::size_t at = file.Bytes.size();
        const auto dataOffset = static_cast<std::uint32_t>(at + R::EntrySize);
        const auto size = static_cast<std::uint32_t>(entry.Data.size());
        const std::uint32_t next = i < entries.size() ? dataOffset + size : 0;
        AppendRecord(file.Bytes, entry.Name, entry.Kind, dataOffset, size, next);
        file.Bytes.insert(file.Bytes.end(), entry.Data.begin(), entry.Data.end());
        file.RecordOffsets.push_back(at);
    }
    return file;
}

// The same with a bare terminator: a record of that name and no data.
inline BuiltThemeFile BuildThemeFile(const std::vector<TestThemeEntry>& entries, const std::string& terminatorName = "") {
    BuiltThemeFile file = BuildThemeFile(entries, TestThemeEntry{terminatorName, 1, {}});
    // As the writing tool leaves it: an integer record whose data field points nowhere.
    const std::size_t last = file.RecordOffsets.back();
    PutU32(file.Bytes, last + TsuiThemeFileReader::DataOffsetField, 0);
    PutU32(file.Bytes, last + TsuiThemeFileReader::DataSizeField, 4);
    return file;
}
