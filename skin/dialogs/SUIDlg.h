#pragma once
// Skinned dialogs. TsuiDialog holds what they share: where the window opens, its caption,
// look and fonts. TsuiMessageDialog shows a modal skinned message box: each ShowModal builds a
// fresh TfrmMsg window with the text, an optional icon and one to three buttons (button 1 at
// the left, holding the focus), shows it and destroys it again, returning the modal result of
// the button that closed it, or 2 when the window was closed otherwise. No button is a cancel
// button, so Escape does not close it.

#include "framework/core/Component.h"
#include "framework/core/ComponentRef.h"
#include "framework/core/Font.h"
#include "framework/forms/Form.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>

class TfrmMsg;

enum class TsuiIconType { suiNone, suiWarning, suiStop, suiInformation, suiHelp };

class TsuiDialog : public fw::Component {
public:
    explicit TsuiDialog(fw::Component* owner);
    ~TsuiDialog() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    fw::Position GetPosition() const { return position_; }
    void SetPosition(fw::Position p) { position_ = p; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& gbk) { caption_ = gbk; }
    int ButtonCursor() const { return buttonCursor_; }
    void SetButtonCursor(int cursor) { buttonCursor_ = cursor; }
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Takes effect the next time the dialog is shown.
    void SetUIStyle(TsuiUIStyle style) { uiStyle_ = style; }
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    void SetFileTheme(TsuiFileTheme* theme);
    fw::Font& Font() { return font_; }
    void SetFont(const fw::Font& f) { font_.Assign(f); }
    fw::Font& CaptionFont() { return captionFont_; }
    void SetCaptionFont(const fw::Font& f) { captionFont_.Assign(f); }

    // Shows the dialog modally and returns its modal result.
    virtual int ShowModal() = 0;

    void Notification(fw::Component* c, fw::Operation operation) override;

private:
    fw::Position position_ = fw::Position::ScreenCenter;
    std::string caption_ = "suiDialog";
    int buttonCursor_ = -21;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    fw::Font font_;
    fw::Font captionFont_;
};

class TsuiMessageDialog : public TsuiDialog {
public:
    explicit TsuiMessageDialog(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& IconTypeInfo();

    int ButtonCount() const { return buttonCount_; }
    // 1 to 3; other values are refused with fw::Exception.
    void SetButtonCount(int count);
    const std::string& ButtonCaption(int n) const { return buttons_[Slot(n)].caption; }
    void SetButtonCaption(int n, const std::string& gbk) { buttons_[Slot(n)].caption = gbk; }
    int ButtonModalResult(int n) const { return buttons_[Slot(n)].modalResult; }
    void SetButtonModalResult(int n, int result) { buttons_[Slot(n)].modalResult = result; }
    TsuiIconType IconType() const { return iconType_; }
    void SetIconType(TsuiIconType t) { iconType_ = t; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& gbk) { text_ = gbk; }

    int ShowModal() override;

    // Called with the filled window just before it is shown (tests look at it).
    std::function<void(TfrmMsg&)> OnWindowReady;

private:
    struct ButtonSetting {
        std::string caption;
        int modalResult;
    };
    static size_t Slot(int n) { return n >= 1 && n <= 3 ? static_cast<size_t>(n - 1) : 0; }

    int buttonCount_ = 1;
    ButtonSetting buttons_[3] = {{"OK", fw::mrOk}, {"Cancel", fw::mrCancel}, {"Cancel", fw::mrCancel}};
    TsuiIconType iconType_ = TsuiIconType::suiNone;
    std::string text_ = "Hello world!";
};
