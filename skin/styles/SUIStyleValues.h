#pragma once
// The one place a skinned component reads its style values: from its file theme when
// UsingFileTheme says so, else from the built-in table of the effective style (DeepBlue for
// FromThemeFile without a usable theme). A value the theme file does not carry is DeepBlue's,
// the fallback look, so a partial theme draws its missing parts as DeepBlue does instead of in
// colours nobody chose (a missing colour would otherwise read as -1, white).

#include "framework/core/Color.h"
#include "skin/styles/SUIThemeTable.h"

#include <cstdint>

namespace fw {
class Bitmap;
}

class TsuiFileTheme;

class TsuiStyleValues {
public:
    TsuiStyleValues(TsuiFileTheme* fileTheme, TsuiUIStyle style);

    bool FromFileTheme() const { return theme_ != nullptr; }
    TsuiUIStyle EffectiveStyle() const { return effective_; }

    // Elements of another kind give the built-in table's answers: black, -1, false, and the
    // bitmap left as it was.
    fw::Color Color(TsuiThemeElement element) const;
    std::int32_t Int(TsuiThemeElement element) const;
    bool Bool(TsuiThemeElement element) const;
    // `bitmap` becomes frame frameIndex (1-based) of the element's frames
    // (GetThemeElementFrameCount), or the whole image for frameIndex 0. An image in the theme
    // file that is no valid bitmap raises the decoder's error, `bitmap` unchanged.
    void Bitmap(TsuiThemeElement element, fw::Bitmap& bitmap, int frameIndex = 0) const;

private:
    // The element comes from the theme file: values come from it and it carries this one.
    bool InFile(TsuiThemeElement element) const;

    TsuiFileTheme* theme_ = nullptr;
    TsuiUIStyle effective_ = TsuiUIStyle::DeepBlue;
};
