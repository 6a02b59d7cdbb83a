#pragma once
// Assembles multi-frame strips in the frame order the skinned controls cut them in.

#include "tools/skinart/Glyphs.h"
#include "tools/skinart/Image.h"
#include "tools/skinart/Paint.h"

#include <functional>

namespace skinart {

enum class ButtonState { Normal, Hover, Pressed };

// Control box, help, maximise, restore, minimise, close; each normal, hover, pressed.
Image TitleButtonStrip(const std::function<Image(TitleGlyph, ButtonState)>& draw);
// Checked, unchecked, checked disabled, unchecked disabled.
Image CheckStrip(const std::function<Image(bool checked, bool enabled)>& draw);
// The up arrow in its three states, then the down arrow; a horizontal bar turns them left.
Image ScrollButtonStrip(const std::function<Image(Direction, ButtonState)>& draw);
// A bar drawn in three parts (two ends and a middle that is stretched without transparency):
// the middle third's fuchsia becomes `background`, the ends keep theirs.
Image OpaqueMiddle(Image bar, Rgb background);
// An image painted pixel by pixel from a paint, nothing keyed.
Image Painted(int width, int height, const Paint& paint);

} // namespace skinart
