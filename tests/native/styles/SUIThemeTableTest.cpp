#include "skin/styles/SUIThemeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using E = TsuiThemeElement;
using S = TsuiUIStyle;
using K = ThemeElementKind;

constexpr S kBuiltIn[] = {S::MacOS, S::WinXP, S::DeepBlue, S::Protein, S::BlueGlass};

TsuiThemeElement Element(int number) {
    return static_cast<TsuiThemeElement>(number);
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(SUIThemeTable, StylesOutsideTheBuiltInFiveGiveTheNoStyleAnswers) {
    for (S style : {S::FromThemeFile, static_cast<S>(6), static_cast<S>(255)}) {
        SCOPED_TRACE(static_cast<int>(style));
        for (int number = 1; number <= ThemeElementCount; ++number) {
            K kind = K::Image;
            EXPECT_EQ(GetBuiltInThemeValue(style, Element(number), kind), -1);
            EXPECT_EQ(kind, K::Int);
            EXPECT_EQ(GetBuiltInThemeColor(style, Element(number)), 0u);
            EXPECT_EQ(GetBuiltInThemeBool(style, Element(number)), false);
            EXPECT_EQ(GetBuiltInThemeBitmapName(style, Element(number)), "");
        }
    }
    EXPECT_EQ(GetBuiltInThemeInt(S::FromThemeFile, E::FormMinWidthInt), -1);
    EXPECT_EQ(GetBuiltInThemeColor(S::FromThemeFile, E::FormBorderColor), 0u);
    EXPECT_FALSE(GetBuiltInThemeBool(S::FromThemeFile, E::ButtonTransparentBool));
}

struct WrongKindCase {
    S Style;
    E Element;
};

TEST(SUIThemeTable, LookupsOfAnotherKindGiveTheNotOfThisKindAnswers) {
    // Each element is read through every lookup that does not match its kind.
    const WrongKindCase cases[] = {
        {S::WinXP, E::FormMinWidthInt},      {S::WinXP, E::FormBorderColor}, {S::MacOS, E::ButtonTransparentBool},
        {S::BlueGlass, E::ScrollBarButtonImage}, {S::Protein, E::TitleBarButtonRightOffsetInt},
        {S::DeepBlue, E::MenuFontColor},
    };
    for (const WrongKindCase& c : cases) {
        SCOPED_TRACE(GetThemeElementKey(c.Element));
        const K kind = GetThemeElementKind(c.Element);
        if (kind != K::Color) {
            EXPECT_EQ(GetBuiltInThemeColor(c.Style, c.Element), 0u);
        }
        if (kind != K::Int) {
            EXPECT_EQ(GetBuiltInThemeInt(c.Style, c.Element), -1);
        }
        if (kind != K::Bool) {
            EXPECT_FALSE(GetBuiltInThemeBool(c.Style, c.Element));
        }
        if (kind != K::Image) {
            EXPECT_EQ(GetBuiltInThemeBitmapName(c.Style, c.Element), "");
        }
    }
    // Colours that are 0 or 1 must not leak through the boolean lookup, nor images through the integer one.
    EXPECT_FALSE(GetBuiltInThemeBool(S::MacOS, E::MenuSelectedFontColor));
    EXPECT_EQ(GetBuiltInThemeInt(S::MacOS, E::ButtonImage), -1);
    EXPECT_EQ(GetBuiltInThemeColor(S::WinXP, E::FormMinWidthInt), 0u);
    EXPECT_EQ(GetBuiltInThemeInt(S::WinXP, E::FormBorderColor), -1);
}

TEST(SUIThemeTable, NegativeIntegersAreValuesNotTheNotAnIntAnswer) {
    EXPECT_EQ(GetBuiltInThemeInt(S::MacOS, E::TitleBarButtonRightOffsetInt), -2);
    EXPECT_EQ(GetBuiltInThemeInt(S::WinXP, E::TitleBarButtonRightOffsetInt), -2);
    EXPECT_EQ(GetBuiltInThemeInt(S::BlueGlass, E::TitleBarButtonRightOffsetInt), -3);
    EXPECT_EQ(GetBuiltInThemeInt(S::DeepBlue, E::TitleBarButtonRightOffsetInt), 0);
    K kind = K::Image;
    EXPECT_EQ(GetBuiltInThemeValue(S::MacOS, E::TitleBarButtonRightOffsetInt, kind), -2);
    EXPECT_EQ(kind, K::Int);
}

TEST(SUIThemeTable, ValuesOfTheLooks) {
    EXPECT_EQ(GetBuiltInThemeInt(S::BlueGlass, E::FormMinWidthInt), 270);
    EXPECT_EQ(GetBuiltInThemeInt(S::WinXP, E::FormRoundCornerInt), 13);
    EXPECT_EQ(GetBuiltInThemeInt(S::WinXP, E::FormBorderWidthInt), 3);
    EXPECT_EQ(GetBuiltInThemeInt(S::BlueGlass, E::TitleBarButtonTopInt), 6);
    EXPECT_TRUE(GetBuiltInThemeBool(S::MacOS, E::ButtonTransparentBool));
    EXPECT_FALSE(GetBuiltInThemeBool(S::WinXP, E::ButtonTransparentBool));
    EXPECT_TRUE(GetBuiltInThemeBool(S::Protein, E::TitleBarButtonTransparentBool));
    EXPECT_FALSE(GetBuiltInThemeBool(S::MacOS, E::TitleBarButtonTransparentBool));
}

TEST(SUIThemeTable, ColoursAreStoredWithRedInTheLowestByte) {
    EXPECT_EQ(GetBuiltInThemeColor(S::MacOS, E::MenuSelectedBorderColor), 0x00C47339u);  // #3973C4
    EXPECT_EQ(GetBuiltInThemeColor(S::WinXP, E::FormBorderColor), 0x00C82C00u);          // #002CC8
    EXPECT_EQ(GetBuiltInThemeColor(S::WinXP, E::ControlFontColor), 0x00CF4602u);         // #0246CF
    EXPECT_EQ(GetBuiltInThemeColor(S::WinXP, E::MenuBarColor), 0x00CED3D6u);             // #D6D3CE
    EXPECT_EQ(GetBuiltInThemeColor(S::BlueGlass, E::MenuSelectedBackgroundColor), 0x00EC5E5Eu);
    EXPECT_EQ(GetBuiltInThemeColor(S::DeepBlue, E::FormBorderColor), 0u);
}

TEST(SUIThemeTable, KeysEndInTheirKindAndFindTheirElement) {
    std::set<std::string> keys;
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const std::string key = GetThemeElementKey(Element(number));
        SCOPED_TRACE(key);
        keys.insert(key);
        switch (GetThemeElementKind(Element(number))) {
        case K::Int: EXPECT_TRUE(EndsWith(key, "Int")); break;
        case K::Color: EXPECT_TRUE(EndsWith(key, "Color")); break;
        case K::Image: EXPECT_TRUE(EndsWith(key, "Image")); break;
        case K::Bool: EXPECT_TRUE(EndsWith(key, "Bool")); break;
        }
        TsuiThemeElement found{};
        ASSERT_TRUE(FindThemeElement(key, found));
        EXPECT_EQ(found, Element(number));
    }
    EXPECT_EQ(keys.size(), 42u);
    EXPECT_STREQ(GetThemeElementKey(E::ButtonImage), "ButtonImage");
    EXPECT_STREQ(GetThemeElementKey(E::SideChannelBarImage), "SideChannelBarImage");
    EXPECT_EQ(static_cast<int>(E::SideChannelBarImage), 42);

    TsuiThemeElement found{};
    EXPECT_TRUE(FindThemeElement("formbordercolor", found));
    EXPECT_EQ(found, E::FormBorderColor);
    EXPECT_FALSE(FindThemeElement("FormBorderColour", found));
    EXPECT_FALSE(FindThemeElement("", found));
}

TEST(SUIThemeTable, ElementNumbersOutsideTheTableReadNothing) {
    for (int number : {0, 43, 255}) {
        K kind = K::Image;
        EXPECT_EQ(GetBuiltInThemeValue(S::MacOS, Element(number), kind), -1);
        EXPECT_EQ(kind, K::Int);
        EXPECT_STREQ(GetThemeElementKey(Element(number)), "");
    }
}

TEST(SUIThemeTable, EveryImageNamesAListedBitmapWithTheElementsFrames) {
    const char* prefixes[] = {"MACOS_", "WINXP_", "DEEPBLUE_", "PROTEIN_", "BLUEGLASS_"};
    std::set<std::string> named;
    for (int number = 1; number <= ThemeElementCount; ++number) {
        const E element = Element(number);
        for (int s = 0; s < 5; ++s) {
            const std::string name = GetBuiltInThemeBitmapName(kBuiltIn[s], element);
            if (GetThemeElementKind(element) != K::Image) {
                EXPECT_EQ(name, "");
                continue;
            }
            SCOPED_TRACE(name);
            const TsuiBuiltInBitmap* bitmap = FindBuiltInThemeBitmap(name);
            ASSERT_NE(bitmap, nullptr);
            EXPECT_EQ(bitmap->FrameCount, GetThemeElementFrameCount(element));
            EXPECT_EQ(bitmap->Width % bitmap->FrameCount, 0);
            K kind = K::Int;
            const std::int32_t value = GetBuiltInThemeValue(kBuiltIn[s], element, kind);
            EXPECT_EQ(kind, K::Image);
            EXPECT_STREQ(GetBuiltInThemeBitmaps()[value].Name, name.c_str());
            if (name != "MORE_SCROLLBUTTON") {
                EXPECT_EQ(name.rfind(prefixes[s], 0), 0u);
            }
            named.insert(name);
        }
    }
    EXPECT_EQ(named.size(), 93u);  // 19 images in 5 looks, three of which share MORE_SCROLLBUTTON

    const std::set<std::string> fixedNames = {"MACOS_FORM_BACKGROUND", "PROTEIN_FORM_BACKGROUND", "MACOS_MENU_BAR",
                                              "MACOS_MENU_SELECT",     "MENU_CHECKED",            "SIDECHANNEL_BTN",
                                              "MSGDLG"};
    std::set<std::string> listed;
    for (const TsuiBuiltInBitmap& bitmap : GetBuiltInThemeBitmaps()) {
        EXPECT_TRUE(listed.insert(bitmap.Name).second) << bitmap.Name << " listed twice";
        EXPECT_TRUE(named.count(bitmap.Name) || fixedNames.count(bitmap.Name)) << bitmap.Name << " is named by nothing";
        EXPECT_GT(bitmap.Width, 0);
        EXPECT_GT(bitmap.Height, 0);
    }
    EXPECT_EQ(listed.size(), 100u);
    EXPECT_EQ(FindBuiltInThemeBitmap("macos_button"), nullptr);
}

TEST(SUIThemeTable, SharedScrollButtonAndFrameSizes) {
    for (S style : {S::DeepBlue, S::Protein, S::BlueGlass}) {
        EXPECT_EQ(GetBuiltInThemeBitmapName(style, E::ScrollButtonImage), "MORE_SCROLLBUTTON");
    }
    EXPECT_EQ(GetBuiltInThemeBitmapName(S::MacOS, E::ScrollButtonImage), "MACOS_SCROLLBUTTON");
    EXPECT_EQ(GetBuiltInThemeBitmapName(S::WinXP, E::TitleBarButtonImage), "WINXP_TITLEBTN");
    EXPECT_EQ(GetBuiltInThemeBitmapName(S::Protein, E::ScrollBarSliderImage), "PROTEIN_SCROLLBAR_TRACK");
    EXPECT_EQ(GetBuiltInThemeBitmapName(S::DeepBlue, E::SideChannelHandleImage), "DEEPBLUE_SIDECHENNEL_HANDLE");

    // Frame sizes follow from width div frames.
    const TsuiBuiltInBitmap* blueGlassButtons = FindBuiltInThemeBitmap("BLUEGLASS_SCROLLBAR_BUTTON");
    ASSERT_NE(blueGlassButtons, nullptr);
    EXPECT_EQ(blueGlassButtons->Width / blueGlassButtons->FrameCount, 17);
    EXPECT_EQ(blueGlassButtons->Height, 16);
    const TsuiBuiltInBitmap* macButton = FindBuiltInThemeBitmap("MACOS_BUTTON");
    ASSERT_NE(macButton, nullptr);
    EXPECT_EQ(macButton->Width / macButton->FrameCount, 84);
    EXPECT_EQ(macButton->Height, 23);
    const TsuiBuiltInBitmap* icons = FindBuiltInThemeBitmap("MSGDLG");
    ASSERT_NE(icons, nullptr);
    EXPECT_EQ(icons->Width / icons->FrameCount, 42);
    // Buttons are drawn as nine pieces, which needs odd heights.
    for (S style : kBuiltIn) {
        EXPECT_EQ(FindBuiltInThemeBitmap(GetBuiltInThemeBitmapName(style, E::ButtonImage))->Height % 2, 1);
    }
}

}  // namespace
