#include "framework/core/ClassInfo.h"

#include "framework/core/Component.h"
#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

#include <memory>

namespace fw {

namespace {

// Registered classes; entries are never removed, so references to them stay valid.
std::vector<std::unique_ptr<ClassInfo>>& Registry() {
    static std::vector<std::unique_ptr<ClassInfo>> registry;
    return registry;
}

} // namespace

const char* PropertyTypeName(PropertyType type) {
    switch (type) {
    case PropertyType::Integer: return "integer";
    case PropertyType::Boolean: return "boolean";
    case PropertyType::Color: return "colour";
    case PropertyType::Enumeration: return "enumeration";
    case PropertyType::Set: return "set";
    case PropertyType::Text: return "text";
    case PropertyType::Font: return "font";
    case PropertyType::Strings: return "string list";
    case PropertyType::Picture: return "picture";
    case PropertyType::Component: return "component reference";
    case PropertyType::Collection: return "collection";
    case PropertyType::Event: return "event";
    case PropertyType::Object: return "object";
    }
    return "unknown";
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, Factory factory,
                     std::vector<PropertyInfo> properties, std::vector<HandlerInfo> handlers)
    : name_(std::move(name)),
      parent_(parent),
      factory_(std::move(factory)),
      properties_(std::move(properties)),
      handlers_(std::move(handlers)) {}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->parent_)
        if (c == &other) return true;
    return false;
}

Component* ClassInfo::Create(Component* owner) const {
    if (!factory_) throw Exception(Format("Class %s cannot be created", name_.c_str()));
    Component* c = factory_(owner);
    if (&c->ClassType() != this) {
        // A class that forgot to override ClassType() would publish its parent's properties only.
        const std::string reported = c->ClassName();
        delete c;
        throw Exception(Format("Class %s reports itself as %s", name_.c_str(), reported.c_str()));
    }
    return c;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->parent_)
        for (const PropertyInfo& p : c->properties_)
            if (GbkSameText(p.name, name)) return &p;
    return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::Properties() const {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* c = this; c != nullptr; c = c->parent_) chain.insert(chain.begin(), c);
    std::vector<const PropertyInfo*> result;
    for (const ClassInfo* c : chain)
        for (const PropertyInfo& p : c->properties_) result.push_back(FindProperty(p.name));
    // A property republished further down appears once, at its first position.
    std::vector<const PropertyInfo*> unique;
    for (const PropertyInfo* p : result) {
        bool seen = false;
        for (const PropertyInfo* u : unique) seen = seen || u == p;
        if (!seen) unique.push_back(p);
    }
    return unique;
}

const HandlerInfo* ClassInfo::FindHandler(std::string_view name) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->parent_)
        for (const HandlerInfo& h : c->handlers_)
            if (GbkSameText(h.name, name)) return &h;
    return nullptr;
}

const ClassInfo& RegisterClassInfo(std::unique_ptr<ClassInfo> info) {
    if (FindClass(info->Name()) != nullptr)
        throw Exception(Format("Class %s is already registered", info->Name().c_str()));
    Registry().push_back(std::move(info));
    return *Registry().back();
}

const ClassInfo* FindClass(std::string_view name) {
    for (const auto& c : Registry())
        if (GbkSameText(c->Name(), name)) return c.get();
    return nullptr;
}

} // namespace fw
