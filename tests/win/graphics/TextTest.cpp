// Text on canvases in the Chinese interface font, and the font cache behind it.
#include "framework/graphics/Canvas.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/FontCache.h"
#include "tests/win/graphics/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

using fw::Bitmap;
using fw::Rect;
using graphics_test::ChangedBounds;
using graphics_test::CountPixels;
using graphics_test::Filled;
using graphics_test::Whole;

fw::Font SongTi(int height) {
    fw::Font f;
    f.SetName("宋体");
    f.SetHeight(height);
    f.SetCharset(fw::Font::Gb2312Charset);
    f.SetColor(fw::clBlack);
    return f;
}

int NonWhite(const Bitmap& b, const Rect& r) {
    return CountPixels(b, r, [](fw::Color c) { return c != fw::clWhite; });
}

TEST(CanvasText, ChineseTextIsDrawnCentredInsideItsRectangle) {
    Bitmap b = Filled(140, 50, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Font() = SongTi(16);
    c.Brush().SetStyle(fw::BrushStyle::Clear);
    const Rect box{10, 5, 130, 45};
    Rect r = box;
    c.DrawText("真的要退出程序吗？", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const Rect ink = ChangedBounds(b, fw::clWhite);
    ASSERT_FALSE(ink.Empty()) << "no text was drawn";
    EXPECT_GT(NonWhite(b, Whole(b)), 100) << "nine characters leave more than a few dots";
    EXPECT_EQ(ink.Intersect(box), ink) << "ink outside the rectangle";
    EXPECT_LE(std::abs((ink.Left + ink.Right) - (box.Left + box.Right)), 8) << "not centred horizontally";
    EXPECT_LE(std::abs((ink.Top + ink.Bottom) - (box.Top + box.Bottom)), 8) << "not centred vertically";
    EXPECT_GE(ink.Width(), 9 * 12) << "nine full-width characters of a 16-pixel font";
}

TEST(CanvasText, DifferentChineseCharactersGiveDifferentGlyphs) {
    // A font without these characters would draw the same empty box for each.
    Bitmap a = Filled(20, 20, fw::clWhite);
    Bitmap b = Filled(20, 20, fw::clWhite);
    for (auto [bitmap, text] : {std::pair{&a, "密"}, std::pair{&b, "码"}}) {
        bitmap->Canvas().Font() = SongTi(16);
        bitmap->Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
        bitmap->Canvas().TextOut(2, 2, text);
    }
    int differing = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) ++differing;
    EXPECT_GT(differing, 20);
    EXPECT_GT(NonWhite(a, Whole(a)), 20);
}

TEST(CanvasText, AlignmentFlagsPlaceTheText) {
    Bitmap left = Filled(120, 24, fw::clWhite);
    Bitmap right = Filled(120, 24, fw::clWhite);
    for (Bitmap* b : {&left, &right}) {
        b->Canvas().Font() = SongTi(16);
        b->Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
    }
    Rect r1{0, 0, 120, 24};
    left.Canvas().DrawText("密码", r1, DT_LEFT | DT_SINGLELINE);
    Rect r2{0, 0, 120, 24};
    right.Canvas().DrawText("密码", r2, DT_RIGHT | DT_SINGLELINE);
    EXPECT_LT(ChangedBounds(left, fw::clWhite).Right, 40);
    EXPECT_GT(ChangedBounds(right, fw::clWhite).Left, 80);
}

TEST(CanvasText, CalculatingARectangleDrawsNothing) {
    Bitmap b = Filled(100, 30, fw::clWhite);
    b.Canvas().Font() = SongTi(16);
    Rect r{0, 0, 100, 30};
    const int h = b.Canvas().DrawText("用户名", r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GE(h, 14);
    EXPECT_EQ(r.Width(), b.Canvas().TextWidth("用户名"));
    EXPECT_EQ(NonWhite(b, Whole(b)), 0);
}

TEST(CanvasText, TextExtentGrowsWithTextAndFont) {
    Bitmap b(4, 4);
    fw::Canvas& c = b.Canvas();
    c.Font() = SongTi(16);
    const fw::Size two = c.TextExtent("密码");
    EXPECT_GE(two.Width, 2 * 12);
    EXPECT_GE(two.Height, 14);
    EXPECT_LE(two.Height, 24);
    EXPECT_EQ(c.TextWidth("密码密码"), 2 * two.Width);
    EXPECT_EQ(c.TextWidth(""), 0);
    c.Font().SetHeight(32);
    EXPECT_GT(c.TextHeight("密码"), two.Height + 10) << "a changed font takes effect at once";
}

TEST(CanvasText, TextRectClipsToItsRectangleAndFillsItWithASolidBrush) {
    Bitmap b = Filled(80, 30, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Font() = SongTi(16);
    c.Brush().SetColor(fw::clYellow);
    const Rect box{20, 5, 50, 25};
    c.TextRect(box, 5, 7, "网络软件生活");
    EXPECT_EQ(ChangedBounds(b, fw::clWhite), box) << "text starts left of the box but stays inside it";
    EXPECT_EQ(CountPixels(b, box, [](fw::Color p) { return p == fw::clWhite; }), 0);
    EXPECT_GT(CountPixels(b, box, [](fw::Color p) { return p == fw::clBlack; }), 10);
}

TEST(CanvasText, TextOutUsesTheFontColourAndTheBrushBehindIt) {
    Bitmap b = Filled(60, 24, fw::clWhite);
    fw::Canvas& c = b.Canvas();
    c.Font() = SongTi(16);
    c.Font().SetColor(fw::clRed);
    c.Brush().SetColor(fw::clNavy);
    c.TextOut(2, 2, "生活");
    EXPECT_GT(graphics_test::CountColour(b, Whole(b), fw::clRed), 10);
    EXPECT_GT(graphics_test::CountColour(b, Whole(b), fw::clNavy), 100) << "solid brush paints the background";
    EXPECT_EQ(b.Pixel(59, 23), fw::clWhite);
    const Rect ink = ChangedBounds(b, fw::clWhite);
    EXPECT_EQ(ink.TopLeft(), (fw::Point{2, 2}));
}

TEST(CanvasText, BoldTextHasMoreInk) {
    Bitmap normal = Filled(80, 24, fw::clWhite);
    Bitmap bold = Filled(80, 24, fw::clWhite);
    normal.Canvas().Font() = SongTi(16);
    fw::Font f = SongTi(16);
    f.SetStyle(fw::fsBold);
    bold.Canvas().Font() = f;
    for (Bitmap* b : {&normal, &bold}) {
        b->Canvas().Brush().SetStyle(fw::BrushStyle::Clear);
        b->Canvas().TextOut(0, 0, "网络");
    }
    EXPECT_GT(NonWhite(bold, Whole(bold)), NonWhite(normal, Whole(normal)));
}

TEST(FontCache, LogicalFontCarriesEveryValue) {
    fw::Font f = SongTi(12);
    f.SetStyle(fw::fsBold | fw::fsItalic | fw::fsUnderline | fw::fsStrikeOut);
    const LOGFONTW lf = fw::FontCache::MakeLogFont(f);
    EXPECT_EQ(lf.lfHeight, -12) << "pixel height is the character height";
    EXPECT_EQ(std::wstring(lf.lfFaceName), std::wstring(L"\u5b8b\u4f53"));
    EXPECT_EQ(lf.lfCharSet, 134);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_TRUE(lf.lfStrikeOut);
    fw::Font longName;
    longName.SetName(std::string(40, 'A'));
    const LOGFONTW cut = fw::FontCache::MakeLogFont(longName);
    EXPECT_EQ(std::wstring(cut.lfFaceName).size(), size_t{LF_FACESIZE - 1});
}

TEST(FontCache, EqualFontsShareOneHandleAndColourDoesNotCount) {
    fw::Font a = SongTi(14);
    fw::Font b = SongTi(14);
    b.SetColor(fw::clRed);
    const int before = fw::FontCache::Count();
    HFONT ha = fw::FontCache::Get(a);
    EXPECT_EQ(fw::FontCache::Get(b), ha);
    b.SetHeight(15);
    EXPECT_NE(fw::FontCache::Get(b), ha);
    EXPECT_LE(fw::FontCache::Count(), before + 2);
}

} // namespace
