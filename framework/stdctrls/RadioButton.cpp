#include "framework/stdctrls/RadioButton.h"

#include "framework/core/ClassBuilder.h"

namespace fw {

RadioButton::RadioButton(Component* owner) : ButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
}

const ClassInfo& RadioButton::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<RadioButton>("TRadioButton", ButtonControl::StaticClass())
            .AddBoolean("Checked", &RadioButton::Checked, &RadioButton::SetChecked)
            .AddEnum("Alignment", AlignmentInfo(), &RadioButton::Alignment, &RadioButton::SetAlignment)
            .AddBoolean("Transparent", &RadioButton::Transparent, &RadioButton::SetTransparent)
            .Register();
    return info;
}

void RadioButton::CreateParams(WindowParams& params) {
    ButtonControl::CreateParams(params);
    // Not the automatic kind: the window never changes the state behind our back.
    params.style |= BS_RADIOBUTTON;
    if (alignment_ == fw::Alignment::LeftJustify) params.style |= BS_LEFTTEXT;
}

void RadioButton::HandleCreated() {
    ButtonControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void RadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v || Parent() == nullptr) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<RadioButton*>(Parent()->Controls(i)); other != nullptr && other != this)
            other->SetChecked(false);
}

void RadioButton::SetAlignment(fw::Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    RecreateWnd();
}

void RadioButton::Click() {
    SetChecked(true);
    ButtonControl::Click();
}

} // namespace fw
