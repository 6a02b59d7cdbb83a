#pragma once
// The skin's push buttons, check box and radio button. All draw themselves completely (no
// native button) through the framework's double buffer, in the look of their UIStyle, and take
// their pictures from the style's elements through TsuiStyleValues.
//
// TsuiCustomButton keeps the button states (mouse over, pressed by the mouse or the keyboard),
// picks the state's picture, clicks on a release inside, gives its form a modal result,
// answers Return and Escape as the Default and Cancel button, and fires an auto-repeat event
// while the left button is held. TsuiButton draws a frame of ButtonImage stretched over itself
// with an optional glyph; TsuiImageButton draws four pictures of its own.
//
// TsuiCheckBox draws a frame of CheckBoxImage followed by its caption; TsuiRadioButton takes
// RadioButtonImage and unchecks the other radio buttons of its group on the same parent.

#include "framework/controls/CustomControl.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/Picture.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <memory>
#include <string>

namespace fw {
class Bitmap;
class Canvas;
class EnumInfo;
class Timer;
} // namespace fw

class TsuiCustomButton : public fw::CustomControl {
public:
    explicit TsuiCustomButton(fw::Component* owner);
    ~TsuiCustomButton() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // Written into the containing form's ModalResult on every click, 0 included.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    // Stores the reference and applies the current UIStyle again with it.
    void SetFileTheme(TsuiFileTheme* theme);
    // Milliseconds between OnMouseContinuouslyDown events while the left button is held; a
    // negative value counts as 0, which fires none.
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int ms) { repeatInterval_ = ms; }

    bool MouseIn() const { return mouseOver_; }
    bool Pressed() const { return pressed_; }
    bool PicTransparent() const { return picTransparent_; }

    // Ends a press, takes the focus (a tab stop that can), gives the containing form the modal
    // result and runs OnClick.
    void Click() override;
    // Return clicks a Default button and Escape a Cancel button, with no Shift, Ctrl or Alt.
    bool DialogKey(int key, fw::ShiftState shift) override;
    // The caption's accelerator ('&x') clicks an enabled, visible button.
    bool DialogChar(char ch) override;
    void Notification(fw::Component* c, fw::Operation operation) override;

    fw::NotifyEvent OnMouseExit;
    fw::NotifyEvent OnMouseContinuouslyDown;

protected:
    // Reactions to property changes, in this order, overridden by the concrete buttons.
    virtual void AutoSizeChanged();
    virtual void CaptionChanged() {}
    void FontChanged() override;
    virtual void TransparentChanged();
    void EnabledChanged() override;
    virtual void UIStyleChanged() {}
    // The face picture at (0, 0), masked by its top-left colour when PicTransparent, greyed
    // when disabled.
    virtual void PaintPic(fw::Canvas& canvas, fw::Bitmap& picture);
    // The caption centred in one line; pressed moves it by (1, 1), disabled draws it etched.
    virtual void PaintText(fw::Canvas& canvas, const std::string& caption);
    // The dotted focus rectangle 2 pixels inside the button.
    virtual void PaintFocus(fw::Canvas& canvas);
    // Frames 1, 2, 3 and 1 of the style's ButtonImage.
    virtual void GetNormalPic(fw::Bitmap& bitmap);
    virtual void GetMouseOnPic(fw::Bitmap& bitmap);
    virtual void GetMouseDownPic(fw::Bitmap& bitmap);
    virtual void GetDisabledPic(fw::Bitmap& bitmap);

    void Paint() override;
    // The caption is the window text: a new one is drawn at once.
    void TextChanged() override;
    void MouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void MouseMove(fw::ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, fw::ShiftState shift) override;
    void KeyUp(int& key, fw::ShiftState shift) override;
    void WMSetFocus(fw::Message& m) override;
    void WMKillFocus(fw::Message& m) override;
    void WMGetDlgCode(fw::Message& m) override;

    TsuiStyleValues StyleValues() { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }
    // One-shot request of the focus painting: the next caption is drawn bold.
    bool boldCaption_ = false;

private:
    void StopRepeat();

    bool autoSize_ = false;
    bool cancel_ = false;
    bool default_ = false;
    bool transparent_ = false;
    bool picTransparent_ = false;
    int modalResult_ = 0;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    int repeatInterval_ = 100;
    bool mouseOver_ = false;
    bool pressed_ = false;
    // Made on the first press, running only while the left button is held.
    std::unique_ptr<fw::Timer> repeatTimer_;
};

enum class TsuiButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where the glyph and the caption of a TsuiButton go (truncating divisions), from the button,
// caption and glyph sizes; a two-state glyph (twice as wide as high) counts one image wide.
struct TsuiGlyphPlacement {
    fw::Point Glyph;
    fw::Point Text;
};
TsuiGlyphPlacement PlaceGlyph(TsuiButtonLayout layout, fw::Size button, fw::Size text, fw::Size glyph, int spacing);

class TsuiButton : public TsuiCustomButton {
public:
    explicit TsuiButton(fw::Component* owner);
    ~TsuiButton() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& LayoutInfo();

    // A bitmap; one twice as wide as high holds an enabled and a disabled image side by side.
    fw::Picture& Glyph() { return glyph_; }
    void SetGlyph(const fw::Picture& glyph) { glyph_.Assign(glyph); }
    TsuiButtonLayout Layout() const { return layout_; }
    void SetLayout(TsuiButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int pixels);
    // The caption's origin found by the latest glyph layout.
    int TextX() const { return textX_; }
    int TextY() const { return textY_; }

protected:
    // Transparent follows the style's ButtonTransparentBool.
    void UIStyleChanged() override;
    // The face stretched in nine pieces over the button, then the glyph.
    void PaintPic(fw::Canvas& canvas, fw::Bitmap& picture) override;
    // With a glyph the caption goes to (TextX, TextY); without, it is centred.
    void PaintText(fw::Canvas& canvas, const std::string& caption) override;
    // MacOS and BlueGlass show the focus by a bold caption instead of a rectangle.
    void PaintFocus(fw::Canvas& canvas) override;

private:
    const fw::Bitmap* GlyphBitmap() const;

    fw::Picture glyph_;
    TsuiButtonLayout layout_ = TsuiButtonLayout::blGlyphLeft;
    int textX_ = 0;
    int textY_ = 0;
    int spacing_ = 4;
};

class TsuiImageButton : public TsuiCustomButton {
public:
    explicit TsuiImageButton(fw::Component* owner);
    ~TsuiImageButton() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // The mouse-on, mouse-down and disabled pictures fall back to PicNormal when empty.
    fw::Picture& PicNormal() { return pictures_[0]; }
    fw::Picture& PicMouseOn() { return pictures_[1]; }
    fw::Picture& PicMouseDown() { return pictures_[2]; }
    fw::Picture& PicDisabled() { return pictures_[3]; }
    void SetPicNormal(const fw::Picture& p) { SetPicture(0, p); }
    void SetPicMouseOn(const fw::Picture& p) { SetPicture(1, p); }
    void SetPicMouseDown(const fw::Picture& p) { SetPicture(2, p); }
    void SetPicDisabled(const fw::Picture& p) { SetPicture(3, p); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool DrawFocused() const { return drawFocused_; }
    void SetDrawFocused(bool v);
    // The pictures are the button's own: its style always reads FromThemeFile.
    TsuiUIStyle ImageUIStyle() const { return TsuiUIStyle::FromThemeFile; }

protected:
    // The size of PicNormal, once the button has a parent.
    void AutoSizeChanged() override;
    void PaintPic(fw::Canvas& canvas, fw::Bitmap& picture) override;
    void PaintFocus(fw::Canvas& canvas) override;
    void GetNormalPic(fw::Bitmap& bitmap) override;
    void GetMouseOnPic(fw::Bitmap& bitmap) override;
    void GetMouseDownPic(fw::Bitmap& bitmap) override;
    void GetDisabledPic(fw::Bitmap& bitmap) override;

private:
    void SetPicture(int index, const fw::Picture& picture);
    // Picture `index`, or PicNormal when it is empty; nothing when both are.
    void CopyPicture(int index, fw::Bitmap& bitmap) const;

    fw::Picture pictures_[4];
    bool stretch_ = false;
    bool drawFocused_ = false;
};

enum class TsuiCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TsuiCheckBox : public fw::CustomControl {
public:
    explicit TsuiCheckBox(fw::Component* owner);
    ~TsuiCheckBox() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& StateInfo();

    bool Checked() const { return checked_; }
    // Does not run OnClick; an unchanged value changes nothing.
    void SetChecked(bool v);
    // A view of Checked: cbGrayed unchecks.
    TsuiCheckBoxState State() const { return checked_ ? TsuiCheckBoxState::cbChecked : TsuiCheckBoxState::cbUnchecked; }
    void SetState(TsuiCheckBoxState state) { SetChecked(state == TsuiCheckBoxState::cbChecked); }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // Box plus caption, re-measured at every paint.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    // Takes the focus when it can, toggles and runs OnClick.
    void Click() override;
    bool DialogChar(char ch) override;
    void Notification(fw::Component* c, fw::Operation operation) override;

protected:
    // In this order, overridden by TsuiRadioButton.
    virtual bool IsPicTransparent() const { return false; }
    virtual TsuiThemeElement GetPicElement() const { return TsuiThemeElement::CheckBoxImage; }
    virtual void CheckedChanged() {}
    virtual void AfterToggle() {}
    virtual void Toggle();

    void Loaded() override;
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    void KeyUp(int& key, fw::ShiftState shift) override;
    void WndProc(fw::Message& m) override;
    void WMSetFocus(fw::Message& m) override;
    void WMKillFocus(fw::Message& m) override;
    void WMGetDlgCode(fw::Message& m) override;

private:
    // The box for the current state in the current look; empty when it cannot be had.
    fw::Bitmap BoxPicture();
    // With AutoSize, takes the size of the box and the caption.
    void FitToContent();

    bool checked_ = false;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    bool transparent_ = false;
    bool autoSize_ = true;
    // What the last fit measured, so that the many property changes of a restyle that do not
    // touch the box or the caption cost nothing.
    struct FitInputs {
        TsuiUIStyle style = TsuiUIStyle::FromThemeFile;
        const TsuiFileTheme* theme = nullptr;
        int pictureIndex = 0;
        std::string caption;
        fw::Font font;
        bool valid = false;
    };
    FitInputs fitted_;
};

class TsuiRadioButton : public TsuiCheckBox {
public:
    explicit TsuiRadioButton(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    // Radio buttons of one parent with the same GroupIndex exclude each other.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }

protected:
    bool IsPicTransparent() const override { return true; }
    TsuiThemeElement GetPicElement() const override { return TsuiThemeElement::RadioButtonImage; }
    // Becoming checked unchecks the group's other buttons.
    void CheckedChanged() override;
    // A click only checks.
    void Toggle() override;

private:
    int groupIndex_ = 0;
};
