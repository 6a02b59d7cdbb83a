#pragma once
// Draws the DeepBlue look: a dark navy frame around light grey.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddDeepBlueArt(ArtBook& book);

} // namespace skinart
