#pragma once
// A windowless button with a glyph ("TSpeedButton"). With a GroupIndex it is a toggle: a
// click flips Down (back up only when AllowAllUp) before OnClick runs, and going down lifts
// the other buttons of the same parent and group. Setting Down from the program runs no
// OnClick. Flat buttons show their edge only under the mouse or while down.
//
// The glyph is a bitmap whose bottom-left pixel colour is transparent; it is drawn greyed
// when the button is disabled.

#include "framework/controls/GraphicControl.h"
#include "framework/core/Picture.h"

namespace fw {

class Bitmap;
class EnumInfo;

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

class SpeedButton : public GraphicControl {
public:
    explicit SpeedButton(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }
    // "TButtonLayout": blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom.
    static const EnumInfo& ButtonLayoutInfo();

    Picture& Glyph() { return glyph_; }
    void SetGlyph(const Picture& glyph) { glyph_.Assign(glyph); }
    // Takes a copy of `bitmap` as the glyph.
    void SetGlyphBitmap(const Bitmap& bitmap);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout l);
    // Pixels between glyph and caption (4 by default).
    int Spacing() const { return spacing_; }
    void SetSpacing(int pixels);
    // Pixels from the edge to the glyph; -1 centres glyph and caption together.
    int Margin() const { return margin_; }
    void SetMargin(int pixels);

    // Toggles Down in a group, then runs OnClick.
    void Click() override;

    // The mouse button is held on it now.
    bool Pressed() const { return pressed_; }

protected:
    void Paint() override;
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    // Draws glyph and caption into `r` (already shifted when pressed).
    virtual void DrawContent(const Rect& r);

private:
    void LiftOthers();

    Picture glyph_;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool down_ = false;
    bool flat_ = false;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    bool pressed_ = false;
    bool tracking_ = false;
};

} // namespace fw
