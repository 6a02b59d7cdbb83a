#pragma once
// The skinned single-line edit: the framework's edit (password character, auto-select, the
// byte limit of typing and pasting) inside the style's two-ring border.

#include "framework/stdctrls/Edit.h"
#include "skin/controls/SUIBorderedControl.h"

class TsuiEdit : public TsuiBorderedControl<fw::Edit> {
public:
    explicit TsuiEdit(fw::Component* owner);
    ~TsuiEdit() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};
