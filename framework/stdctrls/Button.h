#pragma once
// The plain push button ("TButton"). A click gives its form ModalResult (when not mrNone) and
// runs OnClick; Return clicks the Default button and Escape the Cancel button of a form.

#include "framework/stdctrls/ButtonControl.h"

namespace fw {

class Button : public ButtonControl {
public:
    explicit Button(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    void Click() override;
    bool DialogKey(int key, ShiftState shift) override;

protected:
    void CreateParams(WindowParams& params) override;

private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

} // namespace fw
