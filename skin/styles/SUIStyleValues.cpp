#include "skin/styles/SUIStyleValues.h"

#include "skin/styles/SUIThemeFile.h"
#include "skin/styles/SUIThemes.h"

namespace {

constexpr TsuiUIStyle kFallback = TsuiUIStyle::DeepBlue;

} // namespace

TsuiStyleValues::TsuiStyleValues(TsuiFileTheme* fileTheme, TsuiUIStyle style) {
    if (UsingFileTheme(fileTheme, style, effective_)) theme_ = fileTheme;
}

bool TsuiStyleValues::InFile(TsuiThemeElement element) const {
    return theme_ != nullptr && theme_->HasValue(element);
}

fw::Color TsuiStyleValues::Color(TsuiThemeElement element) const {
    if (GetThemeElementKind(element) != ThemeElementKind::Color) return GetBuiltInThemeColor(effective_, element);
    if (InFile(element)) return theme_->GetColor(element);
    return GetBuiltInThemeColor(theme_ != nullptr ? kFallback : effective_, element);
}

std::int32_t TsuiStyleValues::Int(TsuiThemeElement element) const {
    if (GetThemeElementKind(element) != ThemeElementKind::Int) return GetBuiltInThemeInt(effective_, element);
    if (InFile(element)) return theme_->GetInt(element);
    return GetBuiltInThemeInt(theme_ != nullptr ? kFallback : effective_, element);
}

bool TsuiStyleValues::Bool(TsuiThemeElement element) const {
    if (GetThemeElementKind(element) != ThemeElementKind::Bool) return GetBuiltInThemeBool(effective_, element);
    if (InFile(element)) return theme_->GetBool(element);
    return GetBuiltInThemeBool(theme_ != nullptr ? kFallback : effective_, element);
}

void TsuiStyleValues::Bitmap(TsuiThemeElement element, fw::Bitmap& bitmap, int frameIndex) const {
    if (GetThemeElementKind(element) != ThemeElementKind::Image) return;
    const int frameCount = frameIndex == 0 ? 0 : GetThemeElementFrameCount(element);
    if (InFile(element)) {
        theme_->GetBitmapFrame(element, &bitmap, frameCount, frameIndex);
        return;
    }
    GetBuiltInThemeBitmap(theme_ != nullptr ? kFallback : effective_, element, &bitmap, frameCount, frameIndex);
}
