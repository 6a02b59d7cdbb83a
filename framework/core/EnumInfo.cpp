#include "framework/core/EnumInfo.h"

#include "framework/core/GbkText.h"

namespace fw {

EnumInfo::EnumInfo(std::string typeName, std::vector<std::string> names) : typeName_(std::move(typeName)) {
    values_.reserve(names.size());
    int ordinal = 0;
    for (std::string& n : names) values_.emplace_back(std::move(n), ordinal++);
}

EnumInfo::EnumInfo(std::string typeName, std::vector<std::pair<std::string, int>> values)
    : typeName_(std::move(typeName)), values_(std::move(values)) {}

std::optional<int> EnumInfo::ValueOf(std::string_view name) const {
    for (const auto& [n, v] : values_)
        if (GbkSameText(n, name)) return v;
    return std::nullopt;
}

std::string EnumInfo::NameOf(int value) const {
    for (const auto& [n, v] : values_)
        if (v == value) return n;
    return {};
}

} // namespace fw
