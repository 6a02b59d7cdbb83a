#pragma once
// One 158-byte record of the record file: six length-prefixed byte strings (a length byte, then
// the field's capacity in bytes, of which the first `length` hold the stored text).

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class RecordField { Caption, UserName, Password, Level, UpdateTime, ImageIndex };

class EntryRecord {
public:
    static constexpr std::size_t Size = 158;

    static std::size_t Offset(RecordField field);
    static std::size_t Capacity(RecordField field);

    // Stores `text`, cut to the capacity, as the field's length byte and first bytes; the bytes
    // after it keep whatever the record held before.
    void SetField(RecordField field, std::string_view text);
    // The field's stored text, or nothing when its length byte exceeds the capacity.
    std::optional<std::string> Field(RecordField field) const;

    std::array<unsigned char, Size> Bytes{};
};
