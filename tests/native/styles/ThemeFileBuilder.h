#pragma once
// Builds theme files byte by byte for the tests, well formed or deliberately broken.

#include "skin/styles/SUIThemeFileReader.h"

#include <cstdint>
#include <string>
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

inline std::vector<std::uint8_t> ThemeHeader(std::uint32_t firstEntry = 24) {
    std::vector<std::uint8_t> bytes(24, 0);
    PutU32(bytes, 12, 24);
    PutU32(bytes, 20, firstEntry);
    return bytes;
}

// Header, each record followed by its data, then a terminator record.
inline BuiltThemeFile BuildThemeFile(const std::vector<TestThemeEntry>& entries, const std::string& terminatorName = "") {
    using R = TsuiThemeFileReader;
    BuiltThemeFile file{ThemeHeader(), {}};
    for (const TestThemeEntry& entry : entries) {
        const std::size_t at = file.Bytes.size();
        const auto dataOffset = static_cast<std::uint32_t>(at + R::EntrySize);
        const auto size = static_cast<std::uint32_t>(entry.Data.size());
        AppendRecord(file.Bytes, entry.Name, entry.Kind, dataOffset, size, dataOffset + size);
        file.Bytes.insert(file.Bytes.end(), entry.Data.begin(), entry.Data.end());
        file.RecordOffsets.push_back(at);
    }
    file.RecordOffsets.push_back(AppendRecord(file.Bytes, terminatorName, 1, 0, 4, 0));
    return file;
}
