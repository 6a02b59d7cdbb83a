#pragma once
// Vector glyphs drawn on the buttons and icons, each centred on (cx, cy) and scaled by `size`,
// the side of the square the glyph fills.

#include "tools/skinart/Shapes.h"

namespace skinart {

// The caption buttons, in the order their frames lie in a title-button strip.
enum class TitleGlyph { ControlBox, Help, Maximize, Restore, Minimize, Close };
constexpr TitleGlyph kTitleGlyphs[] = {TitleGlyph::ControlBox, TitleGlyph::Help,     TitleGlyph::Maximize,
                                       TitleGlyph::Restore,    TitleGlyph::Minimize, TitleGlyph::Close};

enum class Direction { Up, Down, Left, Right };

Sdf TitleGlyphShape(TitleGlyph glyph, float cx, float cy, float size, float stroke);
// A filled triangle pointing in `direction`; `size` is the length of its base.
Sdf Arrow(Direction direction, float cx, float cy, float size);
// An open arrow head of two strokes.
Sdf Chevron(Direction direction, float cx, float cy, float size, float stroke);
Sdf CheckMark(float cx, float cy, float size, float stroke);
Sdf ExclamationMark(float cx, float cy, float size);
Sdf CrossMark(float cx, float cy, float size, float stroke);
Sdf InfoMark(float cx, float cy, float size);
Sdf QuestionMark(float cx, float cy, float size, float stroke);

} // namespace skinart
