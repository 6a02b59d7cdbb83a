#include "skin/dialogs/frmMessage.h"

#include "framework/core/ClassBuilder.h"
#include "framework/stdctrls/Image.h"
#include "framework/stdctrls/Label.h"
#include "skin/frame/SUIForm.h"

TfrmMsg::TfrmMsg(fw::Component* owner) : fw::Form(owner) {
    fw::RegisterClasses<TsuiForm, fw::Label, fw::Image>();
    InitializeForm("TFRMMSG");
}

const fw::ClassInfo& TfrmMsg::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TfrmMsg>("TfrmMsg", fw::Form::StaticClass()).Register();
    return info;
}

void TfrmMsg::Loaded() {
    fw::Form::Loaded();
    suiForm1 = dynamic_cast<TsuiForm*>(FindComponent("suiForm1"));
    lbl = dynamic_cast<fw::Label*>(FindComponent("lbl"));
    Image1 = dynamic_cast<fw::Image*>(FindComponent("Image1"));
    if (suiForm1 == nullptr || lbl == nullptr || Image1 == nullptr)
        throw fw::Exception("The message dialog's description lacks its skinned form, label or image");
}
