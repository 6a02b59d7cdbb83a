#include "framework/stdctrls/ImageListComponent.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/PictureLoader.h"

#include <algorithm>

namespace fw {

namespace {

HBITMAP CopyPixels(const fw::Bitmap& image) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = image.Width();
    bi.bmiHeader.biHeight = -image.Height();
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP h = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (h == nullptr) throw Exception("Cannot create a bitmap for a native image list");
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < image.Height(); ++y)
        std::copy_n(image.ScanLine(y), image.Width(), out + static_cast<size_t>(y) * image.Width());
    return h;
}

} // namespace

ImageListComponent::ImageListComponent(Component* owner) : Component(owner), images_(16, 16) {
    bitmap_.OnChange = [this] { CutBitmap(); };
}

ImageListComponent::~ImageListComponent() {
    BeginDestroy();
    subscribers_.clear();
}

const ClassInfo& ImageListComponent::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<ImageListComponent>("TImageList", Component::StaticClass())
            .AddInteger("Width", &ImageListComponent::Width, &ImageListComponent::SetWidth)
            .AddInteger("Height", &ImageListComponent::Height, &ImageListComponent::SetHeight)
            .AddBoolean("Masked", &ImageListComponent::Masked, &ImageListComponent::SetMasked)
            .AddColor("MaskColor", &ImageListComponent::MaskColor, &ImageListComponent::SetMaskColor)
            .AddPicture("Bitmap", static_cast<Picture& (ImageListComponent::*)()>(&ImageListComponent::Bitmap),
                        &ImageListComponent::SetBitmap)
            .AddEvent("OnChange", &ImageListComponent::OnChange)
            .Register();
    return info;
}

void ImageListComponent::SetWidth(int width) {
    if (width == images_.Width()) return;
    images_.SetSize(width, images_.Height());
    Changed();
}

void ImageListComponent::SetHeight(int height) {
    if (height == images_.Height()) return;
    images_.SetSize(images_.Width(), height);
    Changed();
}

void ImageListComponent::SetBitmap(const Picture& picture) {
    // Assigning another picture calls OnChange, which cuts it.
    if (&picture != &bitmap_ && !bitmap_.SameAs(picture))
        bitmap_.Assign(picture);
    else
        CutBitmap();
}

void ImageListComponent::CutBitmap() {
    images_.Clear();
    if (const fw::Bitmap* strip = PictureBitmap(bitmap_)) {
        if (masked_)
            images_.AddMasked(*strip, maskColor_);
        else
            images_.Add(*strip);
    }
    Changed();
}

void ImageListComponent::SetMasked(bool masked) {
    if (masked == masked_) return;
    masked_ = masked;
    // Whatever order a description gives them in, the picture ends up cut with the mask.
    if (bitmap_.HasGraphic()) CutBitmap();
}

void ImageListComponent::SetMaskColor(Color c) {
    if (c == maskColor_) return;
    maskColor_ = c;
    if (bitmap_.HasGraphic() && masked_) CutBitmap();
}

int ImageListComponent::AddStrip(const fw::Bitmap& strip) {
    const int first = masked_ ? images_.AddMasked(strip, maskColor_) : images_.Add(strip);
    Changed();
    return first;
}

void ImageListComponent::Clear() {
    images_.Clear();
    Changed();
}

void ImageListComponent::Draw(fw::Canvas& canvas, int x, int y, int index, bool enabled) const {
    images_.Draw(canvas, x, y, index, enabled);
}

HIMAGELIST ImageListComponent::CreateNativeList() const {
    const int w = images_.Width();
    const int h = images_.Height();
    HIMAGELIST list = ImageList_Create(w, h, ILC_COLOR24 | ILC_MASK, std::max(1, Count()), 4);
    if (list == nullptr) throw Exception("Cannot create a native image list");
    // Monochrome mask rows are padded to 16 bits; a set bit is a transparent pixel.
    const int stride = ((w + 15) / 16) * 2;
    std::vector<BYTE> maskBits(static_cast<size_t>(stride) * h);
    for (int i = 0; i < Count(); ++i) {
        fw::Bitmap image;
        images_.GetBitmap(i, image);
        std::fill(maskBits.begin(), maskBits.end(), BYTE{0});
        for (int y = 0; y < h; ++y) {
            uint32_t* row = image.ScanLine(y);
            for (int x = 0; x < w; ++x) {
                if (images_.IsOpaque(i, x, y)) continue;
                maskBits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
                row[x] = 0;  // the mask is applied with AND, the image with OR
            }
        }
        HBITMAP mask = CreateBitmap(w, h, 1, 1, maskBits.data());
        // The image list copies both bitmaps; a Bitmap keeps its DIB section selected in its
        // own context, so hand over a fresh section with the same pixels.
        HBITMAP color = CopyPixels(image);
        const int added = ImageList_Add(list, color, mask);
        DeleteObject(color);
        DeleteObject(mask);
        if (added < 0) {
            ImageList_Destroy(list);
            throw Exception(Format("Cannot add image %d to a native image list", i));
        }
    }
    return list;
}

void ImageListComponent::Subscribe(const void* key, std::function<void()> changed) {
    Unsubscribe(key);
    subscribers_.emplace_back(key, std::move(changed));
}

void ImageListComponent::Unsubscribe(const void* key) {
    subscribers_.erase(std::remove_if(subscribers_.begin(), subscribers_.end(),
                                      [key](const auto& s) { return s.first == key; }),
                       subscribers_.end());
}

void ImageListComponent::Changed() {
    if (IsDestroying()) return;
    // A subscriber may unsubscribe while it hears the change.
    const auto subscribers = subscribers_;
    for (const auto& s : subscribers) s.second();
    OnChange(this);
}

} // namespace fw
