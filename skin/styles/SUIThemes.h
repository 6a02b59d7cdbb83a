#pragma once
// The Win32 side of the looks: the built-in bitmaps loaded by name from the program's own
// resources, the first style of a new component (from the skinned form among its owner's
// controls), and the choice between a file theme and the built-in table. The style table and
// its value lookups are in SUIThemeTable.h.

#include "skin/styles/SUIThemeTable.h"

#include <string>

namespace fw {
class Bitmap;
class Component;
class EnumInfo;
} // namespace fw

// Value names of TsuiUIStyle for "UIStyle" properties ("FromThemeFile", "MacOS", ...).
const fw::EnumInfo& UIStyleInfo();

// Loads the BITMAP resource `name` of the program's own module into `bitmap`. A missing
// resource raises the bitmap loader's error and leaves `bitmap` as it was.
void LoadSkinBitmap(const std::string& name, fw::Bitmap& bitmap);

// The whole image of an Image element in a built-in style. For an element of another kind or a
// style that is not built in, `bitmap` is left untouched.
void LoadBuiltInThemeBitmap(TsuiUIStyle style, TsuiThemeElement element, fw::Bitmap& bitmap);
// Without a bitmap nothing happens. With frameCount 0 the whole image is loaded; otherwise
// `bitmap` becomes frame frameIndex (1-based) of frameCount equal-width frames.
void GetBuiltInThemeBitmap(TsuiUIStyle style, TsuiThemeElement element, fw::Bitmap* bitmap, int frameCount = 0,
                           int frameIndex = 0);

// The UIStyle of the first control among `owner`'s child controls (in child order) whose class
// is TsuiForm or derives from it; DeepBlue when there is no owner, the owner has no child
// controls, or none of them is a TsuiForm.
TsuiUIStyle GetSUIFormStyle(fw::Component* owner);

// What the choice of value source asks of a file theme: whether a theme file was loaded.
// TsuiFileTheme implements it.
class TsuiUsableTheme {
public:
    virtual ~TsuiUsableTheme() = default;
    virtual bool CanUse() const = 0;
};

// Whether a component with this file theme and style reads its values from the file theme.
// effectiveStyle becomes uiStyle, except that FromThemeFile without a usable file theme (none,
// one that loaded nothing, or a component that is no file theme) gives DeepBlue.
bool UsingFileTheme(fw::Component* fileTheme, TsuiUIStyle uiStyle, TsuiUIStyle& effectiveStyle);
