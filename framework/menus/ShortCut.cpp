#include "framework/menus/ShortCut.h"

#include <array>
#include <cctype>

namespace fw {

namespace {

struct KeyName {
    int key;
    const char* name;
};

// Named keys other than letters, digits and function keys (those are computed).
constexpr std::array<KeyName, 33> kKeyNames{{
    {0x08, "BkSp"},   {0x09, "Tab"},    {0x0D, "Enter"},  {0x1B, "Esc"},    {0x20, "Space"},  {0x21, "PgUp"},
    {0x22, "PgDn"},   {0x23, "End"},    {0x24, "Home"},   {0x25, "Left"},   {0x26, "Up"},     {0x27, "Right"},
    {0x28, "Down"},   {0x2D, "Ins"},    {0x2E, "Del"},    {0x6A, "Num *"},  {0x6B, "Num +"},  {0x6D, "Num -"},
    {0x6E, "Num ."},  {0x6F, "Num /"},  {0xBA, ";"},      {0xBB, "="},      {0xBC, ","},      {0xBD, "-"},
    {0xBE, "."},      {0xBF, "/"},      {0xC0, "`"},      {0xDB, "["},      {0xDC, "\\"},     {0xDD, "]"},
    {0xDE, "'"},      {0x13, "Pause"},  {0x2C, "PrtSc"},
}};

constexpr int kNumpad0 = 0x60, kF1 = 0x70, kF24 = 0x87;

std::string KeyToName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= kNumpad0 && key <= kNumpad0 + 9) return "Num " + std::to_string(key - kNumpad0);
    if (key >= kF1 && key <= kF24) return "F" + std::to_string(key - kF1 + 1);
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return k.name;
    return {};
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// 0 for an unknown name.
int NameToKey(std::string_view name) {
    if (name.empty()) return 0;
    for (int key = 1; key <= 0xFE; ++key) {
        const std::string known = KeyToName(key);
        if (!known.empty() && SameLetters(known, name)) return key;
    }
    return 0;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() <= prefix.size() || !SameLetters(text.substr(0, prefix.size()), prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

std::string ShortCutToText(ShortCut shortCut) {
    const std::string name = KeyToName(ShortCutKey(shortCut));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

ShortCut TextToShortCut(std::string_view text) {
    ShortCut modifiers = 0;
    // A name of its own may contain '+' ("Num +"), so only known prefixes are split off.
    for (bool found = true; found;) {
        found = false;
        if (TakePrefix(text, "Shift+")) {
            modifiers |= scShift;
            found = true;
        } else if (TakePrefix(text, "Ctrl+")) {
            modifiers |= scCtrl;
            found = true;
        } else if (TakePrefix(text, "Alt+")) {
            modifiers |= scAlt;
            found = true;
        }
    }
    const int key = NameToKey(text);
    return key == 0 ? scNone : MakeShortCut(key, modifiers);
}

} // namespace fw
