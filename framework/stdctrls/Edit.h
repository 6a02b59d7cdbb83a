#pragma once
// The single-line edit ("TEdit"). PasswordChar masks what is shown; the text itself stays
// whole (Text() gives every character). AutoSelect selects the whole text when the edit is
// entered from the keyboard.

#include "framework/stdctrls/CustomEdit.h"

namespace fw {

class Edit : public CustomEdit {
public:
    explicit Edit(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool v) { autoSelect_ = v; }
    // The character shown in place of each character of the text; 0 shows the text.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void DoEnter() override;

private:
    // As the description gives it: one character or nothing.
    std::string PasswordCharText() const;
    void SetPasswordCharText(const std::string& text);
    void ApplyPasswordChar();

    bool autoSelect_ = true;
    char passwordChar_ = 0;
};

} // namespace fw
