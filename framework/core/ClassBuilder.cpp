#include "framework/core/ClassBuilder.h"

#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

#include <climits>

namespace fw::detail {

void InvalidValue(const PropertyValue& v, const std::string& property) {
    throw Exception(Format("Invalid value %s for property %s", v.ToString().c_str(), property.c_str()));
}

int ToInt(const PropertyValue& v, const std::string& property, const EnumInfo* identifiers) {
    if (v.GetKind() == PropertyValue::Kind::Integer) {
        const std::int64_t n = v.AsInteger();
        if (n < INT_MIN || n > INT_MAX) InvalidValue(v, property);
        return static_cast<int>(n);
    }
    if (v.GetKind() == PropertyValue::Kind::Identifier && identifiers != nullptr)
        if (auto n = identifiers->ValueOf(v.AsText())) return *n;
    InvalidValue(v, property);
}

bool ToBoolean(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() == PropertyValue::Kind::Boolean) return v.AsBoolean();
    if (v.GetKind() == PropertyValue::Kind::Identifier) {
        if (GbkSameText(v.AsText(), "True")) return true;
        if (GbkSameText(v.AsText(), "False")) return false;
    }
    InvalidValue(v, property);
}

Color ToColor(const PropertyValue& v, const std::string& property) {
    switch (v.GetKind()) {
    case PropertyValue::Kind::Color: return v.AsColor();
    case PropertyValue::Kind::Integer: {
        // Negative numbers are the 32-bit two's complement (-16777201 is clBtnFace).
        const std::int64_t n = v.AsInteger();
        if (n < INT32_MIN || n > UINT32_MAX) InvalidValue(v, property);
        return static_cast<Color>(static_cast<std::uint32_t>(n));
    }
    case PropertyValue::Kind::Identifier:
        if (auto c = ColorFromName(v.AsText())) return *c;
        break;
    default: break;
    }
    InvalidValue(v, property);
}

int ToEnum(const PropertyValue& v, const std::string& property, const EnumInfo& values) {
    int ordinal = -1;
    switch (v.GetKind()) {
    case PropertyValue::Kind::Enumeration: ordinal = v.AsEnum(); break;
    case PropertyValue::Kind::Integer:
        if (v.AsInteger() >= 0 && v.AsInteger() < values.Count()) ordinal = static_cast<int>(v.AsInteger());
        break;
    case PropertyValue::Kind::Identifier:
    case PropertyValue::Kind::Text:
        if (auto n = values.ValueOf(v.AsText())) ordinal = *n;
        break;
    default: break;
    }
    if (values.NameOf(ordinal).empty()) InvalidValue(v, property);
    return ordinal;
}

unsigned ToSet(const PropertyValue& v, const std::string& property, const EnumInfo& values) {
    if (v.GetKind() != PropertyValue::Kind::Set) InvalidValue(v, property);
    unsigned bits = 0;
    for (const std::string& name : v.AsSet()) {
        auto n = values.ValueOf(name);
        if (!n || *n < 0 || *n >= 32) InvalidValue(PropertyValue::FromIdentifier(name), property);
        bits |= 1u << *n;
    }
    return bits;
}

std::string ToText(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() != PropertyValue::Kind::Text) InvalidValue(v, property);
    return v.AsText();
}

Font ToFont(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() != PropertyValue::Kind::Font) InvalidValue(v, property);
    return v.AsFont();
}

StringList ToStrings(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() == PropertyValue::Kind::Strings) return v.AsStrings();
    if (v.GetKind() == PropertyValue::Kind::Text) {
        StringList lines;
        lines.SetText(v.AsText());
        return lines;
    }
    InvalidValue(v, property);
}

Picture ToPicture(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() == PropertyValue::Kind::Picture) return v.AsPicture();
    if (v.GetKind() == PropertyValue::Kind::Text) {
        Picture p;
        p.SetResourceName(v.AsText());
        return p;
    }
    InvalidValue(v, property);
}

const Collection& ToCollection(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() != PropertyValue::Kind::Collection) InvalidValue(v, property);
    return v.AsCollection();
}

Component* ToComponent(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() == PropertyValue::Kind::Component) return v.AsComponent();
    if (v.GetKind() == PropertyValue::Kind::Identifier && GbkSameText(v.AsText(), "nil")) return nullptr;
    InvalidValue(v, property);
}

const EventHandler& ToEvent(const PropertyValue& v, const std::string& property) {
    if (v.GetKind() != PropertyValue::Kind::Event) InvalidValue(v, property);
    return v.AsEvent();
}

PropertyValue EnumValue(int ordinal, const EnumInfo& values) {
    return PropertyValue::FromEnum(ordinal, values.NameOf(ordinal));
}

PropertyValue SetValue(unsigned bits, const EnumInfo& values) {
    std::vector<std::string> names;
    for (int i = 0; i < values.Count(); ++i) {
        const int bit = values.ValueAt(i);
        if (bit >= 0 && bit < 32 && (bits & (1u << bit)) != 0) names.push_back(values.NameAt(i));
    }
    return PropertyValue::FromSet(std::move(names));
}

void WrongClass(const Persistent& object, const std::string& className) {
    throw Exception(Format("%s is not a %s", object.ClassName().c_str(), className.c_str()));
}

void HandlerMismatch(const std::string& handler, const std::string& property) {
    throw Exception(Format("Handler %s does not fit event %s", handler.c_str(), property.c_str()));
}

} // namespace fw::detail
