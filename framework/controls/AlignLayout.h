#pragma once
// The arithmetic of Align: where an aligned control goes inside its parent's alignment area
// and how much of the area it takes. Pure, so it is tested without windows.
//
// A parent places its aligned children kind by kind (top, bottom, left, right, client). Within
// one kind they keep their designed order: top ones by Top, bottom ones by bottom edge from
// the bottom up, left ones by Left, right ones by right edge from the right; ties keep the
// children's order.

#include "framework/graphics/Geometry.h"

namespace fw {

enum class Align { None, Top, Bottom, Left, Right, Client };

// The order in which the kinds are placed.
constexpr Align kAlignOrder[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};

// The bounds a control aligned `align` gets in `area`, keeping its own height (top, bottom)
// or width (left, right) from `current`.
Rect AlignedBounds(Align align, const Rect& area, const Rect& current);
// Takes the space of a control placed at `placed` (after its constraints) out of `area`.
void ConsumeAlignArea(Align align, Rect& area, const Rect& placed);
// True when the control at `a` (child index ia) is placed before the one at `b` (index ib).
bool AlignsBefore(Align align, const Rect& a, int ia, const Rect& b, int ib);

} // namespace fw
