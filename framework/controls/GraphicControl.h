#pragma once
// A control without a window: its parent paints it (clipped to its bounds, with the canvas
// origin at its top-left) and hands it its mouse messages in its own coordinates.

#include "framework/controls/Control.h"
#include "framework/graphics/Canvas.h"

namespace fw {

class GraphicControl : public Control {
public:
    explicit GraphicControl(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // Valid while Paint runs.
    fw::Canvas& Canvas() { return canvas_; }

    void WndProc(Message& m) override;

    NotifyEvent OnPaint;

protected:
    // Draws the control on Canvas(); the base runs OnPaint.
    virtual void Paint();

private:
    fw::Canvas canvas_;
};

} // namespace fw
