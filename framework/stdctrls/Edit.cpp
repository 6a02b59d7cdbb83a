#include "framework/stdctrls/Edit.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

Edit::Edit(Component* owner) : CustomEdit(owner) {}

const ClassInfo& Edit::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Edit>("TEdit", CustomEdit::StaticClass())
            .AddBoolean("AutoSelect", &Edit::AutoSelect, &Edit::SetAutoSelect)
            .AddText("PasswordChar", &Edit::PasswordCharText, &Edit::SetPasswordCharText)
            .Register();
    return info;
}

void Edit::CreateParams(WindowParams& params) {
    CustomEdit::CreateParams(params);
    params.style |= ES_AUTOHSCROLL;
    if (passwordChar_ != 0) params.style |= ES_PASSWORD;
}

void Edit::HandleCreated() {
    CustomEdit::HandleCreated();
    ApplyPasswordChar();
}

void Edit::ApplyPasswordChar() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(passwordChar_)), 0);
    Invalidate();
}

void Edit::SetPasswordChar(char c) {
    if (c == passwordChar_) return;
    passwordChar_ = c;
    ApplyPasswordChar();
}

std::string Edit::PasswordCharText() const { return passwordChar_ == 0 ? std::string() : std::string(1, passwordChar_); }

void Edit::SetPasswordCharText(const std::string& text) {
    if (text.size() > 1 || (text.size() == 1 && static_cast<unsigned char>(text[0]) >= 0x80))
        throw Exception(Format("Invalid value '%s' for property PasswordChar", text.c_str()));
    SetPasswordChar(text.empty() ? 0 : text[0]);
}

void Edit::DoEnter() {
    // A click places the caret itself; only keyboard entry selects everything.
    if (autoSelect_ && HandleAllocated() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    CustomEdit::DoEnter();
}

} // namespace fw
