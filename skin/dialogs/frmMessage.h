#pragma once
// The message dialog's window, read from its designed description "TFRMMSG": a skinned form
// holding the text label and the icon image. The message dialog component fills it in,
// adds the buttons and shows it.

#include "framework/forms/Form.h"

namespace fw {
class Image;
class Label;
} // namespace fw

class TsuiForm;

class TfrmMsg : public fw::Form {
public:
    // Reads the description.
    explicit TfrmMsg(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    TsuiForm* suiForm1 = nullptr;
    fw::Label* lbl = nullptr;
    fw::Image* Image1 = nullptr;

    void Loaded() override;
};
