#include "framework/controls/AlignLayout.h"

#include <algorithm>

namespace fw {

Rect AlignedBounds(Align align, const Rect& area, const Rect& current) {
    const int w = current.Width();
    const int h = current.Height();
    switch (align) {
    case Align::Top: return Rect{area.Left, area.Top, area.Right, area.Top + h};
    case Align::Bottom: return Rect{area.Left, area.Bottom - h, area.Right, area.Bottom};
    case Align::Left: return Rect{area.Left, area.Top, area.Left + w, area.Bottom};
    case Align::Right: return Rect{area.Right - w, area.Top, area.Right, area.Bottom};
    case Align::Client: return area;
    case Align::None: break;
    }
    return current;
}

void ConsumeAlignArea(Align align, Rect& area, const Rect& placed) {
    switch (align) {
    case Align::Top: area.Top = std::min(area.Bottom, std::max(area.Top, area.Top + placed.Height())); break;
    case Align::Bottom: area.Bottom = std::max(area.Top, area.Bottom - std::max(placed.Height(), 0)); break;
    case Align::Left: area.Left = std::min(area.Right, std::max(area.Left, area.Left + placed.Width())); break;
    case Align::Right: area.Right = std::max(area.Left, area.Right - std::max(placed.Width(), 0)); break;
    case Align::Client:
    case Align::None: break;
    }
}

bool AlignsBefore(Align align, const Rect& a, int ia, const Rect& b, int ib) {
    int ka = 0;
    int kb = 0;
    switch (align) {
    case Align::Top: ka = a.Top; kb = b.Top; break;
    case Align::Bottom: ka = -a.Bottom; kb = -b.Bottom; break;
    case Align::Left: ka = a.Left; kb = b.Left; break;
    case Align::Right: ka = -a.Right; kb = -b.Right; break;
    case Align::Client:
    case Align::None: break;
    }
    if (ka != kb) return ka < kb;
    return ia < ib;
}

} // namespace fw
