#pragma once
// The skinned slider control. TsuiTrackBar draws the style's bar picture across itself and
// moves a child TsuiImagePanel, the slider, along it for Position in Min..Max. The slider is
// dragged with the mouse; a left press on the bar beside it pages toward the pointer (and keeps
// paging every 100 ms while held, never past the pointer); the arrow, page and Home/End keys
// step it. OnChange fires whenever the position shown differs from the one last reported.
//
// TsuiScrollTrackBar is the track of the skinned scroll bar: it loads no style pictures, the
// scroll bar gives it its slider picture.

#include "framework/core/ComponentRef.h"
#include "framework/core/Event.h"
#include "framework/core/Picture.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Panel.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <cstdint>
#include <memory>

namespace fw {
class EnumInfo;
class Timer;
} // namespace fw

class TsuiImagePanel;

enum class TsuiProgressBarOrientation { suiHorizontal, suiVertical };

// Value names of TsuiProgressBarOrientation for "Orientation" properties.
const fw::EnumInfo& ProgressBarOrientationInfo();

class TsuiTrackBar : public fw::Panel {
public:
    explicit TsuiTrackBar(fw::Component* owner);
    ~TsuiTrackBar() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    std::int32_t Min() const { return min_; }
    // Above Max it becomes Max; Position is pulled into the range.
    void SetMin(std::int32_t v);
    std::int32_t Max() const { return max_; }
    // Below Min it becomes Min; Position is pulled into the range.
    void SetMax(std::int32_t v);
    std::int32_t Position() const { return position_; }
    // Clamped to Min..Max; the slider is placed again even when the value is unchanged.
    void SetPosition(std::int32_t v);
    // Both accept only 0..Max; other values are ignored.
    std::int32_t PageSize() const { return pageSize_; }
    void SetPageSize(std::int32_t v);
    std::int32_t LineSize() const { return lineSize_; }
    void SetLineSize(std::int32_t v);

    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TsuiProgressBarOrientation o);
    // MacOS also turns Transparent on (other styles leave it as it is).
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    // Stores the reference and applies the current UIStyle again with it.
    void SetFileTheme(TsuiFileTheme* theme);
    bool ShowTick() const { return showTick_; }
    void SetShowTick(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    // The unrotated bar picture; its height is the bar's thickness. A picture assigned here is
    // drawn until the next style or orientation change loads the style's again.
    fw::Picture& BarImage() { return barImage_; }
    void SetBarImage(const fw::Picture& picture);
    fw::Picture& SliderImage();
    void SetSliderImage(const fw::Picture& picture) { AssignSliderImage(picture); }

    TsuiImagePanel* Slider() const { return slider_; }
    // The bar picture at the control's length (turned for a vertical bar), as painted.
    const fw::Bitmap& BarBitmap() const { return barBitmap_; }
    bool Dragging() const { return dragging_; }
    // True while a press on the bar pages toward the pointer.
    bool Paging() const;

    void Notification(fw::Component* c, fw::Operation operation) override;

    fw::NotifyEvent OnChange;

protected:
    // ownerImages: the derived class shows pictures it is given and loads no style pictures,
    // not even while it is being constructed.
    TsuiTrackBar(fw::Component* owner, bool ownerImages);

    // Copies the picture into the slider, sizes the control to it and places the slider.
    virtual void AssignSliderImage(const fw::Picture& picture);
    // Loads the style's bar and slider pictures (nothing when UsesOwnerImages) and renders the bar.
    virtual void UpdateBar();
    virtual bool UsesOwnerImages() const { return false; }
    virtual bool IsSliderTransparent() const { return orientation_ == TsuiProgressBarOrientation::suiHorizontal; }

    void Paint() override;
    void Resize() override;
    void ColorChanged() override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void KeyDown(int& key, fw::ShiftState shift) override;
    void WMSetFocus(fw::Message& m) override;
    void WMKillFocus(fw::Message& m) override;
    void WMGetDlgCode(fw::Message& m) override;
    void WMCaptureChanged(fw::Message& m) override;

    bool Horizontal() const { return orientation_ == TsuiProgressBarOrientation::suiHorizontal; }
    // Renders the bar at the current length, sizes the control across and places the slider.
    void Relayout();

private:
    TsuiStyleValues StyleValues() const { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }
    // Style pictures, then the layout.
    void FullUpdate();
    void RenderBar();
    void SizeControl();
    // Moves the slider to Position and reports a position not reported yet.
    void PlaceSlider();
    std::int64_t PositionAt(int x, int y) const;
    // One page step toward the pointer at (x, y), by `step`, never past the pointer's position.
    void PageToward(int x, int y, std::int64_t step);
    void StartDrag();
    void StopPaging();
    void SetClampedPosition(std::int64_t v);

    fw::Picture barImage_;
    std::unique_ptr<fw::Timer> repeatTimer_;
    TsuiImagePanel* slider_ = nullptr;
    std::int32_t min_ = 0;
    std::int32_t max_ = 10;
    std::int32_t position_ = 0;
    std::int32_t lastPosition_ = 0;
    TsuiProgressBarOrientation orientation_ = TsuiProgressBarOrientation::suiHorizontal;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    bool showTick_ = true;
    bool transparent_ = false;
    bool dragging_ = false;
    std::int32_t pageSize_ = 2;
    std::int32_t lineSize_ = 1;
    fw::Bitmap barBitmap_;
    // What barBitmap_ was rendered from, so a relayout at the same size renders nothing.
    std::shared_ptr<fw::Graphic> renderedFrom_;
    fw::Color renderedColor_ = 0;
    bool relayouting_ = false;
    bool loadingStyle_ = false;
};

class TsuiScrollTrackBar : public TsuiTrackBar {
public:
    explicit TsuiScrollTrackBar(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    void SetSliderAutoSize();

protected:
    bool UsesOwnerImages() const override { return true; }
    bool IsSliderTransparent() const override { return false; }
};
