#pragma once
// Menu shortcuts as one number: the virtual-key code in the low byte and the modifiers in the
// high bits (Ctrl+S is 0x4053), the value designed windows store. The texts are the ones menus
// show beside their items ("Ctrl+S", "Shift+Del", "F5"). No <windows.h> here: the key codes
// are the platform's virtual-key numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using ShortCut = std::uint16_t;

constexpr ShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

// Only the low byte of `key` is kept.
constexpr ShortCut MakeShortCut(int key, ShortCut modifiers) {
    return static_cast<ShortCut>((key & 0xFF) | (modifiers & (scShift | scCtrl | scAlt)));
}
constexpr int ShortCutKey(ShortCut s) { return s & 0xFF; }
constexpr ShortCut ShortCutModifiers(ShortCut s) { return static_cast<ShortCut>(s & (scShift | scCtrl | scAlt)); }

// "Shift+Ctrl+Alt+" in that order before the key's name; empty for no shortcut or a key
// without a name.
std::string ShortCutToText(ShortCut shortCut);
// Reads what ShortCutToText writes, modifiers in any order and letters in either case; 0 for
// text that names no key.
ShortCut TextToShortCut(std::string_view text);

} // namespace fw
