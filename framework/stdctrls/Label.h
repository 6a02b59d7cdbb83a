#pragma once
// A windowless caption ("TLabel"). With AutoSize (the default) it takes the size of its text
// in its font, keeping its right edge when right-aligned; Transparent leaves the parent's
// background showing behind the text. Its parent hands it clicks (OnClick).

#include "framework/controls/GraphicControl.h"
#include "framework/stdctrls/StdTypes.h"

namespace fw {

class Label : public GraphicControl {
public:
    explicit Label(Component* owner);

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    fw::Alignment Alignment() const { return alignment_; }
    void SetAlignment(fw::Alignment a);
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    // '&' marks an accelerator (drawn underlined) when true; shown as is when false.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);

    void Loaded() override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    // Sizes the label to its text when AutoSize is on.
    virtual void AdjustBounds();

private:
    unsigned TextFlags() const;

    bool autoSize_ = true;
    bool transparent_ = false;
    fw::Alignment alignment_ = fw::Alignment::LeftJustify;
    TextLayout layout_ = TextLayout::Top;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

} // namespace fw
