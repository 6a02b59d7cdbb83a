// The skinned popup menu: heights and widths per look, what each kind of item draws (separators,
// selection, disabled and checked items), and the tray menu opened for real and driven with
// keys through the system's input queue, with a screenshot of it in every look.
#include "OpenMenuSupport.h"
#include "tests/win/forms/WinTestSupport.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/MenuPainter.h"
#include "skin/frame/SUIPopupMenu.h"
#include "skin/styles/SUIPublic.h"
#include "skin/styles/SUIThemes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace skinframe;

constexpr TsuiUIStyle kLooks[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                  TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

struct PopupFixture : ::testing::Test {
    fwtest::Owned<TsuiPopupMenu> menu{new TsuiPopupMenu(nullptr)};

    fw::MenuItem* AddItem(const std::string& caption) {
        auto* item = new fw::MenuItem(nullptr);
        item->SetCaption(caption);
        menu->Items().Add(item);
        return item;
    }
    // The main window's tray menu.
    void TrayItems() {
        AddItem("写信给我");
        AddItem("显示界面");
        AddItem("退    出");
        menu->SetFlatMenu(true);
        menu->SetMenuAnimation(fw::maBottomToTop);
        menu->HookItemDrawing();
    }
    // An item drawn into a bitmap of its own.
    fw::Bitmap Draw(fw::MenuItem* item, bool selected, int width = 120) {
        int w = 0, h = 0;
        fw::Bitmap b(width, 21);
        menu->MeasureMenuItem(item, b.Canvas(), w, h);
        b.SetSize(width, h);
        menu->DrawMenuItem(item, b.Canvas(), fw::Rect{0, 0, width, h}, selected);
        GdiFlush();
        return b;
    }
};

TEST_F(PopupFixture, HeightsAndWidthsFollowTheLook) {
    fw::MenuItem* line = AddItem("-");
    fw::MenuItem* dashes = AddItem("--");
    TrayItems();
    fw::Bitmap scratch(1, 1);
    fw::Canvas& canvas = scratch.Canvas();
    canvas.Font() = fw::MenuPainter::SystemMenuFont();
    int w = 0, h = 0;
    menu->SetUIStyle(TsuiUIStyle::MacOS);
    menu->SetMenuItemHeight(30);
    menu->SetSeparatorHeight(30);
    menu->MeasureMenuItem(menu->Items().Items(2), canvas, w, h);
    EXPECT_EQ(h, 20) << "MacOS keeps its picture's height";
    menu->MeasureMenuItem(line, canvas, w, h);
    EXPECT_EQ(h, 12);
    menu->SetUIStyle(TsuiUIStyle::WinXP);
    menu->MeasureMenuItem(line, canvas, w, h);
    EXPECT_EQ(h, 5);
    menu->MeasureMenuItem(dashes, canvas, w, h);
    EXPECT_EQ(h, 21) << "two hyphens are an ordinary item";
    menu->SetMenuItemHeight(30);
    menu->MeasureMenuItem(dashes, canvas, w, h);
    EXPECT_EQ(h, 30);
    for (int i = 2; i < 5; ++i) {
        fw::MenuItem* item = menu->Items().Items(i);
        menu->MeasureMenuItem(item, canvas, w, h);
        EXPECT_EQ(w, canvas.TextWidth(item->Caption()) + 26 + 40) << item->Caption();
    }
}

TEST_F(PopupFixture, SeparatorsSelectionAndDisabledItemsDrawAsTheirKind) {
    fw::MenuItem* line = AddItem("-");
    fw::MenuItem* dashes = AddItem("--");
    fw::MenuItem* off = AddItem("Off");
    off->SetEnabled(false);
    fw::MenuItem* checked = AddItem("On");
    checked->SetChecked(true);
    menu->SetUIStyle(TsuiUIStyle::DeepBlue);
    const fw::Color bar = menu->BarColor(), back = menu->Color(), chosen = menu->SelectedColor();

    const fw::Bitmap separator = Draw(line, false);
    EXPECT_EQ(separator.Height(), 5);
    EXPECT_EQ(separator.Pixel(5, 0), bar);
    EXPECT_EQ(separator.Pixel(60, 0), back);
    EXPECT_EQ(separator.Pixel(60, 2), menu->SeparatorColor()) << "the line two pixels down";
    EXPECT_EQ(separator.Pixel(26 + 3, 2), back) << "the line starts 4 pixels right of the bar";

    const fw::Bitmap selected = Draw(dashes, true);
    EXPECT_EQ(selected.Pixel(5, 10), chosen) << "the selection covers the bar too";
    EXPECT_EQ(selected.Pixel(0, 0), menu->SelectedBorderColor());

    const fw::Bitmap disabled = Draw(off, true);
    EXPECT_EQ(disabled.Pixel(5, 18), bar) << "a disabled item is never highlighted";
    EXPECT_EQ(disabled.Pixel(118, 18), back);
    int grey = 0;
    for (int y = 0; y < disabled.Height(); ++y)
        for (int x = 30; x < 118; ++x) grey += disabled.Pixel(x, y) == 0x808080;
    EXPECT_GT(grey, 5) << "its text is grey";

    // The check mark 4 pixels right of the item's left edge, inside the bar.
    const fw::Bitmap mark = Draw(checked, false);
    fw::Bitmap expected(26, 21);
    FillRectColor(expected.Canvas(), fw::Rect{0, 0, 26, 21}, bar);
    TsuiPopupMenu::CheckImages().Draw(expected.Canvas(), 4, 3, 0);
    GdiFlush();
    int wrong = 0, ink = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 26; ++x) {
            wrong += mark.Pixel(x, y) != expected.Pixel(x, y);
            ink += expected.Pixel(x, y) != bar;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(ink, 10);

    menu->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_NE(Draw(dashes, true).Pixel(60, 10), Draw(dashes, false).Pixel(60, 10)) << "MacOS selection picture";
}

TEST_F(PopupFixture, TheTrayMenuOpensDrawnByTheSkinAndKeysChooseAnItem) {
    TrayItems();
    int shown = 0;
    menu->Items().Items(1)->OnClick = [&](fw::Component*) { ++shown; };
    for (TsuiUIStyle look : kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        menu->SetUIStyle(look);
        const int expectedHeight = look == TsuiUIStyle::MacOS ? 20 : 21;
        int phase = 0, ticks = 0;
        std::vector<int> heights;
        RunSteps([&] {
            HWND open = OpenMenuWindow();
            if (open == nullptr) return ++ticks > 60;
            if (phase == 0) {
                // The second item, "显示界面", selected from the keyboard.
                PressKey(VK_DOWN);
                PressKey(VK_DOWN);
                phase = 1;
                return false;
            }
            if (phase++ < 3) return false;  // let it draw the selection
            auto hmenu = reinterpret_cast<HMENU>(SendMessageW(open, MN_GETHMENU, 0, 0));
            for (int i = 0; i < GetMenuItemCount(hmenu); ++i) {
                RECT r{};
                GetMenuItemRect(nullptr, hmenu, static_cast<UINT>(i), &r);
                heights.push_back(r.bottom - r.top);
            }
            RECT bounds;
            GetWindowRect(open, &bounds);
            SaveScreen(bounds, std::string("tray-menu-") + GetUIStyleName(look));
            PressKey(VK_RETURN);
            return true;
        });
        const int before = shown;
        menu->Popup(300, 400);
        menuStep = nullptr;
        EXPECT_EQ(shown, before + 1) << "Return chose the selected item";
        ASSERT_EQ(heights.size(), 3u);
        for (int h : heights) EXPECT_EQ(h, expectedHeight);
    }
}

} // namespace
