#pragma once
// A container with bevels ("TPanel"): an outer bevel, a border of BorderWidth pixels in the
// panel's colour and an inner bevel, each BevelWidth wide, around an area filled with Color;
// the caption is drawn on one line, vertically centred, aligned by Alignment. Aligned
// children stay inside the bevels. BorderStyle bsSingle adds the sunken window edge.
// Painting is double-buffered; derived panels replace Paint or reuse DrawBevels/DrawCaption.

#include "framework/controls/CustomControl.h"
#include "framework/stdctrls/StdTypes.h"

namespace fw {

class Panel : public CustomControl {
public:
    explicit Panel(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    BevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(BevelCut b);
    BevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(BevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int pixels);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int pixels);
    ControlBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(ControlBorderStyle s);
    fw::Alignment Alignment() const { return alignment_; }
    void SetAlignment(fw::Alignment a);

protected:
    void CreateParams(WindowParams& params) override;
    void AdjustClientRect(Rect& r) const override;
    void Paint() override;
    // Draws the bevels and the border ring on Canvas() and shrinks `r` to the inner area.
    void DrawBevels(Rect& r);
    // Draws the caption inside `r`.
    void DrawCaption(const Rect& r);

private:
    void BevelsChanged();

    BevelCut bevelInner_ = BevelCut::None;
    BevelCut bevelOuter_ = BevelCut::Raised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    ControlBorderStyle borderStyle_ = ControlBorderStyle::None;
    fw::Alignment alignment_ = fw::Alignment::Center;
};

} // namespace fw
