#pragma once
// Colours as the model stores them: 0x00BBGGRR (red in the lowest byte); 0xFF0000nn names
// the platform's system colour number nn. Named colours (clBlack, clBtnFace, ...) map to these.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

using Color = std::uint32_t;

constexpr Color RgbColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}
constexpr Color SystemColor(int index) { return 0xFF000000u | static_cast<Color>(index & 0xFF); }
constexpr bool IsSystemColor(Color c) { return (c & 0xFFFFFF00u) == 0xFF000000u; }
constexpr int SystemColorIndex(Color c) { return static_cast<int>(c & 0xFFu); }
constexpr std::uint8_t RedOf(Color c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

constexpr Color clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
// Special values: no colour at all, and "whatever the control's default is".
constexpr Color clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr Color clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                clMenu = SystemColor(4), clWindow = SystemColor(5), clWindowFrame = SystemColor(6),
                clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                clBtnFace = SystemColor(15), clBtnShadow = SystemColor(16), clGrayText = SystemColor(17),
                clBtnText = SystemColor(18), clInactiveCaptionText = SystemColor(19),
                clBtnHighlight = SystemColor(20), cl3DDkShadow = SystemColor(21),
                cl3DLight = SystemColor(22), clInfoText = SystemColor(23), clInfoBk = SystemColor(24),
                clHotLight = SystemColor(26), clGradientActiveCaption = SystemColor(27),
                clGradientInactiveCaption = SystemColor(28), clMenuHighlight = SystemColor(29),
                clMenuBar = SystemColor(30);

// "clBtnFace" -> clBtnFace (letter case ignored); nullopt for an unknown name.
std::optional<Color> ColorFromName(std::string_view name);
// The colour's name if it has one ("clWhite"), else "$00BBGGRR".
std::string ColorToString(Color c);
// Accepts a colour name, "$hex" or a decimal number (negative numbers are taken as 32-bit
// two's complement, so -16777201 is clBtnFace); nullopt for anything else or out of range.
std::optional<Color> ColorFromString(std::string_view text);

} // namespace fw
