#pragma once
// Draws the images every look shares: the tab scroll button of three looks, the menu check mark, the side channel's pin and the message dialog's icons.

#include "tools/skinart/ArtBook.h"

namespace skinart {

void AddSharedArt(ArtBook& book);

} // namespace skinart
