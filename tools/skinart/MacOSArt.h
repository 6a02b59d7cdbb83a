#pragma once
// Draws the MacOS look: light pinstriped grey with gel controls.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddMacOSArt(ArtBook& book);

} // namespace skinart
