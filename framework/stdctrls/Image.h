#pragma once
// A windowless picture ("TImage"): draws its picture at its top-left corner, or stretched over
// itself; with AutoSize it takes the picture's size whenever the picture changes.

#include "framework/controls/GraphicControl.h"
#include "framework/core/Picture.h"

namespace fw {

class Image : public GraphicControl {
public:
    explicit Image(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    fw::Picture& Picture() { return picture_; }
    void SetPicture(const fw::Picture& p) { picture_.Assign(p); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    // The picture's pixels of its lower-left colour are left out (bitmaps only).
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void Paint() override;

private:
    void PictureChanged();

    fw::Picture picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

} // namespace fw
