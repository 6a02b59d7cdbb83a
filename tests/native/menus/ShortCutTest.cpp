// Shortcut texts: every nameable key with every modifier combination reads back as itself,
// the texts are the ones menus show, and text naming no key gives no shortcut.
#include "framework/menus/ShortCut.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TEST(ShortCutText, EveryNamedKeyWithEveryModifierReadsBackAsItself) {
    const ShortCut modifierSets[] = {0, scShift, scCtrl, scAlt, scShift | scCtrl, scCtrl | scAlt, scShift | scCtrl | scAlt};
    int named = 0;
    for (int key = 1; key <= 0xFF; ++key) {
        for (ShortCut modifiers : modifierSets) {
            const ShortCut s = MakeShortCut(key, modifiers);
            const std::string text = ShortCutToText(s);
            if (text.empty()) continue;
            ++named;
            EXPECT_EQ(TextToShortCut(text), s) << text;
        }
    }
    // Letters, digits, F1-F24, the numeric pad and the editing keys at least.
    EXPECT_GT(named, 90 * 7);
}

TEST(ShortCutText, TextsAreTheMenuTexts) {
    EXPECT_EQ(ShortCutToText(MakeShortCut('S', scCtrl)), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(0x4053), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x2E, scShift | scCtrl | scAlt)), "Shift+Ctrl+Alt+Del");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x73, scAlt)), "Alt+F4");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x87, 0)), "F24");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x6B, scCtrl)), "Ctrl+Num +");
    EXPECT_EQ(ShortCutToText(MakeShortCut(0x65, 0)), "Num 5");
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "") << "modifiers without a key";
    EXPECT_EQ(ShortCutToText(MakeShortCut(0xE5, scCtrl)), "") << "a key without a name";
}

TEST(ShortCutText, ReadingAcceptsAnyOrderAndLetterCase) {
    EXPECT_EQ(TextToShortCut("ctrl+shift+s"), MakeShortCut('S', scShift | scCtrl));
    EXPECT_EQ(TextToShortCut("ALT+f4"), MakeShortCut(0x73, scAlt));
    EXPECT_EQ(TextToShortCut("Ctrl+Num +"), MakeShortCut(0x6B, scCtrl));
    EXPECT_EQ(TextToShortCut("Num +"), MakeShortCut(0x6B, 0));
}

TEST(ShortCutText, TextNamingNoKeyGivesNoShortCut) {
    for (const char* text : {"", "Ctrl+", "Ctrl", "Ctrl+Shift+", "Ctrl+Foo", "Ctrl+SS", "Hyper+S", "+", "F25", "F0",
                             "Num 10", " S", "S "})
        EXPECT_EQ(TextToShortCut(text), scNone) << '"' << text << '"';
}

} // namespace
