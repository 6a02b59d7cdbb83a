#pragma once
// The skinned tree view: the framework's tree view, with its native scroll bars, inside the
// style's two-ring border.

#include "framework/stdctrls/TreeView.h"
#include "skin/controls/SUIBorderedControl.h"

class TsuiTreeView : public TsuiBorderedControl<fw::TreeView> {
public:
    explicit TsuiTreeView(fw::Component* owner);
    ~TsuiTreeView() override;

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};
