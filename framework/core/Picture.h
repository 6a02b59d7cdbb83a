#pragma once
// A picture: the name of a bitmap resource, and the image itself once somebody made it.
// Setting a resource name loads it through the installed resource loader (none natively);
// setting a graphic directly forgets the name. Copies share the graphic: replace it, do not
// draw into a shared one.

#include "framework/core/Graphic.h"
#include "framework/core/Persistent.h"

#include <functional>
#include <memory>
#include <string>

namespace fw {

class Picture : public Persistent {
public:
    using ResourceLoader = std::function<std::shared_ptr<Graphic>(const std::string& resourceName)>;

    Picture() = default;
    // Copies name and graphic; the copy has no OnChange.
    Picture(const Picture& other);
    // Same as Assign: keeps this picture's OnChange and calls it.
    Picture& operator=(const Picture& other);
    ~Picture() override = default;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    void Assign(const Picture& other);

    const std::string& ResourceName() const { return resourceName_; }
    // Stores the name and, if a loader is installed, loads the graphic (its errors propagate
    // and leave the picture unchanged). An empty name clears the picture.
    void SetResourceName(const std::string& name);

    const std::shared_ptr<Graphic>& GetGraphic() const { return graphic_; }
    void SetGraphic(std::shared_ptr<Graphic> graphic);

    bool HasGraphic() const { return graphic_ != nullptr; }
    bool Empty() const { return !graphic_ && resourceName_.empty(); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    void Clear();

    // Same name and the same graphic object.
    bool SameAs(const Picture& other) const {
        return resourceName_ == other.resourceName_ && graphic_ == other.graphic_;
    }

    // Installed once by the Win32 layer; an empty loader keeps names only.
    static void SetResourceLoader(ResourceLoader loader);

    std::function<void()> OnChange;

private:
    void Changed();

    std::string resourceName_;
    std::shared_ptr<Graphic> graphic_;
};

} // namespace fw
