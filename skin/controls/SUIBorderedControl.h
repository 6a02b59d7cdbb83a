#pragma once
// What the skinned edit, memo and tree view share: a native control (Base, a framework
// NativeControl) framed by two 1-pixel rings, the outer one in BorderColor and the inner one in
// the control's own Color, over a 2-pixel non-client frame. BorderColor follows the style's
// ControlBorderColor whenever UIStyle or FileTheme is set, so a style change overwrites a colour
// set by hand.
//
// The rings are drawn after the native control paints or erases its client area, and as the
// non-client frame itself, so neither a client repaint nor a frame repaint leaves them out.

#include "framework/core/ComponentRef.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemes.h"

#include <windows.h>

template <class Base>
class TsuiBorderedControl : public Base {
public:
    explicit TsuiBorderedControl(fw::Component* owner) : Base(owner), fileTheme_(*this) {
        Base::SetBorderStyle(fw::ControlBorderStyle::None);
        Base::SetBorderWidth(2);
    }

    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color color) {
        borderColor_ = color;
        RedrawBorder();
    }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style) {
        uiStyle_ = style;
        borderColor_ = StyleValues().Color(TsuiThemeElement::ControlBorderColor);
        UIStyleChanged();
        RedrawBorder();
    }
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme) {
        fileTheme_.Set(theme);
        FileThemeChanged();
        SetUIStyle(uiStyle_);
    }

    void Notification(fw::Component* c, fw::Operation operation) override {
        Base::Notification(c, operation);
        if (operation == fw::opRemove && fileTheme_.Removed(c) && !this->IsDestroying())
            SetUIStyle(TsuiUIStyle::DeepBlue);
    }

    void WndProc(fw::Message& m) override {
        Base::WndProc(m);
        if (m.msg == WM_PAINT || m.msg == WM_ERASEBKGND) DrawControlBorder(this, borderColor_, this->GetColor());
    }

protected:
    // Runs after UIStyle stored the style and its border colour, before the repaint.
    virtual void UIStyleChanged() {}
    virtual void FileThemeChanged() {}

    TsuiStyleValues StyleValues() const { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }
    // The first style, from the owner's skinned form; called by the concrete constructor, once
    // its own parts exist.
    void TakeOwnerStyle(fw::Component* owner) { SetUIStyle(GetSUIFormStyle(owner)); }

    void PaintBorderFrame(HDC, const fw::Rect&, const fw::Rect&) override {
        DrawControlBorder(this, borderColor_, this->GetColor());
    }
    void ColorChanged() override {
        Base::ColorChanged();
        RedrawBorder();
    }

private:
    void RedrawBorder() {
        if (this->HandleAllocated())
            RedrawWindow(this->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    }

    fw::Color borderColor_ = 0;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
};
