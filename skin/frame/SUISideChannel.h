#pragma once
// A panel docked to the left or right edge of its parent that normally shows only a 10-pixel
// side bar with a grip. Clicking the bar (or moving the mouse over it, in the other mode)
// opens it to its full width with a caption bar and the controls placed on it; about a second
// after the mouse has left it closes again, unless the pin in its caption bar is down.
//
// While closed, nothing inside can take the focus; closing it while a control inside has the
// focus moves the focus to the window's first tab stop, so the keyboard never rests on a
// control nobody sees.

#include "framework/core/ComponentRef.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/Panel.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

namespace fw {
class EnumInfo;
class SpeedButton;
class Timer;
} // namespace fw

enum class TsuiSideChannelAlign { suiLeft, suiRight };
enum class TsuiSideChannelPopupMode { suiMouseOn, suiMouseClick };

class TsuiSideChannel : public fw::Panel {
public:
    static constexpr int SideBarWidth = 10;
    // Each step of the slide when QuickMove is off.
    static constexpr int SlideStep = 15;
    // An open channel is never resized narrower than this.
    static constexpr int MinOpenWidth = 50;

    explicit TsuiSideChannel(fw::Component* owner);
    ~TsuiSideChannel() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& SideAlignInfo();
    static const fw::EnumInfo& PopupModeInfo();

    // The open width, published as "Width"; an open channel takes it at once.
    int ExpandedWidth() const { return expandedWidth_; }
    void SetExpandedWidth(int width);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color c);
    fw::Color SideBarColor() const { return sideBarColor_; }
    void SetSideBarColor(fw::Color c);
    // The colour of Font, which child controls using the parent font inherit; the caption
    // itself is drawn in CaptionColor.
    fw::Color CaptionFontColor() const { return Font().Color(); }
    void SetCaptionFontColor(fw::Color c);
    fw::Color CaptionColor() const { return captionColor_; }
    TsuiSideChannelAlign SideAlign() const { return sideAlign_; }
    // Docks the channel to the parent's right or left edge.
    void SetSideAlign(TsuiSideChannelAlign a);
    bool StayOn() const { return stayOn_; }
    // True opens the channel and presses the pin; false releases it and closes the channel.
    void SetStayOn(bool v);
    TsuiSideChannelPopupMode PopupMode() const { return popupMode_; }
    void SetPopupMode(TsuiSideChannelPopupMode m) { popupMode_ = m; }
    // Open and close in one step instead of sliding.
    bool QuickMove() const { return quickMove_; }
    void SetQuickMove(bool v) { quickMove_ = v; }

    bool Opened() const { return opened_; }
    bool Moving() const { return moving_; }
    fw::SpeedButton* PinButton() const { return pin_; }
    fw::Timer* AutoCloseTimer() const { return timer_; }

    // Opening and closing; the mouse, the timer and StayOn run them. Without `quick` the
    // width changes step by step, and other messages run between the steps.
    void Pop(bool quick);
    void Push(bool quick);
    // A tick of the auto-close timer: closes the channel unless the cursor is inside it.
    void AutoCloseCheck();

    // A width change of the open channel below MinOpenWidth is refused.
    void SetBounds(int left, int top, int width, int height) override;
    bool ChildrenFocusable() const override { return opened_; }
    void Notification(fw::Component* c, fw::Operation operation) override;

    fw::NotifyEvent OnPop;
    fw::NotifyEvent OnPush;

protected:
    void Paint() override;
    void Resize() override;
    // Clear of the side bar and the caption bar.
    void AdjustClientRect(fw::Rect& r) const override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;

private:
    void PinClick();
    // Redraws the channel now.
    void Redraw();
    // The focus leaves the closed channel for the window's first tab stop: at once when the
    // system's focus is inside, else the next time the window is activated.
    void ReturnFocus(bool moveFocusNow);
    bool FocusInside() const;
    bool ActiveControlInside() const;

    fw::SpeedButton* pin_ = nullptr;
    fw::Timer* timer_ = nullptr;
    fw::Bitmap barBitmap_;
    fw::Bitmap handleBitmap_;
    bool moving_ = false;
    bool opened_ = false;
    int expandedWidth_ = 0;
    fw::Color captionColor_ = fw::clBlack;
    fw::Color borderColor_ = fw::clBlack;
    fw::Color sideBarColor_ = fw::clBtnFace;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiSideChannelAlign sideAlign_ = TsuiSideChannelAlign::suiLeft;
    bool stayOn_ = false;
    TsuiSideChannelPopupMode popupMode_ = TsuiSideChannelPopupMode::suiMouseOn;
    bool quickMove_ = false;
};
