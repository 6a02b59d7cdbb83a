#include "skin/styles/SUIThemes.h"

#include "framework/controls/WinControl.h"
#include "framework/core/ClassInfo.h"
#include "framework/core/EnumInfo.h"
#include "framework/core/Properties.h"
#include "framework/graphics/Bitmap.h"
#include "skin/styles/SUIPublic.h"

#include <windows.h>

const fw::EnumInfo& UIStyleInfo() {
    static const fw::EnumInfo info("TsuiUIStyle", {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"});
    return info;
}

void LoadSkinBitmap(const std::string& name, fw::Bitmap& bitmap) {
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), name);
}

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
    if (GetBuiltInThemeBitmapName(style, element).empty()) return;
    fw::Bitmap whole;
    LoadBuiltInThemeBitmap(style, element, whole);
    CutBitmapFrame(whole, *bitmap, frameCount, frameIndex);
}

TsuiUIStyle GetSUIFormStyle(fw::Component* owner) {
    const fw::ClassInfo* formClass = fw::FindClass("TsuiForm");
    auto* container = dynamic_cast<fw::WinControl*>(owner);
    if (formClass == nullptr || container == nullptr) return TsuiUIStyle::DeepBlue;
    for (int i = 0; i < container->ControlCount(); ++i) {
        fw::Control* child = container->Controls(i);
        if (child->ClassType().InheritsFrom(*formClass))
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
