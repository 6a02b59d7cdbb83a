#include "framework/core/GbkText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Our sources are compiled with -fexec-charset=GBK: narrow literals are GBK bytes.
const std::string kMyVornik = "我的Vornik";

std::string Utf8Literal(const char8_t* s) { return std::string(reinterpret_cast<const char*>(s)); }

TEST(GbkTextTest, ChineseTextRoundTripsThroughUtf16AndUtf8) {
    ASSERT_EQ(kMyVornik, "\xCE\xD2\xB5\xC4Vornik");
    const std::u16string wide = fw::GbkToUtf16(kMyVornik);
    EXPECT_EQ(wide, u"我的Vornik");
    EXPECT_EQ(fw::Utf16ToGbk(wide), kMyVornik);
    const std::string utf8 = fw::GbkToUtf8(kMyVornik);
    EXPECT_EQ(utf8, Utf8Literal(u8"我的Vornik"));
    EXPECT_EQ(fw::Utf8ToGbk(utf8), kMyVornik);
    EXPECT_EQ(fw::Utf8ToUtf16(utf8), wide);
    EXPECT_EQ(fw::Utf16ToUtf8(wide), utf8);
}

TEST(GbkTextTest, EveryDoubleByteCharacterRoundTrips) {
    int mapped = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string wide = fw::GbkToUtf16(gbk);
            ASSERT_EQ(wide.size(), 1u);
            if (wide == u"?") continue;
            ++mapped;
            ASSERT_EQ(fw::Utf16ToGbk(wide), gbk) << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(mapped, 21791);
}

TEST(GbkTextTest, WindowsSpecificsAndUnmappableCharacters) {
    EXPECT_EQ(fw::GbkToUtf16("\x80"), u"\u20AC");
    EXPECT_EQ(fw::Utf16ToGbk(u"\u20AC"), "\x80");
    EXPECT_EQ(fw::GbkToUtf16("\xFF"), u"?");
    // A lead byte without a valid trail byte stands alone; the next byte is read again.
    EXPECT_EQ(fw::GbkToUtf16("\x81" "A"), u"\u4E04");
    EXPECT_EQ(fw::GbkToUtf16("\x81\x7F" "A"), u"?\x7F" "A");
    EXPECT_EQ(fw::GbkToUtf16("ab\xCE"), u"ab?");
    // Characters the code page lacks.
    EXPECT_EQ(fw::Utf16ToGbk(u"\u00C5x"), "?x");
    EXPECT_EQ(fw::Utf16ToGbk(u"\U0001F600"), "?");
    EXPECT_EQ(fw::Utf16ToGbk(std::u16string(1, char16_t(0xD800)) + u"a"), "?a");
    EXPECT_EQ(fw::Utf8ToGbk("\xC0\xAF" "a\xED\xA0\x80" "b\xF0\x9F\x98\x80"), "??a?b?");
    EXPECT_EQ(fw::Utf8ToGbk("\xE4\xB8"), "?");
}

TEST(GbkTextTest, CutsNeverSplitADoubleByteCharacter) {
    EXPECT_EQ(fw::GbkCut(kMyVornik, 0), "");
    EXPECT_EQ(fw::GbkCut(kMyVornik, 1), "");
    EXPECT_EQ(fw::GbkCut(kMyVornik, 2), "我");
    EXPECT_EQ(fw::GbkCut(kMyVornik, 3), "我");
    EXPECT_EQ(fw::GbkCut(kMyVornik, 5), "我的V");
    EXPECT_EQ(fw::GbkCut(kMyVornik, 100), kMyVornik);
    // Lead bytes take the next byte even when it is ASCII-like.
    EXPECT_EQ(fw::GbkCut("a\x81" "Ab", 2), "a");
    EXPECT_EQ(fw::GbkCut("a\x81" "Ab", 3), "a\x81" "A");
    EXPECT_EQ(fw::GbkCharCount(kMyVornik), 8u);
    EXPECT_EQ(fw::GbkCharCount("x\xCE"), 2u);
    // Fifty bytes of a 26-character Chinese caption hold 25 characters.
    std::string caption;
    for (int i = 0; i < 26; ++i) caption += "汉";
    EXPECT_EQ(fw::GbkCut(caption, 50).size(), 50u);
    EXPECT_EQ(fw::GbkCut("x" + caption, 50).size(), 49u);
}

TEST(GbkTextTest, CaseFoldingLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ(fw::GbkUpperCase("suiForm1 我的\x81" "a"), "SUIFORM1 我的\x81" "a");
    EXPECT_EQ(fw::GbkLowerCase("EDIT\x81" "A"), "edit\x81" "A");
    EXPECT_TRUE(fw::GbkSameText("TreeView1", "treeview1"));
    EXPECT_FALSE(fw::GbkSameText("\x81" "a", "\x81" "A"));
    EXPECT_FALSE(fw::GbkSameText("abc", "abcd"));
    EXPECT_LT(fw::GbkCompareText("abc", "ABD"), 0);
    EXPECT_GT(fw::GbkCompareText("b", "A"), 0);
}

TEST(GbkTextTest, RandomBytesNeverBreakTheConverters) {
    std::mt19937 rng(936);
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(rng() % 64, '\0');
        for (char& c : bytes) c = static_cast<char>(rng());
        const std::u16string wide = fw::GbkToUtf16(bytes);
        EXPECT_LE(wide.size(), bytes.size());
        // Whatever came out of GBK is valid UTF-16 made only of characters GBK has or '?'.
        EXPECT_EQ(fw::GbkToUtf16(fw::Utf16ToGbk(wide)), wide);
        EXPECT_EQ(fw::Utf8ToGbk(fw::GbkToUtf8(bytes)), fw::Utf16ToGbk(wide));
        fw::Utf8ToGbk(bytes);
        fw::Utf8ToUtf16(bytes);
        std::u16string units(bytes.size() / 2, u'\0');
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) << 8 | static_cast<unsigned char>(bytes[2 * i + 1]));
        fw::Utf16ToGbk(units);
        // Lone surrogates become U+FFFD once; after that UTF-16 and UTF-8 convert losslessly.
        const std::u16string cleaned = fw::Utf8ToUtf16(fw::Utf16ToUtf8(units));
        EXPECT_EQ(cleaned.size(), units.size());
        EXPECT_EQ(fw::Utf8ToUtf16(fw::Utf16ToUtf8(cleaned)), cleaned);
        const size_t limit = rng() % 70;
        const std::string cut = fw::GbkCut(bytes, limit);
        EXPECT_LE(cut.size(), limit);
        EXPECT_EQ(bytes.compare(0, cut.size(), cut), 0);
        EXPECT_EQ(fw::GbkCharCount(cut) + fw::GbkCharCount(bytes.substr(cut.size())), fw::GbkCharCount(bytes));
    }
}

} // namespace
