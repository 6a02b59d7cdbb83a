#include "skin/controls/SUITreeView.h"

#include "framework/core/ClassBuilder.h"

TsuiTreeView::TsuiTreeView(fw::Component* owner) : TsuiBorderedControl<fw::TreeView>(owner) {
    TakeOwnerStyle(owner);
}

TsuiTreeView::~TsuiTreeView() {
    BeginDestroy();
    DestroyHandle();
}

const fw::ClassInfo& TsuiTreeView::StaticClass() {
    static const fw::ClassInfo& info =
        fw::ClassBuilder<TsuiTreeView>("TsuiTreeView", fw::TreeView::StaticClass())
            .AddColor("BorderColor", &TsuiTreeView::BorderColor, &TsuiTreeView::SetBorderColor)
            .AddEnum("UIStyle", UIStyleInfo(), &TsuiTreeView::UIStyle, &TsuiTreeView::SetUIStyle)
            .AddReference("FileTheme", &TsuiTreeView::FileTheme, &TsuiTreeView::SetFileTheme)
            .Register();
    return info;
}
