#pragma once
// The small top-most window that shows a control's Hint near the pointer.

#include "framework/controls/CustomControl.h"

#include <string>

namespace fw {

class HintWindow : public CustomControl {
public:
    explicit HintWindow(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // The size `text` needs, wrapped at `maxWidth` pixels.
    Size CalcHintSize(const std::string& text, int maxWidth);
    // Shows `text` with the window's top-left at a point of the screen, without activating it.
    void ActivateHint(Point screen, const std::string& text);
    void ReleaseHint();
    bool Showing() const override;

protected:
    void CreateParams(WindowParams& params) override;
    void Paint() override;
};

} // namespace fw
