#include "framework/stdctrls/Image.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"

namespace fw {

Image::Image(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

const ClassInfo& Image::StaticClass() {
    static const ClassInfo& info = ClassBuilder<Image>("TImage", GraphicControl::StaticClass())
                                       .AddPicture("Picture", static_cast<fw::Picture& (Image::*)()>(&Image::Picture),
                                                   &Image::SetPicture)
                                       .AddBoolean("AutoSize", &Image::AutoSize, &Image::SetAutoSize)
                                       .AddBoolean("Stretch", &Image::Stretch, &Image::SetStretch)
                                       .AddBoolean("Transparent", &Image::Transparent, &Image::SetTransparent)
                                       .Register();
    return info;
}

void Image::SetAutoSize(bool v) {
    autoSize_ = v;
    PictureChanged();
}

void Image::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void Image::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void Image::PictureChanged() {
    if (autoSize_ && picture_.HasGraphic() && picture_.Width() > 0 && picture_.Height() > 0)
        SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
    Invalidate();
}

void Image::Paint() {
    const auto& graphic = picture_.GetGraphic();
    if (graphic != nullptr) {
        fw::Canvas& canvas = Canvas();
        const auto* bitmap = dynamic_cast<const Bitmap*>(graphic.get());
        if (stretch_) {
            canvas.StretchDraw(ClientRect(), *graphic);
        } else if (bitmap != nullptr && transparent_ && !bitmap->Empty()) {
            const Rect all{0, 0, bitmap->Width(), bitmap->Height()};
            canvas.DrawTransparent(all, *bitmap, all, bitmap->Pixel(0, bitmap->Height() - 1));
        } else {
            canvas.Draw(0, 0, *graphic);
        }
    }
    GraphicControl::Paint();
}

} // namespace fw
