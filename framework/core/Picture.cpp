#include "framework/core/Picture.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

namespace {

Picture::ResourceLoader& Loader() {
    static Picture::ResourceLoader loader;
    return loader;
}

} // namespace

Picture::Picture(const Picture& other)
    : Persistent(other), resourceName_(other.resourceName_), graphic_(other.graphic_) {}

Picture& Picture::operator=(const Picture& other) {
    Assign(other);
    return *this;
}

const ClassInfo& Picture::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Picture>("TPicture", Persistent::StaticClass())
                                       .AddText("ResourceName", &Picture::ResourceName, &Picture::SetResourceName)
                                       .Register();
    return info;
}

void Picture::Assign(const Picture& other) {
    if (SameAs(other)) return;
    resourceName_ = other.resourceName_;
    graphic_ = other.graphic_;
    Changed();
}

void Picture::SetResourceName(const std::string& name) {
    std::shared_ptr<Graphic> loaded;
    if (!name.empty() && Loader()) loaded = Loader()(name);
    resourceName_ = name;
    graphic_ = std::move(loaded);
    Changed();
}

void Picture::SetGraphic(std::shared_ptr<Graphic> graphic) {
    resourceName_.clear();
    graphic_ = std::move(graphic);
    Changed();
}

void Picture::Clear() {
    if (Empty()) return;
    resourceName_.clear();
    graphic_.reset();
    Changed();
}

void Picture::SetResourceLoader(ResourceLoader loader) { Loader() = std::move(loader); }

void Picture::Changed() {
    if (OnChange) OnChange();
}

} // namespace fw
