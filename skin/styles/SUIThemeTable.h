#pragma once
// The vocabulary of the skin's looks: the style enumeration, the 42 theme elements with their
// kinds and keys, the values of the five built-in looks, and the bitmap resources those values
// name. Constant data and lookups only; loading the bitmaps is the Win32 side's job (SUIThemes).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class TsuiUIStyle : std::uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};

// Elements are numbered 1 to 42; the enumerator names are the keys a theme file uses.
enum class TsuiThemeElement : std::uint8_t {
    ButtonImage = 1,
    ButtonTransparentBool,
    CheckBoxImage,
    RadioButtonImage,
    TitleBarButtonImage,
    TitleBarButtonTransparentBool,
    TitleBarButtonLeftOffsetInt,
    TitleBarButtonRightOffsetInt,
    TitleBarButtonTopInt,
    TitleBarLeftImage,
    TitleBarClientImage,
    TitleBarRightImage,
    FormMinWidthInt,
    FormRoundCornerInt,
    FormBackgroundColor,
    FormBorderColor,
    FormBorderWidthInt,
    MenuSelectedBorderColor,
    MenuSelectedBackgroundColor,
    MenuSelectedFontColor,
    MenuBackgroundColor,
    MenuFontColor,
    MenuBarColor,
    ProgressBarImage,
    ControlBorderColor,
    ControlBackgroundColor,
    ControlFontColor,
    TrackBarBarImage,
    TrackBarSliderImage,
    TrackBarSliderVImage,
    ScrollBarBackgroundColor,
    ScrollBarButtonImage,
    ScrollBarSliderImage,
    CheckListBoxImage,
    ToolBarButtonBorderColor,
    ToolBarButtonBackgroundColor,
    ToolBarButtonDownBackgroundColor,
    ScrollButtonImage,
    TabControlTabImage,
    TabControlBarImage,
    SideChannelHandleImage,
    SideChannelBarImage,
};

constexpr int ThemeElementCount = 42;

enum class ThemeElementKind : std::uint8_t {
    Int = 0,
    Color = 1,  // 0x00BBGGRR, or 0xFF0000nn for system colour nn
    Image = 2,
    Bool = 3,
};

// "MacOS" ... "BlueGlass", "FromThemeFile"; the empty text for a value outside the enumeration.
const char* GetUIStyleName(TsuiUIStyle style);
bool IsBuiltInStyle(TsuiUIStyle style);

// Key text of an element ("ButtonImage"), its kind, and the number of equal-width frames its
// image holds side by side (1 for single pictures and for elements that are not images).
const char* GetThemeElementKey(TsuiThemeElement element);
ThemeElementKind GetThemeElementKind(TsuiThemeElement element);
int GetThemeElementFrameCount(TsuiThemeElement element);
// Element by key, ignoring letter case; false when no element has that key.
bool FindThemeElement(std::string_view key, TsuiThemeElement& element);

// The table value of an element in a built-in style. Colours come as 0x00BBGGRR; for an Image
// element the value is the position of its bitmap in GetBuiltInThemeBitmaps(). A style that is
// not built in gives -1 with kind Int.
std::int32_t GetBuiltInThemeValue(TsuiUIStyle style, TsuiThemeElement element, ThemeElementKind& kind);
// The typed lookups answer 0, -1 and false for an element of another kind or a style that is not built in.
std::uint32_t GetBuiltInThemeColor(TsuiUIStyle style, TsuiThemeElement element);
std::int32_t GetBuiltInThemeInt(TsuiUIStyle style, TsuiThemeElement element);
bool GetBuiltInThemeBool(TsuiUIStyle style, TsuiThemeElement element);
// Resource name of an Image element's bitmap ("MACOS_BUTTON"); empty for another kind or a style
// that is not built in.
std::string GetBuiltInThemeBitmapName(TsuiUIStyle style, TsuiThemeElement element);

// One bitmap resource of the built-in looks: its name, size in pixels and the number of
// equal-width frames it holds side by side.
struct TsuiBuiltInBitmap {
    const char* Name;
    int Width;
    int Height;
    int FrameCount;
};

// Every bitmap resource the program carries for its looks: those the element table names (each
// once), then the ones components load by fixed name (form backgrounds, menu pictures, ...).
std::span<const TsuiBuiltInBitmap> GetBuiltInThemeBitmaps();
// The entry of that exact resource name, or null.
const TsuiBuiltInBitmap* FindBuiltInThemeBitmap(std::string_view name);
