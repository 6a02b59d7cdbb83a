#pragma once
// The skin's double-buffered panels. TsuiCustomPanel shows a picture (at its natural size,
// stretched or tiled), can let its parent show through, and can size itself to the picture;
// its window text is drawn on one line over it. TsuiImagePanel publishes all of that (the
// sliders of the track bar and the scroll bar are image panels). The group boxes derive from
// TsuiCustomPanel.

#include "framework/core/Picture.h"
#include "framework/stdctrls/Panel.h"

namespace fw {
class EnumInfo;
}

enum class TsuiDrawStyle { suiNormal, suiStretch, suiTile };

class TsuiCustomPanel : public fw::Panel {
public:
    explicit TsuiCustomPanel(fw::Component* owner);
    ~TsuiCustomPanel() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& DrawStyleInfo();

    fw::Picture& Picture() { return picture_; }
    const fw::Picture& Picture() const { return picture_; }
    // Copies the picture (its graphic is shared, never drawn into).
    void SetPicture(const fw::Picture& picture);
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool v);
    // Takes the picture's size: its width unless aligned top, bottom or client, its height
    // unless aligned left, right or client.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TsuiDrawStyle DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(TsuiDrawStyle style);

protected:
    // Fills the window with Color at once, when there is a window.
    virtual void FillBackground();
    // The window text changed; derived panels that place it elsewhere react here.
    virtual void CaptionRectChanged() {}
    // A new picture: size to it when AutoSize, give it the panel's transparency, repaint.
    virtual void PictureChanged();

    // Parent background when transparent, then the picture (or Color without one and not
    // transparent), then the window text.
    void Paint() override;
    void TextChanged() override;
    void Resize() override;

private:
    void SizeToPicture();
    // The picture's bitmap drawn with (or without) its key colour as the panel's transparency
    // says; a graphic shared with another picture is replaced by a copy, never changed.
    void MatchPictureTransparency();

    fw::Picture picture_;
    bool transparent_ = false;
    bool autoSize_ = false;
    TsuiDrawStyle drawStyle_ = TsuiDrawStyle::suiNormal;
};

class TsuiImagePanel : public TsuiCustomPanel {
public:
    explicit TsuiImagePanel(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};
