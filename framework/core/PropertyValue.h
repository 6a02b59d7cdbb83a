#pragma once
// The value passed to and from published properties by name. The description reader hands
// over raw values (Integer, Text, Identifier, Set names, Strings); each property converts
// what it accepts (an Identifier "MacOS" for an enumeration, "clBlack" for a colour) and
// rejects the rest with "Invalid value ... for property ...".

#include "framework/core/Color.h"
#include "framework/core/Event.h"
#include "framework/core/Font.h"
#include "framework/core/Picture.h"
#include "framework/core/StringList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace fw {

class Collection;
class Component;

class PropertyValue {
public:
    enum class Kind {
        Empty, Integer, Boolean, Color, Enumeration, Set, Text, Identifier,
        Font, Strings, Picture, Component, Collection, Event
    };

    PropertyValue() = default;

    static PropertyValue FromInteger(std::int64_t value);
    static PropertyValue FromBoolean(bool value);
    static PropertyValue FromColor(fw::Color value);
    // An enumeration value: ordinal and its name (the name may be empty).
    static PropertyValue FromEnum(int ordinal, std::string name);
    // A set as the names of its elements.
    static PropertyValue FromSet(std::vector<std::string> names);
    static PropertyValue FromText(std::string gbk);
    // A bare name from a description: an enumeration value, a colour name, True/False, ...
    static PropertyValue FromIdentifier(std::string name);
    static PropertyValue FromFont(const fw::Font& font);
    static PropertyValue FromStrings(const StringList& lines);
    static PropertyValue FromPicture(const fw::Picture& picture);
    static PropertyValue FromComponent(fw::Component* component);
    // A detached copy of the collection's items.
    static PropertyValue FromCollection(const fw::Collection& collection);
    static PropertyValue FromEvent(EventHandler handler);

    Kind GetKind() const { return kind_; }
    bool IsEmpty() const { return kind_ == Kind::Empty; }

    // Each accessor raises fw::Exception when the value is of another kind.
    std::int64_t AsInteger() const;
    bool AsBoolean() const;
    fw::Color AsColor() const;
    int AsEnum() const;
    const std::string& EnumName() const;
    const std::vector<std::string>& AsSet() const;
    // Text or Identifier.
    const std::string& AsText() const;
    const fw::Font& AsFont() const;
    const StringList& AsStrings() const;
    const fw::Picture& AsPicture() const;
    fw::Component* AsComponent() const;
    const fw::Collection& AsCollection() const;
    const EventHandler& AsEvent() const;

    // A short readable form for messages: 12, True, alClient, 'text', [fsBold], Panel1, ...
    std::string ToString() const;

private:
    struct EnumData {
        int ordinal;
        std::string name;
    };
    using Data = std::variant<std::monostate, std::int64_t, bool, fw::Color, EnumData,
                              std::vector<std::string>, std::string, fw::Font, StringList,
                              fw::Picture, fw::Component*, std::shared_ptr<const fw::Collection>,
                              EventHandler>;

    PropertyValue(Kind kind, Data data) : kind_(kind), data_(std::move(data)) {}
    [[noreturn]] void WrongKind(const char* wanted) const;

    Kind kind_ = Kind::Empty;
    Data data_;
};

} // namespace fw
