#include "skin/styles/SUIThemeTable.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr TsuiBuiltInBitmap kBitmaps[] = {
    // Named by the element table, in element order, styles MacOS, WinXP, DeepBlue, Protein, BlueGlass.
    {"MACOS_BUTTON", 252, 23, 3},
    {"WINXP_BUTTON", 54, 21, 3},
    {"DEEPBLUE_BUTTON", 222, 21, 3},
    {"PROTEIN_BUTTON", 222, 21, 3},
    {"BLUEGLASS_BUTTON", 231, 27, 3},
    {"MACOS_CHECKBOX", 60, 17, 4},
    {"WINXP_CHECKBOX", 52, 13, 4},
    {"DEEPBLUE_CHECKBOX", 52, 13, 4},
    {"PROTEIN_CHECKBOX", 52, 13, 4},
    {"BLUEGLASS_CHECKBOX", 52, 13, 4},
    {"MACOS_RADIOBUTTON", 64, 17, 4},
    {"WINXP_RADIOBUTTON", 52, 13, 4},
    {"DEEPBLUE_RADIOBUTTON", 52, 13, 4},
    {"PROTEIN_RADIOBUTTON", 52, 13, 4},
    {"BLUEGLASS_RADIOBUTTON", 52, 13, 4},
    {"MACOS_TITLEBTN", 306, 17, 18},
    {"WINXP_TITLEBTN", 378, 21, 18},
    {"DEEPBLUE_TITLEBTN", 342, 19, 18},
    {"PROTEIN_TITLEBTN", 342, 19, 18},
    {"BLUEGLASS_TITLEBTN", 342, 19, 18},
    {"MACOS_TITLE_LEFT", 48, 23, 1},
    {"WINXP_TITLE_LEFT", 35, 29, 1},
    {"DEEPBLUE_TITLE_LEFT", 97, 32, 1},
    {"PROTEIN_TITLE_LEFT", 441, 23, 1},
    {"BLUEGLASS_TITLE_LEFT", 162, 33, 1},
    {"MACOS_TITLE_CLIENT", 49, 23, 1},
    {"WINXP_TITLE_CLIENT", 37, 29, 1},
    {"DEEPBLUE_TITLE_CLIENT", 98, 32, 1},
    {"PROTEIN_TITLE_CLIENT", 1, 23, 1},
    {"BLUEGLASS_TITLE_CLIENT", 179, 33, 1},
    {"MACOS_TITLE_RIGHT", 48, 23, 1},
    {"WINXP_TITLE_RIGHT", 35, 29, 1},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32, 1},
    {"PROTEIN_TITLE_RIGHT", 1, 23, 1},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33, 1},
    {"MACOS_PROGRESSBAR", 13, 10, 1},
    {"WINXP_PROGRESSBAR", 6, 10, 1},
    {"DEEPBLUE_PROGRESSBAR", 1, 10, 1},
    {"PROTEIN_PROGRESSBAR", 1, 10, 1},
    {"BLUEGLASS_PROGRESSBAR", 1, 10, 1},
    {"MACOS_TRACKBAR_BAR", 45, 5, 1},
    {"WINXP_TRACKBAR_BAR", 45, 8, 1},
    {"DEEPBLUE_TRACKBAR_BAR", 45, 4, 1},
    {"PROTEIN_TRACKBAR_BAR", 45, 4, 1},
    {"BLUEGLASS_TRACKBAR_BAR", 45, 4, 1},
    {"MACOS_TRACKBAR_SLIDER", 11, 20, 1},
    {"WINXP_TRACKBAR_SLIDER", 11, 21, 1},
    {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20, 1},
    {"PROTEIN_TRACKBAR_SLIDER", 11, 20, 1},
    {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20, 1},
    {"MACOS_TRACKBAR_SLIDER_V", 19, 11, 1},
    {"WINXP_TRACKBAR_SLIDER_V", 22, 11, 1},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11, 1},
    {"MACOS_SCROLLBAR_BUTTON", 96, 22, 6},
    {"WINXP_SCROLLBAR_BUTTON", 96, 17, 6},
    {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16, 6},
    {"PROTEIN_SCROLLBAR_BUTTON", 96, 16, 6},
    {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16, 6},
    {"MACOS_SCROLLBAR_TRACK", 33, 16, 3},
    {"WINXP_SCROLLBAR_TRACK", 21, 16, 3},
    {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16, 3},
    {"PROTEIN_SCROLLBAR_TRACK", 21, 16, 3},
    {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16, 3},
    {"MACOS_CHECKLIST", 40, 11, 1},
    {"WINXP_CHECKLIST", 44, 11, 1},
    {"DEEPBLUE_CHECKLIST", 44, 11, 1},
    {"PROTEIN_CHECKLIST", 44, 11, 1},
    {"BLUEGLASS_CHECKLIST", 44, 11, 1},
    {"MACOS_SCROLLBUTTON", 72, 18, 1},
    {"WINXP_SCROLLBUTTON", 72, 18, 1},
    {"MORE_SCROLLBUTTON", 72, 17, 1},
    {"MACOS_TAB", 36, 27, 1},
    {"WINXP_TAB", 18, 18, 1},
    {"DEEPBLUE_TAB", 12, 17, 1},
    {"PROTEIN_TAB", 18, 17, 1},
    {"BLUEGLASS_TAB", 18, 17, 1},
    {"MACOS_TAB_LINE", 17, 7, 1},
    {"WINXP_TAB_LINE", 8, 1, 1},
    {"DEEPBLUE_TAB_LINE", 5, 5, 1},
    {"PROTEIN_TAB_LINE", 10, 5, 1},
    {"BLUEGLASS_TAB_LINE", 10, 5, 1},
    {"MACOS_SIDECHENNEL_HANDLE", 7, 84, 1},
    {"WINXP_SIDECHENNEL_HANDLE", 8, 86, 1},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83, 1},
    {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83, 1},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86, 1},
    {"MACOS_SIDECHENNEL_BAR", 1, 21, 1},
    {"WINXP_SIDECHENNEL_BAR", 1, 21, 1},
    {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20, 1},
    {"PROTEIN_SIDECHENNEL_BAR", 1, 21, 1},
    {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21, 1},
    // Loaded by fixed name outside the element table.
    {"MACOS_FORM_BACKGROUND", 8, 8, 1},
    {"PROTEIN_FORM_BACKGROUND", 8, 8, 1},
    {"MACOS_MENU_BAR", 1, 22, 1},
    {"MACOS_MENU_SELECT", 1, 21, 1},
    {"MENU_CHECKED", 16, 16, 1},
    {"SIDECHANNEL_BTN", 7, 9, 1},
    {"MSGDLG", 168, 42, 4},
};

constexpr int kBitmapCount = static_cast<int>(std::size(kBitmaps));

// Position of a bitmap in kBitmaps; a name missing from the list stops the compilation.
consteval std::int32_t Bmp(std::string_view name) {
    for (int i = 0; i < kBitmapCount; ++i) {
        if (name == kBitmaps[i].Name) return i;
    }
    throw "bitmap missing from kBitmaps";
}

// The table is written as #RRGGBB; colours are kept as 0x00BBGGRR.
consteval std::int32_t Rgb(std::uint32_t rrggbb) {
    return static_cast<std::int32_t>(((rrggbb & 0xFFu) << 16) | (rrggbb & 0xFF00u) | ((rrggbb >> 16) & 0xFFu));
}

using K = ThemeElementKind;

struct ElementRow {
    const char* Key;
    K Kind;
    int FrameCount;
    std::int32_t Values[5];  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

constexpr ElementRow kElements[ThemeElementCount] = {
    {"ButtonImage", K::Image, 3, {Bmp("MACOS_BUTTON"), Bmp("WINXP_BUTTON"), Bmp("DEEPBLUE_BUTTON"), Bmp("PROTEIN_BUTTON"), Bmp("BLUEGLASS_BUTTON")}},
    {"ButtonTransparentBool", K::Bool, 1, {1, 0, 0, 0, 1}},
    {"CheckBoxImage", K::Image, 4, {Bmp("MACOS_CHECKBOX"), Bmp("WINXP_CHECKBOX"), Bmp("DEEPBLUE_CHECKBOX"), Bmp("PROTEIN_CHECKBOX"), Bmp("BLUEGLASS_CHECKBOX")}},
    {"RadioButtonImage", K::Image, 4, {Bmp("MACOS_RADIOBUTTON"), Bmp("WINXP_RADIOBUTTON"), Bmp("DEEPBLUE_RADIOBUTTON"), Bmp("PROTEIN_RADIOBUTTON"), Bmp("BLUEGLASS_RADIOBUTTON")}},
    {"TitleBarButtonImage", K::Image, 18, {Bmp("MACOS_TITLEBTN"), Bmp("WINXP_TITLEBTN"), Bmp("DEEPBLUE_TITLEBTN"), Bmp("PROTEIN_TITLEBTN"), Bmp("BLUEGLASS_TITLEBTN")}},
    {"TitleBarButtonTransparentBool", K::Bool, 1, {0, 0, 0, 1, 1}},
    {"TitleBarButtonLeftOffsetInt", K::Int, 1, {3, 2, 0, 0, 4}},
    {"TitleBarButtonRightOffsetInt", K::Int, 1, {-2, -2, 0, 0, -3}},
    {"TitleBarButtonTopInt", K::Int, 1, {4, 5, 2, 2, 6}},
    {"TitleBarLeftImage", K::Image, 1, {Bmp("MACOS_TITLE_LEFT"), Bmp("WINXP_TITLE_LEFT"), Bmp("DEEPBLUE_TITLE_LEFT"), Bmp("PROTEIN_TITLE_LEFT"), Bmp("BLUEGLASS_TITLE_LEFT")}},
    {"TitleBarClientImage", K::Image, 1, {Bmp("MACOS_TITLE_CLIENT"), Bmp("WINXP_TITLE_CLIENT"), Bmp("DEEPBLUE_TITLE_CLIENT"), Bmp("PROTEIN_TITLE_CLIENT"), Bmp("BLUEGLASS_TITLE_CLIENT")}},
    {"TitleBarRightImage", K::Image, 1, {Bmp("MACOS_TITLE_RIGHT"), Bmp("WINXP_TITLE_RIGHT"), Bmp("DEEPBLUE_TITLE_RIGHT"), Bmp("PROTEIN_TITLE_RIGHT"), Bmp("BLUEGLASS_TITLE_RIGHT")}},
    {"FormMinWidthInt", K::Int, 1, {130, 150, 130, 130, 270}},
    {"FormRoundCornerInt", K::Int, 1, {0, 13, 0, 0, 11}},
    {"FormBackgroundColor", K::Color, 1, {Rgb(0xE7E7E7), Rgb(0xEFEBDE), Rgb(0xE8E8E8), Rgb(0xFBFBFB), Rgb(0xE7E7E7)}},
    {"FormBorderColor", K::Color, 1, {Rgb(0x7F7F7F), Rgb(0x002CC8), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000)}},
    {"FormBorderWidthInt", K::Int, 1, {1, 3, 1, 1, 1}},
    {"MenuSelectedBorderColor", K::Color, 1, {Rgb(0x3973C4), Rgb(0x3169C6), Rgb(0x444AA0), Rgb(0x2D30C4), Rgb(0x5E5EEC)}},
    {"MenuSelectedBackgroundColor", K::Color, 1, {Rgb(0x3973C4), Rgb(0xC6D3EF), Rgb(0x444AA0), Rgb(0x2D30C4), Rgb(0x5E5EEC)}},
    {"MenuSelectedFontColor", K::Color, 1, {Rgb(0xFFFFFF), Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0xFFFFFF), Rgb(0xFFFFFF)}},
    {"MenuBackgroundColor", K::Color, 1, {Rgb(0x000000), Rgb(0xFFFFFF), Rgb(0xFFFFFF), Rgb(0xFFFFFF), Rgb(0xE7E7E7)}},
    {"MenuFontColor", K::Color, 1, {Rgb(0x000000), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000)}},
    {"MenuBarColor", K::Color, 1, {Rgb(0x000000), Rgb(0xD6D3CE), Rgb(0xD6D3CE), Rgb(0xD6D3CE), Rgb(0xD6D3CE)}},
    {"ProgressBarImage", K::Image, 1, {Bmp("MACOS_PROGRESSBAR"), Bmp("WINXP_PROGRESSBAR"), Bmp("DEEPBLUE_PROGRESSBAR"), Bmp("PROTEIN_PROGRESSBAR"), Bmp("BLUEGLASS_PROGRESSBAR")}},
    {"ControlBorderColor", K::Color, 1, {Rgb(0x7F7F7F), Rgb(0x686868), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000)}},
    {"ControlBackgroundColor", K::Color, 1, {Rgb(0xE7E7E7), Rgb(0xEFEBDE), Rgb(0xE8E8E8), Rgb(0xFBFBFB), Rgb(0xE7E7E7)}},
    {"ControlFontColor", K::Color, 1, {Rgb(0x000000), Rgb(0x0246CF), Rgb(0x000000), Rgb(0x000000), Rgb(0x000000)}},
    {"TrackBarBarImage", K::Image, 1, {Bmp("MACOS_TRACKBAR_BAR"), Bmp("WINXP_TRACKBAR_BAR"), Bmp("DEEPBLUE_TRACKBAR_BAR"), Bmp("PROTEIN_TRACKBAR_BAR"), Bmp("BLUEGLASS_TRACKBAR_BAR")}},
    {"TrackBarSliderImage", K::Image, 1, {Bmp("MACOS_TRACKBAR_SLIDER"), Bmp("WINXP_TRACKBAR_SLIDER"), Bmp("DEEPBLUE_TRACKBAR_SLIDER"), Bmp("PROTEIN_TRACKBAR_SLIDER"), Bmp("BLUEGLASS_TRACKBAR_SLIDER")}},
    {"TrackBarSliderVImage", K::Image, 1, {Bmp("MACOS_TRACKBAR_SLIDER_V"), Bmp("WINXP_TRACKBAR_SLIDER_V"), Bmp("DEEPBLUE_TRACKBAR_SLIDER_V"), Bmp("PROTEIN_TRACKBAR_SLIDER_V"), Bmp("BLUEGLASS_TRACKBAR_SLIDER_V")}},
    {"ScrollBarBackgroundColor", K::Color, 1, {Rgb(0xC9C9C9), Rgb(0xF9F9F9), Rgb(0xF5F5F5), Rgb(0xF5F5F5), Rgb(0xF4F4F4)}},
    {"ScrollBarButtonImage", K::Image, 6, {Bmp("MACOS_SCROLLBAR_BUTTON"), Bmp("WINXP_SCROLLBAR_BUTTON"), Bmp("DEEPBLUE_SCROLLBAR_BUTTON"), Bmp("PROTEIN_SCROLLBAR_BUTTON"), Bmp("BLUEGLASS_SCROLLBAR_BUTTON")}},
    {"ScrollBarSliderImage", K::Image, 3, {Bmp("MACOS_SCROLLBAR_TRACK"), Bmp("WINXP_SCROLLBAR_TRACK"), Bmp("DEEPBLUE_SCROLLBAR_TRACK"), Bmp("PROTEIN_SCROLLBAR_TRACK"), Bmp("BLUEGLASS_SCROLLBAR_TRACK")}},
    {"CheckListBoxImage", K::Image, 1, {Bmp("MACOS_CHECKLIST"), Bmp("WINXP_CHECKLIST"), Bmp("DEEPBLUE_CHECKLIST"), Bmp("PROTEIN_CHECKLIST"), Bmp("BLUEGLASS_CHECKLIST")}},
    {"ToolBarButtonBorderColor", K::Color, 1, {Rgb(0x474747), Rgb(0x3169C6), Rgb(0x474747), Rgb(0x474747), Rgb(0x474747)}},
    {"ToolBarButtonBackgroundColor", K::Color, 1, {Rgb(0xEFEFEF), Rgb(0xC6D3EF), Rgb(0xEFEFEF), Rgb(0xEFEFEF), Rgb(0xEFEFEF)}},
    {"ToolBarButtonDownBackgroundColor", K::Color, 1, {Rgb(0xD8D8D8), Rgb(0x93ACE1), Rgb(0xD8D8D8), Rgb(0xD8D8D8), Rgb(0xD8D8D8)}},
    {"ScrollButtonImage", K::Image, 1, {Bmp("MACOS_SCROLLBUTTON"), Bmp("WINXP_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON"), Bmp("MORE_SCROLLBUTTON")}},
    {"TabControlTabImage", K::Image, 1, {Bmp("MACOS_TAB"), Bmp("WINXP_TAB"), Bmp("DEEPBLUE_TAB"), Bmp("PROTEIN_TAB"), Bmp("BLUEGLASS_TAB")}},
    {"TabControlBarImage", K::Image, 1, {Bmp("MACOS_TAB_LINE"), Bmp("WINXP_TAB_LINE"), Bmp("DEEPBLUE_TAB_LINE"), Bmp("PROTEIN_TAB_LINE"), Bmp("BLUEGLASS_TAB_LINE")}},
    {"SideChannelHandleImage", K::Image, 1, {Bmp("MACOS_SIDECHENNEL_HANDLE"), Bmp("WINXP_SIDECHENNEL_HANDLE"), Bmp("DEEPBLUE_SIDECHENNEL_HANDLE"), Bmp("PROTEIN_SIDECHENNEL_HANDLE"), Bmp("BLUEGLASS_SIDECHENNEL_HANDLE")}},
    {"SideChannelBarImage", K::Image, 1, {Bmp("MACOS_SIDECHENNEL_BAR"), Bmp("WINXP_SIDECHENNEL_BAR"), Bmp("DEEPBLUE_SIDECHENNEL_BAR"), Bmp("PROTEIN_SIDECHENNEL_BAR"), Bmp("BLUEGLASS_SIDECHENNEL_BAR")}},
};

// An image cut into n frames must be listed with n frames, or the sizes above are wrong.
consteval bool FrameCountsAgree() {
    for (const ElementRow& row : kElements) {
        if (row.Kind != K::Image) continue;
        for (std::int32_t index : row.Values) {
            const TsuiBuiltInBitmap& bmp = kBitmaps[index];
            if (bmp.FrameCount != row.FrameCount || bmp.Width % bmp.FrameCount != 0) return false;
        }
    }
    return true;
}
static_assert(FrameCountsAgree(), "frame layout of a built-in bitmap disagrees with its element");

// Numbers outside 1 to 42 get an empty row, so a bad cast reads nothing out of bounds.
constexpr ElementRow kNoElement = {"", K::Int, 1, {-1, -1, -1, -1, -1}};

const ElementRow& Row(TsuiThemeElement element) {
    const int number = static_cast<int>(element);
    return (number >= 1 && number <= ThemeElementCount) ? kElements[number - 1] : kNoElement;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

const char* GetUIStyleName(TsuiUIStyle style) {
    static const char* const names[] = {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass"};
    const auto ordinal = static_cast<std::size_t>(style);
    return ordinal < std::size(names) ? names[ordinal] : "";
}

bool IsBuiltInStyle(TsuiUIStyle style) {
    return style >= TsuiUIStyle::MacOS && style <= TsuiUIStyle::BlueGlass;
}

const char* GetThemeElementKey(TsuiThemeElement element) {
    return Row(element).Key;
}

ThemeElementKind GetThemeElementKind(TsuiThemeElement element) {
    return Row(element).Kind;
}

int GetThemeElementFrameCount(TsuiThemeElement element) {
    return Row(element).FrameCount;
}

bool FindThemeElement(std::string_view key, TsuiThemeElement& element) {
    for (int i = 0; i < ThemeElementCount; ++i) {
        const std::string_view candidate = kElements[i].Key;
        if (candidate.size() == key.size() &&
            std::equal(candidate.begin(), candidate.end(), key.begin(),
                       [](char a, char b) { return LowerAscii(a) == LowerAscii(b); })) {
            element = static_cast<TsuiThemeElement>(i + 1);
            return true;
        }
    }
    return false;
}

std::int32_t GetBuiltInThemeValue(TsuiUIStyle style, TsuiThemeElement element, ThemeElementKind& kind) {
    const ElementRow& row = Row(element);
    if (!IsBuiltInStyle(style) || &row == &kNoElement) {
        kind = ThemeElementKind::Int;
        return -1;
    }
    kind = row.Kind;
    return row.Values[static_cast<int>(style) - 1];
}

std::uint32_t GetBuiltInThemeColor(TsuiUIStyle style, TsuiThemeElement element) {
    ThemeElementKind kind;
    const std::int32_t value = GetBuiltInThemeValue(style, element, kind);
    return kind == ThemeElementKind::Color ? static_cast<std::uint32_t>(value) : 0;
}

std::int32_t GetBuiltInThemeInt(TsuiUIStyle style, TsuiThemeElement element) {
    ThemeElementKind kind;
    const std::int32_t value = GetBuiltInThemeValue(style, element, kind);
    return kind == ThemeElementKind::Int ? value : -1;
}

bool GetBuiltInThemeBool(TsuiUIStyle style, TsuiThemeElement element) {
    ThemeElementKind kind;
    const std::int32_t value = GetBuiltInThemeValue(style, element, kind);
    return kind == ThemeElementKind::Bool && value != 0;
}

std::string GetBuiltInThemeBitmapName(TsuiUIStyle style, TsuiThemeElement element) {
    ThemeElementKind kind;
    const std::int32_t value = GetBuiltInThemeValue(style, element, kind);
    return kind == ThemeElementKind::Image ? std::string(kBitmaps[value].Name) : std::string();
}

std::span<const TsuiBuiltInBitmap> GetBuiltInThemeBitmaps() {
    return kBitmaps;
}

const TsuiBuiltInBitmap* FindBuiltInThemeBitmap(std::string_view name) {
    for (const TsuiBuiltInBitmap& bmp : kBitmaps) {
        if (name == bmp.Name) return &bmp;
    }
    return nullptr;
}
