#include "skin/controls/SUIScrollBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUITrackLayout.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kArrowInterval = 100;
constexpr int kMaxSmallChange = 32767;

TsuiScrollTrackBar* MakeTrack(TsuiScrollBar* bar) {
    auto* track = new TsuiScrollTrackBar(bar);
    track->SetParent(bar);
    track->SetShowTick(false);
    track->SetTabStop(false);
    track->SetTransparent(false);
    track->SetMax(100);
    return track;
}

fw::Picture PictureOf(const fw::Bitmap& bitmap) {
    fw::Picture picture;
    picture.SetGraphic(std::make_shared<fw::Bitmap>(bitmap));
    return picture;
}

} // namespace

TsuiScrollBar::TsuiScrollBar(fw::Component* owner)
    : fw::Panel(owner), track_(MakeTrack(this)), OnChange(track_->OnChange), fileTheme_(*this) {
    incButton_ = new TsuiImageButton(this);
    incButton_->SetParent(this);
    incButton_->OnMouseContinuouslyDown = [this](fw::Component*) { Step(1); };
    incButton_->SetMouseContinuouslyDownInterval(kArrowInterval);
    incButton_->SetTabStop(false);
    decButton_ = new TsuiImageButton(this);
    decButton_->SetParent(this);
    decButton_->OnMouseContinuouslyDown = [this](fw::Component*) { Step(-1); };
    decButton_->SetMouseContinuouslyDownInterval(kArrowInterval);
    decButton_->SetTabStop(false);
    SetBevelInner(fw::BevelCut::None);
    SetBevelOuter(fw::BevelCut::None);
    SetHeight(185);
    SetUIStyle(GetSUIFormStyle(owner));
}

TsuiScrollBar::~TsuiScrollBar() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiScrollBar::StaticClass() {
    using B = TsuiScrollBar;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<B>("TsuiScrollBar", fw::Panel::StaticClass())
            .AddEnum("Orientation", ProgressBarOrientationInfo(), &B::Orientation, &B::SetOrientation)
            .AddReference("FileTheme", &B::FileTheme, &B::SetFileTheme)
            .AddEnum("UIStyle", UIStyleInfo(), &B::UIStyle, &B::SetUIStyle)
            .AddInteger("Min", &B::Min, &B::SetMin)
            .AddInteger("Max", &B::Max, &B::SetMax)
            .AddInteger("Position", &B::Position, &B::SetPosition)
            .AddInteger("PageSize", &B::PageSize, &B::SetPageSize)
            .AddInteger("LargeChange", [](const B& b) { return static_cast<int>(b.LargeChange()); },
                        [](B& b, int v) { b.SetLargeChange(static_cast<std::int16_t>(v)); })
            .AddInteger("SmallChange", &B::SmallChange, &B::SetSmallChange)
            .AddInteger("LineButton", &B::LineButton, &B::SetLineButton)
            .AddEvent("OnChange", [](const B& b) -> fw::NotifyEvent& { return b.OnChange; })
            .Register();
    return info;
}

// --- the value model, kept by the track ---

std::int32_t TsuiScrollBar::Min() const { return track_->Min(); }
void TsuiScrollBar::SetMin(std::int32_t v) { track_->SetMin(v); }
std::int32_t TsuiScrollBar::Max() const { return track_->Max(); }
void TsuiScrollBar::SetMax(std::int32_t v) { track_->SetMax(v); }
std::int32_t TsuiScrollBar::Position() const { return track_->Position(); }

void TsuiScrollBar::SetPosition(std::int32_t v) {
    if (v != track_->Position()) track_->SetPosition(v);
}

std::int32_t TsuiScrollBar::PageSize() const { return track_->PageSize(); }

void TsuiScrollBar::SetPageSize(std::int32_t v) {
    track_->SetPageSize(v);
    RebuildSlider();
}

std::int16_t TsuiScrollBar::LargeChange() const { return static_cast<std::int16_t>(track_->PageSize()); }
void TsuiScrollBar::SetLargeChange(std::int16_t v) { track_->SetPageSize(v); }

void TsuiScrollBar::SetSmallChange(int v) { smallChange_ = std::clamp(v, 1, kMaxSmallChange); }

void TsuiScrollBar::Step(int direction) {
    const std::int64_t target = static_cast<std::int64_t>(track_->Position()) + direction * smallChange_;
    track_->SetPosition(static_cast<std::int32_t>(std::clamp<std::int64_t>(target, track_->Min(), track_->Max())));
}

bool TsuiScrollBar::SliderVisible() const { return track_->SliderVisible(); }
void TsuiScrollBar::SetSliderVisible(bool visible) { track_->SetSliderVisible(visible); }

// --- look ---

void TsuiScrollBar::SetLineButton(int v) {
    if (v == lineButton_) return;
    const int room = Vertical() ? Height() - incButton_->Height() - decButton_->Height()
                                : Width() - incButton_->Width() - decButton_->Width();
    if (v > room) return;
    lineButton_ = v;
    RebuildSlider();
}

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    ReloadPictures();
    Layout();
}

void TsuiScrollBar::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    track_->SetColor(GetColor());
    ReloadPictures();
    Layout();
}

void TsuiScrollBar::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiScrollBar::Notification(fw::Component* c, fw::Operation operation) {
    fw::Panel::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiScrollBar::ColorChanged() {
    fw::Panel::ColorChanged();
    track_->SetColor(GetColor());
}

void TsuiScrollBar::ReloadPictures() {
    track_->SetBarImage(fw::Picture());
    const TsuiStyleValues values(fileTheme_.Get(), uiStyle_);
    SetColor(values.Color(TsuiThemeElement::ScrollBarBackgroundColor));
    values.Bitmap(TsuiThemeElement::ScrollBarSliderImage, sliderHead_, 1);
    values.Bitmap(TsuiThemeElement::ScrollBarSliderImage, sliderBody_, 2);
    values.Bitmap(TsuiThemeElement::ScrollBarSliderImage, sliderTail_, 3);
    // Frames 1 to 3 are the decreasing arrow's normal, hover and pressed faces, 4 to 6 the
    // increasing arrow's; they point up and down, a horizontal bar turns them to left and right.
    TsuiImageButton* buttons[] = {decButton_, incButton_};
    for (int i = 1; i <= 6; ++i) {
        fw::Bitmap face;
        values.Bitmap(TsuiThemeElement::ScrollBarButtonImage, face, i);
        if (!Vertical()) RotateBitmapLeft(face);
        TsuiImageButton* button = buttons[(i - 1) / 3];
        switch ((i - 1) % 3) {
        case 0: button->SetPicNormal(PictureOf(face)); break;
        case 1: button->SetPicMouseOn(PictureOf(face)); break;
        default: button->SetPicMouseDown(PictureOf(face)); break;
        }
    }
    if (Vertical()) {
        RotateBitmapRight(sliderHead_);
        RotateBitmapRight(sliderBody_);
        RotateBitmapRight(sliderTail_);
    }
    incButton_->SetAutoSize(true);
    decButton_->SetAutoSize(true);
    Invalidate();
}

void TsuiScrollBar::Layout() {
    if (layingOut_) return;
    layingOut_ = true;
    track_->SetOrientation(orientation_);
    const int incW = incButton_->Width(), incH = incButton_->Height();
    const int decW = decButton_->Width(), decH = decButton_->Height();
    PlaceControl(decButton_, fw::Point{0, 0});
    if (Vertical()) {
        track_->SetBounds(0, decH, track_->Width(), std::max(Height() - incH - decH - 1, 0));
        PlaceControl(incButton_, fw::Point{0, Height() - incH});
        SetWidth(decW);
    } else {
        track_->SetBounds(decW, 0, std::max(Width() - incW - decW, 0), track_->Height());
        PlaceControl(incButton_, fw::Point{Width() - incW, 0});
        SetHeight(decH);
    }
    layingOut_ = false;
    RebuildSlider();
}

void TsuiScrollBar::RebuildSlider() {
    if (lineButton_ > 0 && lineButton_ < kMinLineButton) lineButton_ = kMinLineButton;
    const int length = ScrollSliderLength(lineButton_, track_->PageSize(), Vertical() ? track_->Height() : track_->Width());
    const int width = Vertical() ? sliderHead_.Width() : length;
    const int height = Vertical() ? length : sliderHead_.Height();
    auto slider = std::make_shared<fw::Bitmap>(std::max(width, 0), std::max(height, 0));
    if (!slider->Empty()) {
        fw::Canvas& canvas = slider->Canvas();
        canvas.Draw(0, 0, sliderHead_);
        fw::Rect body;
        if (Vertical()) {
            body = fw::Rect{0, sliderHead_.Height(), width, height - sliderTail_.Height()};
            if (!body.Empty() && !sliderBody_.Empty()) canvas.StretchDraw(body, sliderBody_);
            canvas.Draw(0, body.Bottom, sliderTail_);
        } else {
            body = fw::Rect{sliderHead_.Width(), 0, width - sliderTail_.Width(), height};
            if (!body.Empty() && !sliderBody_.Empty()) canvas.StretchDraw(body, sliderBody_);
            canvas.Draw(body.Right, 0, sliderTail_);
        }
    }
    fw::Picture picture;
    picture.SetGraphic(std::move(slider));
    track_->SetSliderImage(picture);
    track_->SetSliderAutoSize();
}

void TsuiScrollBar::Resize() {
    fw::Panel::Resize();
    Layout();
}
