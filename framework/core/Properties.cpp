#include "framework/core/Properties.h"

#include "framework/core/Collection.h"
#include "framework/core/Exception.h"
#include "framework/core/Persistent.h"

#include <string>

namespace fw {

namespace {

struct Segment {
    std::string_view name;
    int index = -1;  // "Items[2]" -> 2
};

// Splits "A.B[2].C"; false for an empty segment or a malformed index.
bool NextSegment(std::string_view& rest, Segment& out) {
    const size_t dot = rest.find('.');
    std::string_view part = rest.substr(0, dot);
    rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
    out.index = -1;
    const size_t open = part.find('[');
    if (open != std::string_view::npos) {
        if (part.size() < open + 3 || part.back() != ']') return false;
        const std::string_view digits = part.substr(open + 1, part.size() - open - 2);
        if (digits.size() > 9) return false;
        int n = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') return false;
            n = n * 10 + (c - '0');
        }
        out.index = n;
        part = part.substr(0, open);
    }
    out.name = part;
    return !part.empty();
}

[[noreturn]] void NoSuchProperty(std::string_view path) {
    throw Exception(Format("Property %.*s does not exist", static_cast<int>(path.size()), path.data()));
}

} // namespace

PropertyTarget FindPropertyTarget(Persistent& object, std::string_view path) {
    Persistent* current = &object;
    std::string_view rest = path;
    while (true) {
        Segment seg;
        const bool last = rest.find('.') == std::string_view::npos;
        if (!NextSegment(rest, seg)) return {};
        const PropertyInfo* info = current->ClassType().FindProperty(seg.name);
        if (info == nullptr) return {};
        if (last) {
            if (seg.index >= 0) return {};
            return {current, info};
        }
        if (!info->object) return {};
        Persistent* sub = info->object(*current);
        if (sub == nullptr) return {};
        if (seg.index >= 0) {
            auto* collection = dynamic_cast<Collection*>(sub);
            if (collection == nullptr || seg.index >= collection->Count()) return {};
            sub = &collection->Item(seg.index);
        }
        current = sub;
    }
}

bool HasProperty(const Persistent& object, std::string_view path) {
    return FindPropertyTarget(const_cast<Persistent&>(object), path).info != nullptr;
}

PropertyValue GetPropertyValue(const Persistent& object, std::string_view path) {
    const PropertyTarget t = FindPropertyTarget(const_cast<Persistent&>(object), path);
    if (t.info == nullptr) NoSuchProperty(path);
    return t.info->get(*t.object);
}

void SetPropertyValue(Persistent& object, std::string_view path, const PropertyValue& value) {
    const PropertyTarget t = FindPropertyTarget(object, path);
    if (t.info == nullptr) NoSuchProperty(path);
    if (!t.info->set) throw Exception(Format("Property %s is read-only", t.info->name.c_str()));
    t.info->set(*t.object, value);
}

} // namespace fw
