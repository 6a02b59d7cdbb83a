#pragma once
// The plain check box ("TCheckBox") over the system one. A click (mouse, space bar or
// accelerator) toggles it (unchecked, checked, and greyed when AllowGrayed) and then runs
// OnClick; setting Checked or State from the program does not run OnClick. With AutoSize it
// takes the width of box and caption.

#include "framework/stdctrls/ButtonControl.h"

namespace fw {

class CheckBox : public ButtonControl {
public:
    explicit CheckBox(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Checked() const { return state_ == CheckBoxState::Checked; }
    void SetChecked(bool v) { SetState(v ? CheckBoxState::Checked : CheckBoxState::Unchecked); }
    CheckBoxState State() const { return state_; }
    void SetState(CheckBoxState s);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v);
    // Where the caption goes: right of the box (taRightJustify, the default) or left of it.
    fw::Alignment Alignment() const { return alignment_; }
    void SetAlignment(fw::Alignment a);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);

    // Toggles, then runs OnClick.
    void Click() override;
    void Loaded() override;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void TextChanged() override;
    void FontChanged() override;
    // Reacts to a new state (after it is stored and shown); nothing here.
    virtual void StateChanged() {}
    void AdjustSize();

private:
    CheckBoxState state_ = CheckBoxState::Unchecked;
    bool allowGrayed_ = false;
    fw::Alignment alignment_ = fw::Alignment::RightJustify;
    bool autoSize_ = false;
};

} // namespace fw
