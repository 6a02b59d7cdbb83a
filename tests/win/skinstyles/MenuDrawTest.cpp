// Menu drawing: the separator line, the MacOS menu pictures cut to their top rows, the border
// around an open menu window, handlers given to a whole item tree, and the system menu font.
#include "tests/win/skinstyles/SkinTestSupport.h"

#include "framework/menus/MenuItem.h"
#include "framework/core/Font.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/core/WideText.h"
#include "framework/graphics/Win32Color.h"
#include "skin/styles/SUIMenuDraw.h"
#include "skin/styles/SUIThemes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

using fw::Bitmap;
using fw::Rect;
using skintest::ExpectRegion;
using skintest::FilledBitmap;
using skintest::kBackground;

namespace {

auto Plain(fw::Color c) {
    return [c](int, int) { return c; };
}

// `rows` top rows of a resource, each column the picture's first column, row y showing source
// row y * rows / height (a stretch of whole rows).
std::function<fw::Color(int, int)> TopRowsStretched(const std::string& resource, int rows, int height) {
    auto picture = std::make_shared<Bitmap>();
    LoadSkinBitmap(resource, *picture);
    return [picture, rows, height](int, int y) { return picture->Pixel(0, y * rows / height); };
}

// The top `rows` rows of the picture differ from the same rows of the uncut picture scaled
// into that many rows, so a missing cut shows.
bool CutIsVisible(const std::string& resource, int rows) {
    Bitmap picture;
    LoadSkinBitmap(resource, picture);
    for (int y = 0; y < rows; ++y)
        if (picture.Pixel(0, y) != picture.Pixel(0, y * picture.Height() / rows)) return true;
    return false;
}

} // namespace

TEST(MenuDraw, SeparatorIsOneLineTwoPixelsBelowTheTop) {
    Bitmap b = FilledBitmap(50, 10, kBackground);
    DrawMenuSeparator(b.Canvas(), Rect{5, 3, 45, 9}, fw::clRed, 6);
    ExpectRegion(b, Rect{15, 5, 43, 6}, Plain(fw::clRed), "from left + offset + 4 to right - 2");
    EXPECT_EQ(b.Pixel(14, 5), kBackground);
    EXPECT_EQ(b.Pixel(43, 5), kBackground);
    ExpectRegion(b, Rect{0, 4, 50, 5}, Plain(kBackground), "row above");
    ExpectRegion(b, Rect{0, 6, 50, 7}, Plain(kBackground), "row below");
}

TEST(MenuDraw, MacOSPicturesAreCutToTheirTopRowsBeforeStretching) {
    ASSERT_TRUE(CutIsVisible("MACOS_MENU_BAR", 12));
    ASSERT_TRUE(CutIsVisible("MACOS_MENU_BAR", 20));

    Bitmap separator = FilledBitmap(30, 24, kBackground);
    DrawMacOSMenuSeparator(separator.Canvas(), Rect{0, 0, 30, 24});
    ExpectRegion(separator, Rect{0, 0, 30, 24}, TopRowsStretched("MACOS_MENU_BAR", 12, 24), "separator: 12 rows");

    Bitmap background = FilledBitmap(30, 40, kBackground);
    DrawMacOSMenuBackground(background.Canvas(), Rect{0, 0, 30, 40});
    ExpectRegion(background, Rect{0, 0, 30, 40}, TopRowsStretched("MACOS_MENU_BAR", 20, 40), "background: 20 rows");

    Bitmap selected = FilledBitmap(30, 25, kBackground);
    DrawMacOSMenuSelected(selected.Canvas(), Rect{0, 0, 30, 20});
    ExpectRegion(selected, Rect{0, 0, 30, 20}, TopRowsStretched("MACOS_MENU_SELECT", 20, 20), "selected: 20 rows");
    ExpectRegion(selected, Rect{0, 20, 30, 25}, Plain(kBackground), "nothing below the rectangle");
}

TEST(MenuDraw, WindowBorderFramesAndEdges) {
    const fw::Color border = fw::clNavy, edge = fw::clLime;
    Bitmap b = FilledBitmap(40, 30, kBackground);
    DrawMenuWindowBorder(b.Canvas(), Rect{5, 5, 35, 25}, border, edge);
    // The polyline (5,24) (34,24) (34,5) (35,5) (5,5) draws over the frames where they meet.
    ExpectRegion(b, Rect{5, 24, 34, 25}, Plain(edge), "bottom edge");
    ExpectRegion(b, Rect{34, 6, 35, 25}, Plain(edge), "right edge");
    ExpectRegion(b, Rect{6, 5, 36, 6}, Plain(edge), "top edge");
    EXPECT_EQ(b.Pixel(5, 5), kBackground) << "the polyline's last point is not drawn";
    ExpectRegion(b, Rect{5, 6, 6, 24}, Plain(border), "border frame, left side");
    ExpectRegion(b, Rect{5, 6, 34, 7}, Plain(border), "border frame, top");
    ExpectRegion(b, Rect{5, 23, 34, 24}, Plain(border), "border frame, bottom");
    ExpectRegion(b, Rect{33, 7, 34, 23}, Plain(border), "border frame, right side");
    ExpectRegion(b, Rect{6, 7, 33, 8}, Plain(fw::clWhite), "white frame, top");
    ExpectRegion(b, Rect{6, 8, 7, 22}, Plain(fw::clWhite), "white frame, left");
    ExpectRegion(b, Rect{7, 8, 32, 22}, Plain(kBackground), "inside untouched");
}

TEST(MenuDraw, WindowBorderGoesOnTheScreenAroundTheWindow) {
    fw::Form* form = new fw::Form(&fw::App());
    form->SetBorderStyle(fw::BorderStyle::None);
    form->SetBounds(100, 100, 60, 40);
    form->Show();
    fw::App().ProcessMessages();
    DrawMenuWindowBorder(form->Handle(), fw::clNavy, fw::clLime);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(fw::RgbToColor(GetPixel(screen, 100, 120)), fw::clNavy) << "border frame, left side";
    EXPECT_EQ(fw::RgbToColor(GetPixel(screen, 101, 120)), fw::clWhite) << "white frame, left side";
    EXPECT_EQ(fw::RgbToColor(GetPixel(screen, 120, 139)), fw::clLime) << "edge along the bottom";
    ReleaseDC(nullptr, screen);
    delete form;
    EXPECT_NO_THROW(DrawMenuWindowBorder(static_cast<HWND>(nullptr), fw::clNavy, fw::clLime));
}

TEST(MenuDraw, HandlersReachEveryItemBelowTheGivenOne) {
    fw::MenuItem root(nullptr);
    auto* file = new fw::MenuItem(nullptr);
    auto* open = new fw::MenuItem(nullptr);
    auto* recent = new fw::MenuItem(nullptr);
    auto* help = new fw::MenuItem(nullptr);
    root.Add(file);
    file->Add(open);
    open->Add(recent);
    root.Add(help);
    fw::MenuItem outside(nullptr);

    std::vector<fw::Component*> measured, drawn;
    SetMenuItemDrawEvents(
        &root, [&](fw::Component* item, fw::Canvas&, int&, int&) { measured.push_back(item); },
        [&](fw::Component* item, fw::Canvas&, const Rect&, bool) { drawn.push_back(item); });

    fw::Canvas canvas;
    int w = 0, h = 0;
    for (fw::MenuItem* item : {&root, file, open, recent, help, &outside}) {
        item->OnMeasureItem(item, canvas, w, h);
        item->OnDrawItem(item, canvas, Rect{}, false);
    }
    const std::vector<fw::Component*> every{&root, file, open, recent, help};
    EXPECT_EQ(measured, every);
    EXPECT_EQ(drawn, every);
    EXPECT_FALSE(outside.OnMeasureItem) << "items outside the tree keep their handlers";
    EXPECT_NO_THROW(SetMenuItemDrawEvents(nullptr, nullptr, nullptr));
}

TEST(MenuDraw, SystemMenuFontAndMenuTextColour) {
    fw::Font font;
    font.SetName("Courier New");
    font.SetColor(fw::clRed);
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    SetSystemMenuFont(font);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
    EXPECT_EQ(font.Name(), fw::WideToGbk(metrics.lfMenuFont.lfFaceName));
    EXPECT_EQ(font.Height(), std::abs(metrics.lfMenuFont.lfHeight));
    EXPECT_EQ(font.Color(), fw::clMenuText);
    EXPECT_EQ(changes, 1) << "one change for the whole font";
}
