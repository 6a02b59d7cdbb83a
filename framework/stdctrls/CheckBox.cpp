#include "framework/stdctrls/CheckBox.h"

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/MeasuringCanvas.h"

namespace fw {

CheckBox::CheckBox(Component* owner) : ButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
}

const ClassInfo& CheckBox::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<CheckBox>("TCheckBox", ButtonControl::StaticClass())
            .AddBoolean("Checked", &CheckBox::Checked, &CheckBox::SetChecked)
            .AddEnum("State", CheckBoxStateInfo(), &CheckBox::State, &CheckBox::SetState)
            .AddBoolean("AllowGrayed", &CheckBox::AllowGrayed, &CheckBox::SetAllowGrayed)
            .AddEnum("Alignment", AlignmentInfo(), &CheckBox::Alignment, &CheckBox::SetAlignment)
            .AddBoolean("AutoSize", &CheckBox::AutoSize, &CheckBox::SetAutoSize)
            .AddBoolean("Transparent", &CheckBox::Transparent, &CheckBox::SetTransparent)
            .Register();
    return info;
}

void CheckBox::CreateParams(WindowParams& params) {
    ButtonControl::CreateParams(params);
    // The window never toggles itself: the state is ours, so a click changes it exactly once.
    params.style |= allowGrayed_ ? BS_3STATE : BS_CHECKBOX;
    if (alignment_ == fw::Alignment::LeftJustify) params.style |= BS_LEFTTEXT;
}

void CheckBox::HandleCreated() {
    ButtonControl::HandleCreated();
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void CheckBox::SetState(CheckBoxState s) {
    if (s == CheckBoxState::Grayed && !allowGrayed_) s = CheckBoxState::Unchecked;
    if (s == state_) return;
    state_ = s;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(s), 0);
    StateChanged();
}

void CheckBox::SetAllowGrayed(bool v) {
    if (v == allowGrayed_) return;
    allowGrayed_ = v;
    if (!v && state_ == CheckBoxState::Grayed) SetState(CheckBoxState::Unchecked);
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, (v ? BS_3STATE : BS_CHECKBOX) |
                                                                   (alignment_ == fw::Alignment::LeftJustify ? BS_LEFTTEXT : 0),
                                        TRUE);
}

void CheckBox::SetAlignment(fw::Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    RecreateWnd();
}

void CheckBox::Click() {
    switch (state_) {
    case CheckBoxState::Unchecked: SetState(CheckBoxState::Checked); break;
    case CheckBoxState::Checked: SetState(allowGrayed_ ? CheckBoxState::Grayed : CheckBoxState::Unchecked); break;
    case CheckBoxState::Grayed: SetState(CheckBoxState::Unchecked); break;
    }
    ButtonControl::Click();
}

void CheckBox::SetAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    AdjustSize();
}

void CheckBox::AdjustSize() {
    if (!autoSize_ || IsLoading() || IsDestroying()) return;
    const Size text = MeasuringCanvas(Font())->TextExtent(Caption().empty() ? " " : Caption());
    const int box = CheckBoxSize();
    SetBounds(Left(), Top(), box + 6 + text.Width, std::max(box, text.Height) + 2);
}

void CheckBox::Loaded() {
    ButtonControl::Loaded();
    AdjustSize();
}

void CheckBox::TextChanged() {
    ButtonControl::TextChanged();
    AdjustSize();
}

void CheckBox::FontChanged() {
    ButtonControl::FontChanged();
    AdjustSize();
}

} // namespace fw
