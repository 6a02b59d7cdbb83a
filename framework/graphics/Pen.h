#pragma once
// The pen a Canvas draws lines and outlines with: a plain value, realised into an HPEN by the
// canvas when it draws.

#include "framework/core/Color.h"

namespace fw {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

class Pen {
public:
    fw::Color Color() const { return color_; }
    void SetColor(fw::Color c) { color_ = c; }
    // Width in pixels; values below 1 draw 1 pixel wide.
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    PenStyle Style() const { return style_; }
    void SetStyle(PenStyle s) { style_ = s; }

    bool operator==(const Pen&) const = default;

private:
    fw::Color color_ = clBlack;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
};

} // namespace fw
