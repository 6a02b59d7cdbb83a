#pragma once
// The image list as a component ("TImageList"), so that designed windows can name it from a
// tree view's Images: equal-sized images (16 x 16 by default) cut from a bitmap strip, with
// the pixels of MaskColor transparent when Masked. Controls that show its images subscribe to
// its changes; native controls take a comctl32 copy made by CreateNativeList.

#include "framework/core/Color.h"
#include "framework/core/Component.h"
#include "framework/core/Event.h"
#include "framework/core/Picture.h"
#include "framework/graphics/ImageList.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <utility>
#include <vector>

namespace fw {

class Bitmap;
class Canvas;

class ImageListComponent : public Component {
public:
    explicit ImageListComponent(Component* owner);
    ~ImageListComponent() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // Changing either side removes every image.
    int Width() const { return images_.Width(); }
    void SetWidth(int width);
    int Height() const { return images_.Height(); }
    void SetHeight(int height);

    // Whether AddStrip and Bitmap leave the MaskColor pixels out (true by default).
    bool Masked() const { return masked_; }
    void SetMasked(bool masked);
    // The transparent colour of added strips (fuchsia by default).
    Color MaskColor() const { return maskColor_; }
    void SetMaskColor(Color c);

    // A picture (normally a bitmap resource) holding the images side by side; setting it
    // replaces every image, and so does a change of Masked or MaskColor while it is set.
    // A picture without a bitmap clears the list.
    Picture& Bitmap() { return bitmap_; }
    void SetBitmap(const Picture& picture);

    int Count() const { return images_.Count(); }
    const ImageList& Images() const { return images_; }
    // Adds the images of a strip, masked as Masked and MaskColor say; returns the first new index.
    int AddStrip(const fw::Bitmap& strip);
    void Clear();

    // Draws image `index` with its top-left at (x, y); greyed when not enabled.
    void Draw(fw::Canvas& canvas, int x, int y, int index, bool enabled = true) const;

    // A comctl32 list with the same images and masks; the caller destroys it.
    HIMAGELIST CreateNativeList() const;

    // Controls showing the images hear every change; `key` identifies the subscriber.
    void Subscribe(const void* key, std::function<void()> changed);
    void Unsubscribe(const void* key);

    NotifyEvent OnChange;

private:
    void CutBitmap();
    void Changed();

    ImageList images_;
    Picture bitmap_;
    bool masked_ = true;
    Color maskColor_ = clFuchsia;
    std::vector<std::pair<const void*, std::function<void()>>> subscribers_;
};

} // namespace fw
