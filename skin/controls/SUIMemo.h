#pragma once
// The skinned multi-line edit: the framework's memo (lines, word wrap, read-only, the byte
// limit) inside the style's two-ring border.

#include "framework/stdctrls/Memo.h"
#include "skin/controls/SUIBorderedControl.h"

class TsuiMemo : public TsuiBorderedControl<fw::Memo> {
public:
    explicit TsuiMemo(fw::Component* owner);
    ~TsuiMemo() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};
