#pragma once
// The brush a Canvas fills with: a plain value, realised into an HBRUSH by the canvas when it
// draws. A clear brush fills nothing and makes text backgrounds transparent.

#include "framework/core/Color.h"

namespace fw {

enum class BrushStyle { Solid, Clear };

class Brush {
public:
    fw::Color Color() const { return color_; }
    // Setting a colour makes a clear brush solid again.
    void SetColor(fw::Color c) {
        color_ = c;
        style_ = BrushStyle::Solid;
    }
    BrushStyle Style() const { return style_; }
    void SetStyle(BrushStyle s) { style_ = s; }

    bool operator==(const Brush&) const = default;

private:
    fw::Color color_ = clWhite;
    BrushStyle style_ = BrushStyle::Solid;
};

} // namespace fw
