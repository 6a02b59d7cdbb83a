#include "framework/graphics/PictureLoader.h"

#include "framework/core/Picture.h"
#include "framework/graphics/Bitmap.h"

#include <memory>

namespace fw {

void InstallPictureResourceLoader(HINSTANCE module) {
    Picture::SetResourceLoader([module](const std::string& name) -> std::shared_ptr<Graphic> {
        auto bitmap = std::make_shared<Bitmap>();
        bitmap->LoadFromResourceName(module, name);
        return bitmap;
    });
}

Bitmap* PictureBitmap(const Picture& picture) { return dynamic_cast<Bitmap*>(picture.GetGraphic().get()); }

} // namespace fw
