#pragma once
// Draws the Protein look: clean near-white controls under a slate title.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddProteinArt(ArtBook& book);

} // namespace skinart
