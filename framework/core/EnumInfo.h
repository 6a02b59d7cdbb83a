#pragma once
// A table of value names for one enumeration type ("TAlign": alNone, alTop, ...),
// a set's element type (bit i = value i), or the identifiers an integer property accepts
// (charset names, cursor names).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class EnumInfo {
public:
    // Names with ordinal values 0, 1, 2, ...
    EnumInfo(std::string typeName, std::vector<std::string> names);
    // Names with explicit values.
    EnumInfo(std::string typeName, std::vector<std::pair<std::string, int>> values);

    const std::string& TypeName() const { return typeName_; }
    int Count() const { return static_cast<int>(values_.size()); }
    const std::string& NameAt(int index) const { return values_.at(static_cast<size_t>(index)).first; }
    int ValueAt(int index) const { return values_.at(static_cast<size_t>(index)).second; }

    // Value of a name, ignoring letter case.
    std::optional<int> ValueOf(std::string_view name) const;
    // Name of a value (the first one if several share it); empty if none.
    std::string NameOf(int value) const;

private:
    std::string typeName_;
    std::vector<std::pair<std::string, int>> values_;
};

} // namespace fw
