#pragma once
// Draws the BlueGlass look: glassy blue.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddBlueGlassArt(ArtBook& book);

} // namespace skinart
