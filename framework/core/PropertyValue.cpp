#include "framework/core/PropertyValue.h"

#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

namespace fw {

namespace {

const char* KindName(PropertyValue::Kind kind) {
    switch (kind) {
    case PropertyValue::Kind::Empty: return "empty";
    case PropertyValue::Kind::Integer: return "an integer";
    case PropertyValue::Kind::Boolean: return "a boolean";
    case PropertyValue::Kind::Color: return "a colour";
    case PropertyValue::Kind::Enumeration: return "an enumeration value";
    case PropertyValue::Kind::Set: return "a set";
    case PropertyValue::Kind::Text: return "a text";
    case PropertyValue::Kind::Identifier: return "an identifier";
    case PropertyValue::Kind::Font: return "a font";
    case PropertyValue::Kind::Strings: return "a string list";
    case PropertyValue::Kind::Picture: return "a picture";
    case PropertyValue::Kind::Component: return "a component";
    case PropertyValue::Kind::Collection: return "a collection";
    case PropertyValue::Kind::Event: return "an event handler";
    }
    return "unknown";
}

// At most this many bytes of a text in messages.
constexpr size_t kShownText = 60;

} // namespace

PropertyValue PropertyValue::FromInteger(std::int64_t value) { return {Kind::Integer, value}; }
PropertyValue PropertyValue::FromBoolean(bool value) { return {Kind::Boolean, value}; }
PropertyValue PropertyValue::FromColor(fw::Color value) { return {Kind::Color, value}; }
PropertyValue PropertyValue::FromEnum(int ordinal, std::string name) {
    return {Kind::Enumeration, EnumData{ordinal, std::move(name)}};
}
PropertyValue PropertyValue::FromSet(std::vector<std::string> names) { return {Kind::Set, std::move(names)}; }
PropertyValue PropertyValue::FromText(std::string gbk) { return {Kind::Text, std::move(gbk)}; }
PropertyValue PropertyValue::FromIdentifier(std::string name) { return {Kind::Identifier, std::move(name)}; }
PropertyValue PropertyValue::FromFont(const fw::Font& font) { return {Kind::Font, font}; }
PropertyValue PropertyValue::FromStrings(const StringList& lines) { return {Kind::Strings, lines}; }
PropertyValue PropertyValue::FromPicture(const fw::Picture& picture) { return {Kind::Picture, picture}; }
PropertyValue PropertyValue::FromComponent(fw::Component* component) { return {Kind::Component, component}; }
PropertyValue PropertyValue::FromCollection(const fw::Collection& collection) {
    return {Kind::Collection, std::shared_ptr<const fw::Collection>(collection.Clone())};
}
PropertyValue PropertyValue::FromEvent(EventHandler handler) { return {Kind::Event, std::move(handler)}; }

void PropertyValue::WrongKind(const char* wanted) const {
    throw Exception(Format("Value %s is not %s", ToString().c_str(), wanted));
}

std::int64_t PropertyValue::AsInteger() const {
    if (kind_ != Kind::Integer) WrongKind(KindName(Kind::Integer));
    return std::get<std::int64_t>(data_);
}

bool PropertyValue::AsBoolean() const {
    if (kind_ != Kind::Boolean) WrongKind(KindName(Kind::Boolean));
    return std::get<bool>(data_);
}

fw::Color PropertyValue::AsColor() const {
    if (kind_ != Kind::Color) WrongKind(KindName(Kind::Color));
    return std::get<fw::Color>(data_);
}

int PropertyValue::AsEnum() const {
    if (kind_ != Kind::Enumeration) WrongKind(KindName(Kind::Enumeration));
    return std::get<EnumData>(data_).ordinal;
}

const std::string& PropertyValue::EnumName() const {
    if (kind_ != Kind::Enumeration) WrongKind(KindName(Kind::Enumeration));
    return std::get<EnumData>(data_).name;
}

const std::vector<std::string>& PropertyValue::AsSet() const {
    if (kind_ != Kind::Set) WrongKind(KindName(Kind::Set));
    return std::get<std::vector<std::string>>(data_);
}

const std::string& PropertyValue::AsText() const {
    if (kind_ != Kind::Text && kind_ != Kind::Identifier) WrongKind(KindName(Kind::Text));
    return std::get<std::string>(data_);
}

const fw::Font& PropertyValue::AsFont() const {
    if (kind_ != Kind::Font) WrongKind(KindName(Kind::Font));
    return std::get<fw::Font>(data_);
}

const StringList& PropertyValue::AsStrings() const {
    if (kind_ != Kind::Strings) WrongKind(KindName(Kind::Strings));
    return std::get<StringList>(data_);
}

const fw::Picture& PropertyValue::AsPicture() const {
    if (kind_ != Kind::Picture) WrongKind(KindName(Kind::Picture));
    return std::get<fw::Picture>(data_);
}

fw::Component* PropertyValue::AsComponent() const {
    if (kind_ != Kind::Component) WrongKind(KindName(Kind::Component));
    return std::get<fw::Component*>(data_);
}

const fw::Collection& PropertyValue::AsCollection() const {
    if (kind_ != Kind::Collection) WrongKind(KindName(Kind::Collection));
    return *std::get<std::shared_ptr<const fw::Collection>>(data_);
}

const EventHandler& PropertyValue::AsEvent() const {
    if (kind_ != Kind::Event) WrongKind(KindName(Kind::Event));
    return std::get<EventHandler>(data_);
}

std::string PropertyValue::ToString() const {
    switch (kind_) {
    case Kind::Empty: return "(empty)";
    case Kind::Integer: return Format("%lld", static_cast<long long>(AsInteger()));
    case Kind::Boolean: return AsBoolean() ? "True" : "False";
    case Kind::Color: return ColorToString(AsColor());
    case Kind::Enumeration: return EnumName().empty() ? Format("%d", AsEnum()) : EnumName();
    case Kind::Set: {
        std::string out = "[";
        for (const std::string& n : AsSet()) out += (out.size() > 1 ? ", " : "") + n;
        return out + "]";
    }
    case Kind::Text: {
        const std::string& t = AsText();
        return "'" + (t.size() > kShownText ? GbkCut(t, kShownText) + "..." : t) + "'";
    }
    case Kind::Identifier: return GbkCut(AsText(), kShownText);
    case Kind::Font: return "(font " + AsFont().Name() + ")";
    case Kind::Strings: return Format("(%d lines)", AsStrings().Count());
    case Kind::Picture: return "(picture " + AsPicture().ResourceName() + ")";
    case Kind::Component:
        if (AsComponent() == nullptr) return "nil";
        return AsComponent()->Name().empty() ? "(" + AsComponent()->ClassName() + ")" : AsComponent()->Name();
    case Kind::Collection: return Format("(%d items)", AsCollection().Count());
    case Kind::Event: return AsEvent().name.empty() ? "nil" : AsEvent().name;
    }
    return {};
}

} // namespace fw
