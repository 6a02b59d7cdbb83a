#pragma once
// Published properties by name. Names ignore letter case; a path goes through sub-objects
// ("Font.Name", "Lines.Strings") and collection items ("TitleBarButtons[1].Visible").
// An unknown name raises fw::Exception "Property <name as given> does not exist".

#include "framework/core/ClassInfo.h"
#include "framework/core/PropertyValue.h"

#include <string_view>

namespace fw {

class Persistent;

struct PropertyTarget {
    Persistent* object = nullptr;      // the object holding the last segment
    const PropertyInfo* info = nullptr;
};

// Resolves a path; {nullptr, nullptr} if any segment does not exist.
PropertyTarget FindPropertyTarget(Persistent& object, std::string_view path);

bool HasProperty(const Persistent& object, std::string_view path);
PropertyValue GetPropertyValue(const Persistent& object, std::string_view path);
// Calls the property's setter (which reacts at once). A value the property cannot take raises
// fw::Exception "Invalid value <value> for property <name>".
void SetPropertyValue(Persistent& object, std::string_view path, const PropertyValue& value);

} // namespace fw
