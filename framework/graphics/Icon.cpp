#include "framework/graphics/Icon.h"

#include "framework/core/Exception.h"
#include "framework/core/WideText.h"

#include <utility>

namespace fw {

Icon::~Icon() { Destroy(); }

void Icon::Destroy() {
    if (handle_ != nullptr) DestroyIcon(handle_);
    handle_ = nullptr;
    width_ = height_ = 0;
}

void Icon::LoadFromResourceName(HINSTANCE module, const std::string& name, int size) {
    if (size <= 0) throw Exception(Format("Icon size %d is not allowed", size));
    const std::wstring wide = GbkToWide(name);
    HANDLE loaded = LoadImageW(module, wide.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
    if (loaded == nullptr) throw Exception(Format("Icon resource %s not found", name.c_str()));
    Destroy();
    handle_ = static_cast<HICON>(loaded);
    width_ = height_ = size;
}

HICON Icon::ReleaseHandle() {
    HICON h = std::exchange(handle_, nullptr);
    width_ = height_ = 0;
    return h;
}

} // namespace fw
