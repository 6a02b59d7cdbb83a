#include "skin/controls/SUIImagePanel.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "skin/styles/SUIPublic.h"

#include <memory>
#include <vector>

TsuiCustomPanel::TsuiCustomPanel(fw::Component* owner) : fw::Panel(owner) {
    picture_.OnChange = [this] { PictureChanged(); };
    SetBevelInner(fw::BevelCut::None);
    SetBevelOuter(fw::BevelCut::None);
    Invalidate();
}

TsuiCustomPanel::~TsuiCustomPanel() {
    BeginDestroy();
    DestroyHandle();
}

const fw::EnumInfo& TsuiCustomPanel::DrawStyleInfo() {
    static const fw::EnumInfo info("TsuiDrawStyle", std::vector<std::string>{"suiNormal", "suiStretch", "suiTile"});
    return info;
}

const fw::ClassInfo& TsuiCustomPanel::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiCustomPanel>("TsuiCustomPanel", fw::Panel::StaticClass()).Register();
    return info;
}

void TsuiCustomPanel::SetPicture(const fw::Picture& picture) {
    picture_.Assign(picture);  // OnChange: PictureChanged
}

void TsuiCustomPanel::SetTransparent(bool v) {
    transparent_ = v;
    MatchPictureTransparency();
    Invalidate();
}

void TsuiCustomPanel::SetAutoSize(bool v) {
    autoSize_ = v;
    if (autoSize_ && picture_.HasGraphic()) SizeToPicture();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle style) {
    drawStyle_ = style;
    FillBackground();
    Invalidate();
}

void TsuiCustomPanel::FillBackground() {
    if (HandleAllocated()) FillRectColor(Canvas(), ClientRect(), GetColor());
}

void TsuiCustomPanel::PictureChanged() {
    if (picture_.HasGraphic()) {
        if (autoSize_) SizeToPicture();
        MatchPictureTransparency();
    }
    FillBackground();
    Invalidate();
}

void TsuiCustomPanel::SizeToPicture() {
    const fw::Align a = GetAlign();
    const bool keepWidth = a == fw::Align::Top || a == fw::Align::Bottom || a == fw::Align::Client;
    const bool keepHeight = a == fw::Align::Left || a == fw::Align::Right || a == fw::Align::Client;
    SetBounds(Left(), Top(), keepWidth ? Width() : picture_.Width(), keepHeight ? Height() : picture_.Height());
}

void TsuiCustomPanel::MatchPictureTransparency() {
    auto* bitmap = dynamic_cast<const fw::Bitmap*>(picture_.GetGraphic().get());
    if (bitmap == nullptr || bitmap->Transparent() == transparent_) return;
    auto copy = std::make_shared<fw::Bitmap>(*bitmap);
    copy->SetTransparent(transparent_);
    // Runs PictureChanged once more, which finds the transparency matching.
    picture_.SetGraphic(std::move(copy));
}

void TsuiCustomPanel::Paint() {
    fw::Canvas& canvas = Canvas();
    const fw::Rect r = ClientRect();
    if (transparent_) DrawParentBackground(canvas, this);
    if (picture_.HasGraphic()) {
        const fw::Graphic& graphic = *picture_.GetGraphic();
        switch (drawStyle_) {
        case TsuiDrawStyle::suiStretch: canvas.StretchDraw(r, graphic); break;
        case TsuiDrawStyle::suiTile: TilePicture(canvas, picture_, r); break;
        case TsuiDrawStyle::suiNormal: canvas.Draw(0, 0, graphic); break;
        }
    } else if (!transparent_) {
        FillRectColor(canvas, r, GetColor());
    }
    if (Caption().find_first_not_of(' ') != std::string::npos) DrawCaption(r);
    fw::CustomControl::Paint();
}

void TsuiCustomPanel::TextChanged() {
    fw::Panel::TextChanged();
    CaptionRectChanged();
    Invalidate();
}

void TsuiCustomPanel::Resize() {
    fw::Panel::Resize();
    Invalidate();
}

// --- TsuiImagePanel ---

TsuiImagePanel::TsuiImagePanel(fw::Component* owner) : TsuiCustomPanel(owner) {}

const fw::ClassInfo& TsuiImagePanel::StaticClass() {
    using P = TsuiImagePanel;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<P>("TsuiImagePanel", TsuiCustomPanel::StaticClass())
            .AddPicture("Picture", static_cast<fw::Picture& (P::*)()>(&P::Picture), &P::SetPicture)
            .AddBoolean("Transparent", &P::Transparent, &P::SetTransparent)
            .AddBoolean("AutoSize", &P::AutoSize, &P::SetAutoSize)
            .AddEnum("DrawStyle", DrawStyleInfo(), &P::DrawStyle, &P::SetDrawStyle)
            .Register();
    return info;
}
