#pragma once
// The run-time class registry. Each class registers once (see ClassBuilder.h) its name, its
// parent class, a factory when it can be created by name, its published properties and, for
// window classes, the handler methods a designed window may name.

#include "framework/core/Event.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class ClassInfo;
class Component;
class EnumInfo;
class Persistent;
class PropertyValue;

enum class PropertyType {
    Integer, Boolean, Color, Enumeration, Set, Text, Font, Strings, Picture, Component, Collection, Event,
    // A sub-object with published properties of its own ("Constraints.MinHeight"); it is set
    // one property at a time, never as a whole.
    Object
};
// "integer", "boolean", "colour", ..., "event".
const char* PropertyTypeName(PropertyType type);

struct PropertyInfo {
    std::string name;
    PropertyType type = PropertyType::Integer;
    // Enumeration and Set: the value names. Integer: identifiers it accepts besides numbers (may be null).
    const EnumInfo* values = nullptr;
    // Component: the class a referenced component must be or derive from (a function, so that
    // classes referring to each other can register in any order).
    const ClassInfo& (*referenceClass)() = nullptr;
    // Reads the value (never empty, except for Object, which has no value of its own).
    std::function<PropertyValue(const Persistent&)> get;
    // Converts and stores a value through the class's setter; empty for a read-only property.
    std::function<void(Persistent&, const PropertyValue&)> set;
    // Font, Strings, Picture, Collection, Object: the live sub-object, for paths like "Font.Name".
    std::function<Persistent*(Persistent&)> object;
};

struct HandlerInfo {
    std::string name;
    // Binds the method to `root` (an instance of the registering class or a descendant).
    std::function<EventHandler(Persistent& root)> bind;
};

class ClassInfo {
public:
    using Factory = std::function<Component*(Component* owner)>;

    ClassInfo(std::string name, const ClassInfo* parent, Factory factory,
              std::vector<PropertyInfo> properties, std::vector<HandlerInfo> handlers);

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    // True when this class is `other` or derives from it.
    bool InheritsFrom(const ClassInfo& other) const;

    bool CanCreate() const { return static_cast<bool>(factory_); }
    // Creates an instance owned by `owner`; raises fw::Exception when the class cannot be created.
    Component* Create(Component* owner) const;

    // Searches this class, then its ancestors; letter case is ignored.
    const PropertyInfo* FindProperty(std::string_view name) const;
    // Every published property, ancestors' first, each name once (the most derived registration).
    std::vector<const PropertyInfo*> Properties() const;
    // Only this class's own registrations.
    const std::vector<PropertyInfo>& OwnProperties() const { return properties_; }

    const HandlerInfo* FindHandler(std::string_view name) const;

private:
    std::string name_;
    const ClassInfo* parent_;
    Factory factory_;
    std::vector<PropertyInfo> properties_;
    std::vector<HandlerInfo> handlers_;
};

// Adds a class to the registry (names ignore letter case; a second class of the same name
// raises fw::Exception) and returns the registered entry.
const ClassInfo& RegisterClassInfo(std::unique_ptr<ClassInfo> info);
// A registered class by name (letter case ignored), or nullptr.
const ClassInfo* FindClass(std::string_view name);

// Registers classes that may be named only in designed windows (a class registers itself the
// first time its StaticClass() runs).
template <class... T>
void RegisterClasses() {
    (static_cast<void>(T::StaticClass()), ...);
}

} // namespace fw
