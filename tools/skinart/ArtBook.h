#pragma once
// The drawing routine of every bitmap resource, by resource name.

#include "tools/skinart/Image.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace skinart {

class ArtBook {
public:
    using Drawer = std::function<Image()>;

    // Every look and the shared images registered.
    static const ArtBook& Complete();

    // Throws when the name is taken already.
    void Add(const std::string& name, Drawer drawer);
    // Null when the name is unknown.
    const Drawer* Find(std::string_view name) const;

private:
    std::map<std::string, Drawer, std::less<>> drawers_;
};

} // namespace skinart
