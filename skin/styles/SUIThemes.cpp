#include "skin/styles/SUIThemes.h"

#include "framework/controls/WinControl.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/GbkText.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "skin/styles/SUIDrawLayout.h"
#include "skin/styles/SUIPublic.h"

#include <windows.h>

#include <map>

const fw::EnumInfo& UIStyleInfo() {
    static const fw::EnumInfo info("TsuiUIStyle", {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"});
    return info;
}

namespace {

// The built-in pictures are read from the program's resources once: a change of look and many
// paints fetch the same few pictures again and again. The five looks together hold well under
// a megabyte of pixels. The cache is never destroyed: windows still being torn down while the
// program's static objects go may load pictures.
const fw::PixelImage& SkinImage(const std::string& name) {
    static auto* images = new std::map<std::string, fw::PixelImage>();
    auto found = images->find(name);
    if (found == images->end())
        found = images->emplace(name, fw::Bitmap::ResourceImage(GetModuleHandleW(nullptr), name)).first;
    return found->second;
}

} // namespace

void LoadSkinBitmap(const std::string& name, fw::Bitmap& bitmap) { bitmap.Assign(SkinImage(name)); }

void LoadBuiltInThemeBitmap(TsuiUIStyle style, TsuiThemeElement element, fw::Bitmap& bitmap) {
    const std::string name = GetBuiltInThemeBitmapName(style, element);
    if (!name.empty()) LoadSkinBitmap(name, bitmap);
}

void GetBuiltInThemeBitmap(TsuiUIStyle style, TsuiThemeElement element, fw::Bitmap* bitmap, int frameCount,
                           int frameIndex) {
    if (bitmap == nullptr) return;
    if (frameCount == 0) {
        LoadBuiltInThemeBitmap(style, element, *bitmap);
        return;
    }
    const std::string name = GetBuiltInThemeBitmapName(style, element);
    if (name.empty()) return;
    bitmap->Assign(CutImageFrame(SkinImage(name), frameCount, frameIndex));
}

namespace {

// By name, through the class's ancestry: the skin's form class lives in a unit above this one.
bool IsSkinnedForm(const fw::Control& control) {
    for (const fw::ClassInfo* c = &control.ClassType(); c != nullptr; c = c->Parent())
        if (fw::GbkSameText(c->Name(), "TsuiForm")) return true;
    return false;
}

} // namespace

TsuiUIStyle GetSUIFormStyle(fw::Component* owner) {
    auto* container = dynamic_cast<fw::WinControl*>(owner);
    if (container == nullptr) return TsuiUIStyle::DeepBlue;
    for (int i = 0; i < container->ControlCount(); ++i) {
        fw::Control* child = container->Controls(i);
        if (IsSkinnedForm(*child))
            return static_cast<TsuiUIStyle>(fw::GetPropertyValue(*child, "UIStyle").AsEnum());
    }
    return TsuiUIStyle::DeepBlue;
}

bool UsingFileTheme(fw::Component* fileTheme, TsuiUIStyle uiStyle, TsuiUIStyle& effectiveStyle) {
    effectiveStyle = uiStyle;
    if (uiStyle != TsuiUIStyle::FromThemeFile) return false;
    const auto* theme = dynamic_cast<const TsuiUsableTheme*>(fileTheme);
    if (theme != nullptr && theme->CanUse()) return true;
    effectiveStyle = TsuiUIStyle::DeepBlue;
    return false;
}
