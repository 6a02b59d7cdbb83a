#pragma once
// One HFONT per distinct (face, height, style, character set), made on first use and kept for
// the life of the process, so canvases may select them freely and save and restore states.

#include "framework/core/Font.h"

#include <windows.h>

namespace fw {

class FontCache {
public:
    // The font for `font`: height in pixels as a negative lfHeight (character height), face
    // name from GBK through code page 936, bold/italic/underline/strike-out and charset.
    static HFONT Get(const Font& font);
    static LOGFONTW MakeLogFont(const Font& font);
    // Number of fonts made so far.
    static int Count();
};

} // namespace fw
