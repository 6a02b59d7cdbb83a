#include "skin/controls/SUITrackBar.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/EnumInfo.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Timer.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUITrackLayout.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kRepeatInterval = 100;
constexpr int kTickLength = 3;
// Ticks of the horizontal repeat move three pages, of the vertical one page.
constexpr int kHorizontalRepeatPages = 3;

const fw::Bitmap* BitmapOf(const fw::Picture& picture) {
    return dynamic_cast<const fw::Bitmap*>(picture.GetGraphic().get());
}

} // namespace

const fw::EnumInfo& ProgressBarOrientationInfo() {
    static const fw::EnumInfo info("TsuiProgressBarOrientation", std::vector<std::string>{"suiHorizontal", "suiVertical"});
    return info;
}

TsuiTrackBar::TsuiTrackBar(fw::Component* owner) : TsuiTrackBar(owner, false) {}

TsuiTrackBar::TsuiTrackBar(fw::Component* owner, bool ownerImages) : fw::Panel(owner), fileTheme_(*this) {
    SetBevelInner(fw::BevelCut::None);
    SetBevelOuter(fw::BevelCut::None);
    barImage_.OnChange = [this] {
        if (!loadingStyle_) Relayout();
    };
    slider_ = new TsuiImagePanel(this);
    slider_->SetParent(this);
    slider_->OnMouseDown = [this](fw::Component*, fw::MouseButton, fw::ShiftState, int, int) { StartDrag(); };
    SetParentColor(true);
    SetTabStop(true);
    SetBounds(Left(), Top(), 150, 45);
    // The style as SetUIStyle applies it, without the pictures a track of the owner's images
    // never shows (the derived class's choice is not known to virtual calls yet).
    uiStyle_ = GetSUIFormStyle(owner);
    if (uiStyle_ == TsuiUIStyle::MacOS) transparent_ = true;
    if (!ownerImages) UpdateBar();
    Relayout();
}

TsuiTrackBar::~TsuiTrackBar() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiTrackBar::StaticClass() {
    using T = TsuiTrackBar;
    static const fw::ClassInfo& info =
        fw::ClassBuilder<T>("TsuiTrackBar", fw::Panel::StaticClass())
            .AddPicture("BarImage", static_cast<fw::Picture& (T::*)()>(&T::BarImage), &T::SetBarImage)
            .AddPicture("SliderImage", static_cast<fw::Picture& (T::*)()>(&T::SliderImage), &T::SetSliderImage)
            .AddInteger("Min", &T::Min, &T::SetMin)
            .AddInteger("Max", &T::Max, &T::SetMax)
            .AddInteger("Position", &T::Position, &T::SetPosition)
            .AddEnum("Orientation", ProgressBarOrientationInfo(), &T::Orientation, &T::SetOrientation)
            .AddReference("FileTheme", &T::FileTheme, &T::SetFileTheme)
            .AddEnum("UIStyle", UIStyleInfo(), &T::UIStyle, &T::SetUIStyle)
            .AddBoolean("ShowTick", &T::ShowTick, &T::SetShowTick)
            .AddBoolean("Transparent", &T::Transparent, &T::SetTransparent)
            .AddInteger("PageSize", &T::PageSize, &T::SetPageSize)
            .AddInteger("LineSize", &T::LineSize, &T::SetLineSize)
            .AddEvent("OnChange", &T::OnChange)
            .Register();
    return info;
}

// --- properties ---

void TsuiTrackBar::SetMax(std::int32_t v) {
    if (v == max_) return;
    max_ = std::max(v, min_);
    position_ = std::min(position_, max_);
    PlaceSlider();
}

void TsuiTrackBar::SetMin(std::int32_t v) {
    if (v == min_) return;
    min_ = std::min(v, max_);
    position_ = std::max(position_, min_);
    PlaceSlider();
}

void TsuiTrackBar::SetPosition(std::int32_t v) {
    position_ = std::clamp(v, min_, max_);
    PlaceSlider();
}

void TsuiTrackBar::SetClampedPosition(std::int64_t v) {
    SetPosition(static_cast<std::int32_t>(std::clamp<std::int64_t>(v, min_, max_)));
}

void TsuiTrackBar::SetPageSize(std::int32_t v) {
    if (v >= 0 && v <= max_) pageSize_ = v;
}

void TsuiTrackBar::SetLineSize(std::int32_t v) {
    if (v >= 0 && v <= max_) lineSize_ = v;
}

void TsuiTrackBar::SetOrientation(TsuiProgressBarOrientation o) {
    if (o == orientation_) return;
    orientation_ = o;
    FullUpdate();
}

void TsuiTrackBar::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    FullUpdate();
    if (style == TsuiUIStyle::MacOS) SetTransparent(true);
}

void TsuiTrackBar::SetFileTheme(TsuiFileTheme* theme) {
    fileTheme_.Set(theme);
    SetUIStyle(uiStyle_);
}

void TsuiTrackBar::Notification(fw::Component* c, fw::Operation operation) {
    fw::Panel::Notification(c, operation);
    if (operation == fw::opRemove && fileTheme_.Removed(c) && !IsDestroying()) SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiTrackBar::SetShowTick(bool v) {
    showTick_ = v;
    Invalidate();
}

void TsuiTrackBar::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TsuiTrackBar::SetBarImage(const fw::Picture& picture) {
    barImage_.Assign(picture);  // OnChange: Relayout
}

fw::Picture& TsuiTrackBar::SliderImage() { return slider_->Picture(); }

void TsuiTrackBar::AssignSliderImage(const fw::Picture& picture) {
    slider_->SetPicture(picture);
    // A slider of another size needs the control's cross size and its place worked out again.
    SizeControl();
    PlaceSlider();
}

// --- pictures and layout ---

void TsuiTrackBar::FullUpdate() {
    renderedFrom_.reset();
    UpdateBar();
    Relayout();
}

void TsuiTrackBar::UpdateBar() {
    if (UsesOwnerImages()) return;
    const TsuiStyleValues values = StyleValues();
    auto bar = std::make_shared<fw::Bitmap>();
    values.Bitmap(TsuiThemeElement::TrackBarBarImage, *bar);
    auto slider = std::make_shared<fw::Bitmap>();
    values.Bitmap(Horizontal() ? TsuiThemeElement::TrackBarSliderImage : TsuiThemeElement::TrackBarSliderVImage, *slider);
    // The skin's key colour, not the bitmap's corner pixel: the slider's point is keyed.
    slider->SetTransparentColor(fw::clFuchsia);
    loadingStyle_ = true;
    barImage_.SetGraphic(std::move(bar));
    loadingStyle_ = false;
    // Transparency first, so the slider takes the picture without copying it once more.
    slider_->SetTransparent(IsSliderTransparent());
    slider_->SetAutoSize(true);
    fw::Picture picture;
    picture.SetGraphic(std::move(slider));
    slider_->SetPicture(picture);
}

void TsuiTrackBar::Relayout() {
    if (relayouting_ || slider_ == nullptr) return;
    relayouting_ = true;
    RenderBar();
    SizeControl();
    // The cross size changed the length of a bar aligned to its parent: render it again.
    RenderBar();
    relayouting_ = false;
    PlaceSlider();
}

void TsuiTrackBar::RenderBar() {
    const fw::Bitmap* image = BitmapOf(barImage_);
    const int length = Horizontal() ? Width() : Height();
    if (image == nullptr || image->Empty() || length <= 0) {
        barBitmap_ = fw::Bitmap();
        renderedFrom_.reset();
        Invalidate();
        return;
    }
    if (barBitmap_.Width() == (Horizontal() ? length : image->Height()) &&
        barBitmap_.Height() == (Horizontal() ? image->Height() : length) && renderedFrom_ == barImage_.GetGraphic() &&
        renderedColor_ == GetColor())
        return;
    const fw::Rect r{0, 0, length, image->Height()};
    fw::Bitmap bar(length, image->Height());
    FillRectColor(bar.Canvas(), r, GetColor());
    DrawThreePartBitmap(*image, bar.Canvas(), r, false);
    if (!Horizontal()) RotateBitmapLeft(bar);
    barBitmap_ = std::move(bar);
    renderedFrom_ = barImage_.GetGraphic();
    renderedColor_ = GetColor();
    Invalidate();
}

void TsuiTrackBar::SizeControl() {
    const int bar = barImage_.Height();
    if (Horizontal())
        SetHeight(std::max(bar, slider_->Height()));
    else
        SetWidth(std::max(bar, slider_->Width()));
}

void TsuiTrackBar::PlaceSlider() {
    if (slider_ == nullptr) return;
    const int sw = slider_->Width(), sh = slider_->Height();
    fw::Point p;
    if (Horizontal())
        p = {TrackSliderOffset(position_, min_, max_, Width(), sw), std::max(Height() - sh, 0) / 2};
    else
        p = {std::max(Width() - sw, 0) / 2, TrackSliderOffset(position_, min_, max_, Height(), sh)};
    PlaceControl(slider_, p);
    Invalidate();
    if (position_ != lastPosition_) {
        lastPosition_ = position_;
        OnChange(this);
    }
}

void TsuiTrackBar::Resize() {
    fw::Panel::Resize();
    Relayout();
}

void TsuiTrackBar::ColorChanged() {
    fw::Panel::ColorChanged();
    // The bar's ends show the colour where its picture is fuchsia.
    if (slider_ != nullptr) RenderBar();
}

// --- painting ---

void TsuiTrackBar::Paint() {
    fw::Canvas& canvas = Canvas();
    if (transparent_)
        DrawParentBackground(canvas, this);
    else
        FillRectColor(canvas, ClientRect(), GetColor());
    if (!barBitmap_.Empty()) {
        const int thickness = barImage_.Height();
        if (Horizontal())
            canvas.Draw(0, (Height() - thickness) / 2, barBitmap_);
        else
            canvas.Draw((Width() - thickness) / 2, 0, barBitmap_);
    }
    if (Focused() && TabStop()) {
        canvas.Brush().SetColor(GetColor());
        canvas.DrawFocusRect(ClientRect());
    }
    if (showTick_) {
        canvas.Pen().SetColor(fw::clBlack);
        canvas.Pen().SetWidth(1);
        const int w = Width(), h = Height();
        const std::vector<int> ticks = Horizontal() ? TrackTickOffsets(min_, max_, w, slider_->Width())
                                                    : TrackTickOffsets(min_, max_, h, slider_->Height());
        for (int offset : ticks) {
            if (Horizontal()) {
                canvas.MoveTo(offset, h - kTickLength);
                canvas.LineTo(offset, h);
            } else {
                canvas.MoveTo(0, offset);
                canvas.LineTo(kTickLength, offset);
                canvas.MoveTo(w - kTickLength, offset);
                canvas.LineTo(w, offset);
            }
        }
    }
}

// --- mouse and keys ---

std::int64_t TsuiTrackBar::PositionAt(int x, int y) const {
    if (Horizontal()) return TrackPositionFromPoint(x, min_, max_, Width(), slider_->Width());
    return TrackPositionFromPoint(y, min_, max_, Height(), slider_->Height());
}

void TsuiTrackBar::PageToward(int x, int y, std::int64_t step) {
    const int pointer = Horizontal() ? x : y;
    const int corner = Horizontal() ? slider_->Left() : slider_->Top();
    const std::int64_t under = PositionAt(x, y);
    if (pointer > corner)
        SetClampedPosition(std::min<std::int64_t>(position_ + step, under));
    else if (pointer < corner)
        SetClampedPosition(std::max<std::int64_t>(position_ - step, under));
}

void TsuiTrackBar::StartDrag() {
    dragging_ = true;
    if (CanFocus() && Enabled()) SetFocus();
    SetCapture(Handle());
}

void TsuiTrackBar::StopPaging() {
    if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
}

bool TsuiTrackBar::Paging() const { return repeatTimer_ != nullptr && repeatTimer_->Enabled(); }

void TsuiTrackBar::MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    fw::Panel::MouseDown(button, shift, x, y);
    if (button != fw::MouseButton::Left) return;
    PageToward(x, y, pageSize_);
    if (!Paging()) {
        if (repeatTimer_ == nullptr) {
            repeatTimer_ = std::make_unique<fw::Timer>(nullptr, false);
            repeatTimer_->SetInterval(kRepeatInterval);
            repeatTimer_->OnTimer = [this](fw::Component*) {
                POINT cursor;
                if (!GetCursorPos(&cursor)) return;
                const fw::Point p = ScreenToClient(fw::Point{cursor.x, cursor.y});
                const std::int64_t pages = Horizontal() ? kHorizontalRepeatPages : 1;
                PageToward(p.X, p.Y, pages * pageSize_);
            };
        }
        repeatTimer_->SetEnabled(true);
    }
    if (CanFocus() && Enabled()) SetFocus();
}

void TsuiTrackBar::MouseMove(fw::ShiftState shift, int x, int y) {
    fw::Panel::MouseMove(shift, x, y);
    if (dragging_) {
        position_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(PositionAt(x, y), min_, max_));
        PlaceSlider();
    } else if (!InRect(x, y, ClientRect())) {
        StopPaging();
    }
}

void TsuiTrackBar::MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) {
    StopPaging();
    dragging_ = false;
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    fw::Panel::MouseUp(button, shift, x, y);
}

void TsuiTrackBar::WMCaptureChanged(fw::Message& m) {
    // Another window took the mouse (a menu, a dialog): the press is over.
    if (reinterpret_cast<HWND>(m.lParam) != Handle()) {
        StopPaging();
        dragging_ = false;
    }
    fw::Panel::WMCaptureChanged(m);
}

void TsuiTrackBar::KeyDown(int& key, fw::ShiftState shift) {
    fw::Panel::KeyDown(key, shift);
    const std::int64_t p = position_;
    switch (key) {
    case VK_PRIOR: SetClampedPosition(p - pageSize_); break;
    case VK_NEXT: SetClampedPosition(p + pageSize_); break;
    case VK_END: SetPosition(max_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_LEFT:
    case VK_UP: SetClampedPosition(p - lineSize_); break;
    case VK_RIGHT:
    case VK_DOWN: SetClampedPosition(p + lineSize_); break;
    default: break;
    }
}

void TsuiTrackBar::WMSetFocus(fw::Message& m) {
    fw::Panel::WMSetFocus(m);
    Invalidate();
}

void TsuiTrackBar::WMKillFocus(fw::Message& m) {
    fw::Panel::WMKillFocus(m);
    Invalidate();
}

void TsuiTrackBar::WMGetDlgCode(fw::Message& m) {
    m.result = DLGC_WANTARROWS;
}

// --- TsuiScrollTrackBar ---

TsuiScrollTrackBar::TsuiScrollTrackBar(fw::Component* owner) : TsuiTrackBar(owner, true) {}

const fw::ClassInfo& TsuiScrollTrackBar::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiScrollTrackBar>("TsuiScrollTrackBar", TsuiTrackBar::StaticClass()).Register();
    return info;
}

bool TsuiScrollTrackBar::SliderVisible() const { return Slider()->Visible(); }

void TsuiScrollTrackBar::SetSliderVisible(bool visible) { Slider()->SetVisible(visible); }

void TsuiScrollTrackBar::SetSliderAutoSize() { Slider()->SetAutoSize(true); }
