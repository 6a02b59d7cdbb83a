#include "framework/stdctrls/Button.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace fw {

Button::Button(Component* owner) : ButtonControl(owner) { SetBounds(0, 0, 75, 25); }

const ClassInfo& Button::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<Button>("TButton", ButtonControl::StaticClass())
            .AddBoolean("Default", &Button::Default, &Button::SetDefault)
            .AddBoolean("Cancel", &Button::Cancel, &Button::SetCancel)
            .AddInteger("ModalResult", &Button::ModalResult, &Button::SetModalResult, &Form::ModalResultInfo())
            .Register();
    return info;
}

void Button::CreateParams(WindowParams& params) {
    ButtonControl::CreateParams(params);
    params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::Click() {
    if (modalResult_ != mrNone)
        if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
    ButtonControl::Click();
}

bool Button::DialogKey(int key, ShiftState shift) {
    if (shift == 0 && ((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
        Click();
        return true;
    }
    return ButtonControl::DialogKey(key, shift);
}

} // namespace fw
