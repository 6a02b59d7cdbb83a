#pragma once
// A titled frame around a group of controls ("TGroupBox"): an etched frame whose top edge runs
// through the middle of the caption line, the caption over it at the left. Aligned children
// stay below the caption line and inside the frame.

#include "framework/controls/CustomControl.h"

namespace fw {

class GroupBox : public CustomControl {
public:
    explicit GroupBox(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

protected:
    void AdjustClientRect(Rect& r) const override;
    void Paint() override;
    void FontChanged() override;
    // The height of a caption line in the group's font.
    int CaptionHeight() const;
};

} // namespace fw
