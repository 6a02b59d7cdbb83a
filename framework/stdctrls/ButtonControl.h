#pragma once
// Base of the controls over the system BUTTON class (push button, check box, radio button).
// Their click comes from the window's BN_CLICKED only, so a mouse release or the space bar
// clicks exactly once. The caption's accelerator ('&x') clicks too. Transparent lets the
// parent's surface show behind the text.

#include "framework/stdctrls/NativeControl.h"

namespace fw {

class ButtonControl : public NativeControl {
public:
    explicit ButtonControl(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    bool DialogChar(char ch) override;
    void WndProc(Message& m) override;

protected:
    void CreateParams(WindowParams& params) override;
    void WMMouse(Message& m) override;
    // The window reported a click (BN_CLICKED): runs Click.
    virtual void ButtonClicked();
    // The size of the check mark box drawn by the system.
    static int CheckBoxSize();

private:
    void CtlColor(Message& m);

    bool transparent_ = false;
};

} // namespace fw
