#pragma once
// Small controls of the UI tests: a self-drawn push button that behaves like the skin's
// (click on release inside, modal result into its form, Return/Escape as default/cancel,
// accelerator of its caption), a container that shrinks its alignment area, and a windowless
// swatch.

#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace fwtest {

class TestButton : public fw::CustomControl {
public:
    explicit TestButton(fw::Component* owner) : fw::CustomControl(owner) {
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
        SetDoubleBuffered(true);
    }
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<TestButton>("TTestButton", fw::CustomControl::StaticClass())
                .AddInteger("ModalResult", &TestButton::ModalResult, &TestButton::SetModalResult)
                .AddBoolean("Default", &TestButton::Default, &TestButton::SetDefault)
                .AddBoolean("Cancel", &TestButton::Cancel, &TestButton::SetCancel)
                .Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }

    void Click() override {
        ++clicks;
        if (fw::Form* f = ParentForm()) f->SetModalResult(modalResult_);
        fw::CustomControl::Click();
    }
    bool DialogKey(int key, fw::ShiftState shift) override {
        if (((key == VK_RETURN && default_) || (key == VK_ESCAPE && cancel_)) && shift == 0 && CanFocus()) {
            Click();
            return true;
        }
        return false;
    }
    bool DialogChar(char ch) override {
        if (ch != 0 && ch == AcceleratorOf(Caption()) && Enabled()) {
            Click();
            return true;
        }
        return false;
    }

    int clicks = 0;
    fw::Color face = fw::clSilver;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(face);
        Canvas().FillRect(ClientRect());
        fw::CustomControl::Paint();
    }

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};

// A container whose aligned children keep clear of a 5-pixel border and a 20-pixel top bar.
class TestPanel : public fw::CustomControl {
public:
    explicit TestPanel(fw::Component* owner) : fw::CustomControl(owner) { SetBounds(0, 0, 200, 150); }
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<TestPanel>("TTestPanel", fw::CustomControl::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    bool shrink = false;

protected:
    void AdjustClientRect(fw::Rect& r) const override {
        if (shrink) r = fw::Rect{r.Left + 5, r.Top + 20, r.Right - 5, r.Bottom - 5};
    }
};

class TestSwatch : public fw::GraphicControl {
public:
    explicit TestSwatch(fw::Component* owner) : fw::GraphicControl(owner) { SetBounds(0, 0, 20, 20); }
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info =
            fw::ClassBuilder<TestSwatch>("TTestSwatch", fw::GraphicControl::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    int clicks = 0;
    int downX = -1;
    int downY = -1;

    void Click() override {
        ++clicks;
        fw::GraphicControl::Click();
    }

protected:
    void MouseDown(fw::MouseButton b, fw::ShiftState s, int x, int y) override {
        downX = x;
        downY = y;
        fw::GraphicControl::MouseDown(b, s, x, y);
    }
    void Paint() override {
        Canvas().Brush().SetColor(GetColor());
        Canvas().FillRect(ClientRect());
    }
};

// A plain form for tests: a given size, shown where it is placed.
class TestForm : public fw::Form {
public:
    explicit TestForm(fw::Component* owner) : fw::Form(owner) {}
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo& info = fw::ClassBuilder<TestForm>("TTestForm", fw::Form::StaticClass()).Register();
        return info;
    }
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }

    int sysCommands = 0;
    WPARAM lastSysCommand = 0;
    LPARAM lastSysCommandParam = 0;
    bool swallowSysCommands = false;

protected:
    void WMSysCommand(fw::Message& m) override {
        ++sysCommands;
        lastSysCommand = m.wParam & 0xFFF0;
        lastSysCommandParam = m.lParam;
        if (swallowSysCommands) {
            m.result = 0;
            return;
        }
        fw::Form::WMSysCommand(m);
    }
};

} // namespace fwtest
