#pragma once
// The plain radio button ("TRadioButton"). A click checks it (an already checked one stays
// checked) and runs OnClick; becoming checked, by a click or the program, unchecks the other
// radio buttons of the same parent. Setting Checked does not run OnClick.

#include "framework/stdctrls/ButtonControl.h"

namespace fw {

class RadioButton : public ButtonControl {
public:
    explicit RadioButton(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    fw::Alignment Alignment() const { return alignment_; }
    void SetAlignment(fw::Alignment a);

    // Checks, then runs OnClick.
    void Click() override;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;

private:
    bool checked_ = false;
    fw::Alignment alignment_ = fw::Alignment::RightJustify;
};

} // namespace fw
