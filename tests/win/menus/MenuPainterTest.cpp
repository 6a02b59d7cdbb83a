// How owner-drawn items look when nobody draws them: highlight only for enabled selected
// items, a check mark in the left column, images from the menu's list, and sizes that grow
// with shortcut texts and bold default items.
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/Win32Color.h"
#include "framework/menus/MenuPainter.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

Color System(Color c) { return RgbToColor(ColorToRgb(c)); }

struct PainterFixture : ::testing::Test {
    Bitmap bitmap{200, 24};
    MenuItem item{nullptr};
    const Rect rect{0, 0, 200, 24};

    void SetUp() override {
        item.SetCaption("Open");
        bitmap.Canvas().Font() = MenuPainter::SystemMenuFont();
    }
    // Pixels of `color` in a rectangle of the bitmap.
    int Count(const Rect& r, Color color) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (bitmap.Pixel(x, y) == color) ++n;
        return n;
    }
    Rect Gutter() const { return Rect{0, 0, MenuPainter::GutterWidth(nullptr), 24}; }
};

TEST_F(PainterFixture, OnlyAnEnabledSelectedItemIsHighlighted) {
    MenuPainter::Draw(item, bitmap.Canvas(), rect, odSelected, false, nullptr);
    EXPECT_EQ(bitmap.Pixel(1, 1), System(clHighlight));
    EXPECT_GT(Count(rect, System(clHighlightText)), 0) << "the caption in the highlight text colour";

    MenuPainter::Draw(item, bitmap.Canvas(), rect, odSelected | odGrayed | odDisabled, false, nullptr);
    EXPECT_EQ(bitmap.Pixel(1, 1), System(clMenu));
    EXPECT_GT(Count(rect, System(clGrayText)), 0);
}

TEST_F(PainterFixture, ACheckedItemShowsItsMarkInTheLeftColumn) {
    MenuPainter::Draw(item, bitmap.Canvas(), rect, 0, false, nullptr);
    EXPECT_EQ(Count(Gutter(), System(clMenuText)), 0);
    item.SetChecked(true);
    MenuPainter::Draw(item, bitmap.Canvas(), rect, 0, false, nullptr);
    EXPECT_GT(Count(Gutter(), System(clMenuText)), 6);
}

TEST_F(PainterFixture, TheImageOfTheItemIsDrawnFromTheMenusList) {
    ImageList images(16, 16);
    Bitmap red(16, 16);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(Rect{0, 0, 16, 16});
    images.Add(red);
    item.SetImageIndex(0);
    const Rect gutter{0, 0, MenuPainter::GutterWidth(&images), 24};
    MenuPainter::Draw(item, bitmap.Canvas(), rect, 0, false, &images);
    EXPECT_EQ(Count(gutter, clRed), 16 * 16);
    item.SetImageIndex(1);  // beyond the list: no image, no error
    MenuPainter::Draw(item, bitmap.Canvas(), rect, 0, false, &images);
    EXPECT_EQ(Count(gutter, clRed), 0);
}

TEST_F(PainterFixture, ASeparatorIsAThinLineWithoutText) {
    item.SetCaption("-");
    MenuPainter::Draw(item, bitmap.Canvas(), rect, odSelected, false, nullptr);
    EXPECT_EQ(Count(rect, System(clHighlight)), 0) << "separators are never highlighted";
    EXPECT_EQ(MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr).Height, 8);
    item.SetCaption("--");  // two hyphens are an ordinary item
    EXPECT_GT(MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr).Height, 8);
}

TEST_F(PainterFixture, SizesGrowWithShortCutTextAndBoldDefaultItems) {
    const Size plain = MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr);
    item.SetShortCut(MakeShortCut('O', scCtrl));
    const Size withKeys = MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr);
    EXPECT_GT(withKeys.Width, plain.Width + bitmap.Canvas().TextWidth("Ctrl+O"));
    item.SetShortCut(scNone);
    item.SetCaption("OOOOOOOOOOOO");
    const Size normal = MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr);
    bitmap.Canvas().Font() = MenuPainter::SystemMenuFont();
    item.SetDefault(true);
    const Size bold = MenuPainter::DefaultSize(item, bitmap.Canvas(), false, nullptr);
    EXPECT_GT(bold.Width, normal.Width);
    EXPECT_EQ(bold.Height, normal.Height);
}

} // namespace
