#pragma once
// The skinned scroll bar: two arrow TsuiImageButtons and a TsuiScrollTrackBar between them,
// whose slider picture the bar builds from three slices of the style's slider image (a head
// and a tail at natural size, the body stretched between). The value model (Min, Max,
// Position, PageSize, OnChange) lives in the track; the bar forwards to it. The arrows step by
// SmallChange every 100 ms while held, the first step 100 ms after the press.
//
// The slider is LineButton pixels long (at least 18) when LineButton is above 0, otherwise
// PageSize percent of the track (10 % for a PageSize outside 10..100). A vertical bar shows the
// style's pictures as they are; a horizontal one turns the arrows a quarter left.

#include "framework/core/ComponentRef.h"
#include "framework/core/Event.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Panel.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <cstdint>

class TsuiImageButton;

class TsuiScrollBar : public fw::Panel {
    // Declared first: the forwarded OnChange below refers into the track.
    fw::Bitmap sliderHead_;
    fw::Bitmap sliderBody_;
    fw::Bitmap sliderTail_;
    TsuiScrollTrackBar* track_;

public:
    explicit TsuiScrollBar(fw::Component* owner);
    ~TsuiScrollBar() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Forwarded to the track, which keeps Min <= Position <= Max.
    std::int32_t Min() const;
    void SetMin(std::int32_t v);
    std::int32_t Max() const;
    void SetMax(std::int32_t v);
    std::int32_t Position() const;
    // Clamped by the track; OnChange fires when the position changed.
    void SetPosition(std::int32_t v);
    std::int32_t PageSize() const;
    // The track ignores values outside 0..Max; the slider is rebuilt at once.
    void SetPageSize(std::int32_t v);
    // The track's page step, 16 bits wide; writing it leaves the slider as it is until it is
    // rebuilt.
    std::int16_t LargeChange() const;
    void SetLargeChange(std::int16_t v);
    // Step of the arrows, 1 to 32767; other values are held to that range.
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v);
    // Fixed slider length in pixels (0: proportional to PageSize). Values longer than the room
    // between the arrows are ignored; values from 1 to 17 become 18 as the slider is rebuilt.
    int LineButton() const { return lineButton_; }
    void SetLineButton(int v);
    TsuiProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TsuiProgressBarOrientation o);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    // Stores the reference and applies the current UIStyle again with it.
    void SetFileTheme(TsuiFileTheme* theme);

    // Hides the slider while nothing can be scrolled.
    bool SliderVisible() const;
    void SetSliderVisible(bool visible);

    TsuiScrollTrackBar* Track() const { return track_; }
    TsuiImageButton* IncButton() const { return incButton_; }
    TsuiImageButton* DecButton() const { return decButton_; }
    const fw::Bitmap& SliderHead() const { return sliderHead_; }

    void Notification(fw::Component* c, fw::Operation operation) override;

    // The track's own event: the sender is the track.
    fw::NotifyEvent& OnChange;

protected:
    void Resize() override;
    void ColorChanged() override;

private:
    bool Vertical() const { return orientation_ == TsuiProgressBarOrientation::suiVertical; }
    // The style's colour, slider slices and arrow pictures, turned for the orientation.
    void ReloadPictures();
    // Arrows at the ends, the track between them, then the slider.
    void Layout();
    void RebuildSlider();
    void Step(int direction);

    TsuiImageButton* incButton_ = nullptr;
    TsuiImageButton* decButton_ = nullptr;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiProgressBarOrientation orientation_ = TsuiProgressBarOrientation::suiHorizontal;
    int smallChange_ = 1;
    int lineButton_ = 0;
    bool layingOut_ = false;
};
