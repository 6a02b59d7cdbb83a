#include "skin/controls/SUIEdit.h"

#include "framework/core/ClassBuilder.h"

TsuiEdit::TsuiEdit(fw::Component* owner) : TsuiBorderedControl<fw::Edit>(owner) { TakeOwnerStyle(owner); }

TsuiEdit::~TsuiEdit() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiEdit::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiEdit>("TsuiEdit", fw::Edit::StaticClass())
            .AddColor("BorderColor", &TsuiEdit::BorderColor, &TsuiEdit::SetBorderColor)
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiEdit::UIStyle, &TsuiEdit::SetUIStyle)
            .AddReference("FileTheme", &TsuiEdit::FileTheme, &TsuiEdit::SetFileTheme)
            .Register();
    return info;
}
