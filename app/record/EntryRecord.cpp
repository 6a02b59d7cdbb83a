#include "app/record/EntryRecord.h"

#include <algorithm>
#include <cstring>

namespace {

struct FieldLayout {
    std::size_t Offset;
    std::size_t Capacity;
};

// Caption, UserName, Password, Level, UpdateTime, ImageIndex.
constexpr FieldLayout Layout[] = {{0, 50}, {51, 50}, {102, 30}, {133, 1}, {135, 20}, {156, 1}};

const FieldLayout& LayoutOf(RecordField field) { return Layout[static_cast<int>(field)]; }

} // namespace

std::size_t EntryRecord::Offset(RecordField field) { return LayoutOf(field).Offset; }

std::size_t EntryRecord::Capacity(RecordField field) { return LayoutOf(field).Capacity; }

void EntryRecord::SetField(RecordField field, std::string_view text) {
    const FieldLayout& f = LayoutOf(field);
    const std::size_t length = std::min(text.size(), f.Capacity);
    Bytes[f.Offset] = static_cast<unsigned char>(length);
    std::memcpy(Bytes.data() + f.Offset + 1, text.data(), length);
}

std::optional<std::string> EntryRecord::Field(RecordField field) const {
    const FieldLayout& f = LayoutOf(field);
    const std::size_t length = Bytes[f.Offset];
    if (length > f.Capacity)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(Bytes.data()) + f.Offset + 1, length);
}
