#include "skin/controls/SUIMemo.h"

#include "framework/core/ClassBuilder.h"

TsuiMemo::TsuiMemo(fw::Component* owner) : TsuiBorderedControl<fw::Memo>(owner) { TakeOwnerStyle(owner); }

TsuiMemo::~TsuiMemo() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiMemo::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiMemo>("TsuiMemo", fw::Memo::StaticClass())
            .AddColor("BorderColor", &TsuiMemo::BorderColor, &TsuiMemo::SetBorderColor)
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiMemo::UIStyle, &TsuiMemo::SetUIStyle)
            .AddReference("FileTheme", &TsuiMemo::FileTheme, &TsuiMemo::SetFileTheme)
            .Register();
    return info;
}
