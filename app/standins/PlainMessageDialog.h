#pragma once
// A non-visual component standing in for the skinned message dialog: ShowModal builds a plain
// dialog window with the text and one to three buttons, shows it modally, destroys it and
// returns the modal result of the button that closed it (mrCancel, 2, when the window was
// closed otherwise). It publishes the skinned dialog's names, so a description configures
// either the same way.

#include "framework/core/Component.h"
#include "framework/core/Font.h"
#include "framework/forms/Form.h"

#include <string>

class TPlainMessageDialog : public fw::Component {
public:
    explicit TPlainMessageDialog(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    fw::Position GetPosition() const { return position_; }
    void SetPosition(fw::Position p) { position_ = p; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& gbk) { caption_ = gbk; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& gbk) { text_ = gbk; }
    int ButtonCursor() const { return buttonCursor_; }
    void SetButtonCursor(int cursor) { buttonCursor_ = cursor; }
    fw::Font& Font() { return font_; }
    fw::Font& CaptionFont() { return captionFont_; }
    int ButtonCount() const { return buttonCount_; }
    // 1 to 3; other values are ignored.
    void SetButtonCount(int count);
    const std::string& ButtonCaption(int n) const { return buttons_[Slot(n)].caption; }
    void SetButtonCaption(int n, const std::string& gbk) { buttons_[Slot(n)].caption = gbk; }
    int ButtonModalResult(int n) const { return buttons_[Slot(n)].modalResult; }
    void SetButtonModalResult(int n, int result) { buttons_[Slot(n)].modalResult = result; }

    // Shows the dialog and returns the modal result that closed it.
    int ShowModal();

private:
    struct ButtonSetting {
        std::string caption;
        int modalResult;
    };
    // Index of button 1..3 (anything else names button 1).
    static size_t Slot(int n) { return n >= 1 && n <= 3 ? static_cast<size_t>(n - 1) : 0; }

    fw::Position position_ = fw::Position::ScreenCenter;
    std::string caption_ = "suiDialog";
    std::string text_ = "Hello world!";
    int buttonCursor_ = -21;
    fw::Font font_;
    fw::Font captionFont_;
    int buttonCount_ = 1;
    ButtonSetting buttons_[3] = {{"OK", fw::mrOk}, {"Cancel", fw::mrCancel}, {"Cancel", fw::mrCancel}};
};
