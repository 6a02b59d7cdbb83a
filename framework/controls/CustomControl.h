#pragma once
// A windowed control that draws itself: Paint runs with Canvas() bound to the window (or, when
// DoubleBuffered, to an off-screen bitmap that is then copied in one operation, with
// background erasing answered without erasing). Outside painting, Canvas() draws directly on
// the window.

#include "framework/controls/DoubleBuffer.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"

namespace fw {

class CustomControl : public WinControl {
public:
    explicit CustomControl(Component* owner);
    ~CustomControl() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    // The canvas of the current paint, or one on the window's class device context.
    fw::Canvas& Canvas();
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v);
    // The off-screen buffer of the latest double-buffered paint.
    const Bitmap& PaintBuffer() const { return buffer_.Buffer(); }

    void WndProc(Message& m) override;

    NotifyEvent OnPaint;

protected:
    // Draws the control on Canvas(); the base runs OnPaint.
    virtual void Paint();
    void PaintWindow(HDC dc) override;
    void PaintHandler(HDC dc) override;
    void WMEraseBkgnd(Message& m) override;
    void WMPaint(Message& m) override;
    void WMDestroy(Message& m) override;

private:
    void ReleaseWindowCanvas();

    fw::Canvas canvas_;
    HDC windowDc_ = nullptr;
    int windowDcState_ = 0;
    bool painting_ = false;
    bool doubleBuffered_ = false;
    DoubleBuffer buffer_;
};

} // namespace fw
