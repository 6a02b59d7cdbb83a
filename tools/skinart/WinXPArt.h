#pragma once
// Draws the WinXP look: a blue title bar over beige with silver controls.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddWinXPArt(ArtBook& book);

} // namespace skinart
