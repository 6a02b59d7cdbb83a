#pragma once
// Base of everything that publishes properties: components, collection items, fonts,
// string lists, pictures. Each class reports its registered ClassInfo.

#include <string>

namespace fw {

class ClassInfo;

class Persistent {
public:
    virtual ~Persistent() = default;

    static const ClassInfo& StaticClass();
    // The registered class of the object's dynamic type. Every registered class overrides it:
    //   const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    virtual const ClassInfo& ClassType() const;
    // The registered class name, e.g. "TButton".
    std::string ClassName() const;

protected:
    Persistent() = default;
    Persistent(const Persistent&) = default;
    Persistent& operator=(const Persistent&) = default;
};

} // namespace fw
