#pragma once
// The skin's group box: a titled frame drawn in the style's border colour with the caption at
// its top left. Its style goes to every child control that has one, and its enabled state to
// every direct child. The caption is kept apart from the window text (one blank), so that the
// panel underneath draws no text of its own.

#include "framework/core/ComponentRef.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/styles/SUIStyleValues.h"
#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemeTable.h"

#include <string>

class TsuiCustomGroupBox : public TsuiCustomPanel {
public:
    explicit TsuiCustomGroupBox(fw::Component* owner);
    ~TsuiCustomGroupBox() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    fw::Color BorderColor() const { return borderColor_; }
    void SetBorderColor(fw::Color c);
    // The drawn caption; hides the control's Caption, which stays the window text.
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& gbk);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_.Get(); }
    // Stores the reference and applies the current UIStyle again with it.
    void SetFileTheme(TsuiFileTheme* theme);

    void Notification(fw::Component* c, fw::Operation operation) override;

protected:
    // Passes the style to the child controls, then takes BorderColor and the font colour
    // from it.
    virtual void ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme);

    void Paint() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void TextChanged() override;
    // Clear of the frame: 3 pixels left, right and below, the caption's height plus 5 above.
    void AdjustClientRect(fw::Rect& r) const override;

    TsuiStyleValues StyleValues() const { return TsuiStyleValues(fileTheme_.Get(), uiStyle_); }

private:
    fw::Color borderColor_ = fw::clBlack;
    std::string caption_;
    fw::ComponentRef<TsuiFileTheme> fileTheme_;
    TsuiUIStyle uiStyle_ = TsuiUIStyle::DeepBlue;
};
