// The skinned main menu on a skinned form: the menu bar's buttons (order, greyed items, changes
// of the items, removal of the bar), the hover and pressed faces per look, the bar's font,
// shortcuts pressed in an edit, and the drop-downs opened, switched and chosen from with the
// mouse, with a screenshot of an open drop-down in every look.
#include "OpenMenuSupport.h"
#include "SkinFormFixture.h"

#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/ToolButton.h"
#include "skin/frame/SUIMainMenu.h"
#include "skin/frame/SUIMenuBar.h"
#include "skin/styles/SUIMenuDraw.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace skinframe;
using Input = skincontrols::SkinFormFixture;

struct MainMenuFixture : SkinnedFormFixture {
    TsuiMainMenu* menu = nullptr;
    fw::MenuItem* file = nullptr;
    fw::MenuItem* open = nullptr;
    fw::MenuItem* exitItem = nullptr;
    fw::MenuItem* edit = nullptr;
    fw::MenuItem* copy = nullptr;
    fw::MenuItem* help = nullptr;
    int opened = 0, copied = 0, exited = 0;

    static fw::MenuItem* Item(fw::MenuItem& parent, const std::string& caption) {
        auto* item = new fw::MenuItem(nullptr);
        item->SetCaption(caption);
        parent.Add(item);
        return item;
    }
    // A form of that look whose menu links itself to the skinned form: "文件(&F)" (打开 Ctrl+O,
    // a line, 退出), "编辑(&E)" (复制) and a disabled "帮助(&H)".
    void MakeWithMenu(TsuiUIStyle look) {
        Make(fw::BorderStyle::None, look);
        AddMenu();
    }
    void AddMenu() {
        menu = new TsuiMainMenu(form.get());
        file = Item(menu->Items(), "文件(&F)");
        open = Item(*file, "打开(&O)...");
        open->SetShortCut(fw::MakeShortCut('O', fw::scCtrl));
        Item(*file, "-");
        exitItem = Item(*file, "退出(&X)");
        edit = Item(menu->Items(), "编辑(&E)");
        copy = Item(*edit, "复制(&C)");
        help = Item(menu->Items(), "帮助(&H)");
        Item(*help, "关于");
        help->SetEnabled(false);
        open->OnClick = [this](fw::Component*) { ++opened; };
        copy->OnClick = [this](fw::Component*) { ++copied; };
        exitItem->OnClick = [this](fw::Component*) { ++exited; };
        menu->HookItemDrawing();
        Input::Settle();
    }
    TsuiMenuBar* Bar() { return skinned->MenuBar(); }
    fw::ToolButton* Button(int i) { return Bar()->Buttons(i); }
    // The bar as it paints itself.
    fw::Bitmap BarPixels() {
        fw::Bitmap b(Bar()->Width(), Bar()->Height());
        Bar()->PaintTo(b.Canvas().Handle());
        GdiFlush();
        return b;
    }
    // The darkest pixel inside `r` (sum of the channels), the ink of a caption.
    static int Darkest(const fw::Bitmap& b, const fw::Rect& r) {
        int darkest = 3 * 255;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const fw::Color c = b.Pixel(x, y);
                darkest = std::min(darkest, static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)));
            }
        return darkest;
    }
};

fw::Point Centre(const fw::Rect& r) { return fw::Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

// The selected item of an open menu window, -1 for none.
int Highlighted(HWND w) {
    auto menu = reinterpret_cast<HMENU>(SendMessageW(w, MN_GETHMENU, 0, 0));
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i)
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) return i;
    return -1;
}

void MoveMouse(int screenX, int screenY) { Input::Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screenX, screenY); }

TEST_F(MainMenuFixture, TheBarShowsTheTopLevelItemsInOrderAndFollowsThem) {
    Make(fw::BorderStyle::None, TsuiUIStyle::DeepBlue);
    auto* panel = new fw::Panel(form.get());
    panel->SetParent(skinned);
    skinned->SetFormPanel(panel);
    const auto titleBottom = [&] { return skinned->TitleBar()->Top() + skinned->TitleBar()->Height(); };
    EXPECT_EQ(panel->Top(), titleBottom());
    AddMenu();
    EXPECT_EQ(skinned->Menu(), menu) << "the menu linked itself to the form's skinned form";
    EXPECT_EQ(menu->LinkedForm(), skinned);
    EXPECT_EQ(form->Menu(), nullptr) << "no native menu bar";
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Bar()->Top(), titleBottom()) << "under the title bar";
    EXPECT_EQ(Bar()->Height(), 22);
    EXPECT_EQ(panel->Top(), titleBottom() + 22) << "the panel gives the bar its room";
    ASSERT_EQ(Bar()->ButtonCount(), 3);
    EXPECT_EQ(Button(0)->Caption(), file->Caption());
    EXPECT_EQ(Button(1)->Caption(), edit->Caption());
    EXPECT_EQ(Button(2)->Caption(), help->Caption());
    EXPECT_EQ(Button(1)->Left(), Button(0)->Width()) << "left to right";

    // The disabled item's caption is grey, the others in the menu text colour.
    fw::Bitmap bar = BarPixels();
    EXPECT_LT(Darkest(bar, Button(0)->BoundsRect()), 3 * 0x40) << "dark text";
    EXPECT_GE(Darkest(bar, Button(2)->BoundsRect()), 3 * 0x70) << "greyed text";
    EXPECT_EQ(bar.Pixel(Bar()->Width() - 2, 5), skinned->MenuBarColor());

    // Caption and enabled changes show at once; so do new and removed top-level items.
    edit->SetEnabled(false);
    file->SetCaption("档案(&F)");
    EXPECT_EQ(Button(0)->Caption(), "档案(&F)");
    EXPECT_GE(Darkest(BarPixels(), Button(1)->BoundsRect()), 3 * 0x70);
    fw::MenuItem* view = Item(menu->Items(), "查看(&V)");
    ASSERT_EQ(Bar()->ButtonCount(), 4);
    EXPECT_EQ(Button(3)->MenuItem(), view);
    delete edit;
    edit = nullptr;
    ASSERT_EQ(Bar()->ButtonCount(), 3);
    EXPECT_EQ(Button(1)->MenuItem(), help) << "no button is left for a destroyed item";

    skinned->SetMenuBarHeight(30);
    EXPECT_EQ(Button(1)->Height(), 30);
    EXPECT_EQ(panel->Top(), titleBottom() + 30);

    // A style change recolours the bar and passes the style to the menu.
    skinned->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(BarPixels().Pixel(Bar()->Width() - 2, 5), skinned->GetColor());

    // No menu: no bar, and the form's layout is what it was.
    skinned->SetMenu(nullptr);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(menu->LinkedForm(), nullptr);
    EXPECT_EQ(panel->Top(), titleBottom());
    view->SetCaption("x");  // an unlinked menu's changes reach no form
    skinned->SetMenu(menu);
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Bar()->ButtonCount(), 3);

    // A destroyed menu takes the bar with it.
    delete menu;
    menu = nullptr;
    EXPECT_EQ(skinned->Menu(), nullptr);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(panel->Top(), titleBottom());
}

TEST_F(MainMenuFixture, HoveredAndPressedButtonsShowTheLooksSelectionFaces) {
    MakeWithMenu(TsuiUIStyle::MacOS);
    fw::Bitmap barPicture, selectPicture;
    LoadSkinBitmap("MACOS_MENU_BAR", barPicture);
    LoadSkinBitmap("MACOS_MENU_SELECT", selectPicture);
    const fw::Rect b = Button(1)->BoundsRect();
    // The bar and a face as they should look.
    fw::Bitmap expectedBar(Bar()->Width(), Bar()->Height());
    expectedBar.Canvas().StretchDraw(fw::Rect{0, 0, Bar()->Width(), Bar()->Height()}, barPicture);
    fw::Bitmap expectedFace(b.Width(), b.Height());
    expectedFace.Canvas().StretchDraw(fw::Rect{0, 0, b.Width(), b.Height()}, selectPicture);
    GdiFlush();
    fw::Bitmap plain = BarPixels();
    EXPECT_EQ(plain.Pixel(Bar()->Width() - 3, 3), expectedBar.Pixel(Bar()->Width() - 3, 3)) << "the MacOS bar picture";
    EXPECT_EQ(plain.Pixel(b.Left + 1, 3), expectedBar.Pixel(b.Left + 1, 3));

    Input::MoveTo(Bar(), b.Left + b.Width() / 2, b.Top + b.Height() / 2);
    fw::Bitmap hot = BarPixels();
    // The face's edge columns hold no text: they are the selection picture.
    int wrong = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x : {0, 1, b.Width() - 2, b.Width() - 1}) wrong += hot.Pixel(b.Left + x, y) != expectedFace.Pixel(x, y);
    EXPECT_EQ(wrong, 0) << "the MACOS_MENU_SELECT face";
    const fw::Color selectedText = GetBuiltInThemeColor(TsuiUIStyle::MacOS, TsuiThemeElement::MenuSelectedFontColor);
    int textPixels = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 2; x < b.Width() - 2; ++x) textPixels += hot.Pixel(b.Left + x, y) == selectedText;
    EXPECT_GT(textPixels, 5) << "the caption in the selected font colour";
    EXPECT_EQ(hot.Pixel(Button(0)->Left() + 1, 3), expectedBar.Pixel(Button(0)->Left() + 1, 3)) << "others stay plain";

    // DeepBlue: filled and framed in the selection colours; pressed, 2 pixels narrower.
    Input::MoveTo(form.get(), 5, form->ClientHeight() - 10);
    skinned->SetUIStyle(TsuiUIStyle::DeepBlue);
    const fw::Color fill = GetBuiltInThemeColor(TsuiUIStyle::DeepBlue, TsuiThemeElement::MenuSelectedBackgroundColor);
    const fw::Color frame = GetBuiltInThemeColor(TsuiUIStyle::DeepBlue, TsuiThemeElement::MenuSelectedBorderColor);
    const fw::Color barColor = skinned->MenuBarColor();
    Input::MoveTo(Bar(), b.Left + b.Width() / 2, b.Top + b.Height() / 2);
    hot = BarPixels();
    EXPECT_EQ(hot.Pixel(b.Right - 1, b.Bottom - 1), frame);
    EXPECT_EQ(hot.Pixel(b.Left + 1, b.Top + 1), fill);
    Button(1)->SetDroppedDown(true);
    fw::Bitmap pressed = BarPixels();
    Button(1)->SetDroppedDown(false);
    EXPECT_EQ(pressed.Pixel(b.Right - 3, b.Top + 3), frame) << "the right edge two pixels in";
    EXPECT_EQ(pressed.Pixel(b.Right - 2, b.Top + 3), barColor);
    Input::MoveTo(form.get(), 5, form->ClientHeight() - 10);
    EXPECT_EQ(BarPixels().Pixel(b.Left, b.Top), barColor) << "the face goes with the mouse";
}

TEST_F(MainMenuFixture, UseSystemFontChangesTheBarsFontAtOnceAndImagesFallBackToTheCheckMarks) {
    MakeWithMenu(TsuiUIStyle::WinXP);
    fw::Font system;
    SetSystemMenuFont(system);
    EXPECT_EQ(Bar()->Font().Name(), system.Name());
    const int width = Button(0)->Width();
    menu->SetFontName("Courier New");
    menu->SetFontSize(16);
    menu->SetUseSystemFont(false);
    EXPECT_EQ(Bar()->Font().Name(), "Courier New");
    EXPECT_EQ(Bar()->Font().Height(), 16 * 96 / 72);
    EXPECT_GT(Button(0)->Width(), width) << "the buttons fit the larger captions";
    menu->SetUseSystemFont(true);
    EXPECT_EQ(Bar()->Font().Name(), system.Name());
    EXPECT_EQ(Button(0)->Width(), width);

    // Without images of the application every checked item shows the menu's own check mark.
    fw::ImageList images(16, 16);
    menu->SetImages(&images);
    EXPECT_EQ(menu->Images(), &images);
    menu->SetImages(nullptr);
    EXPECT_EQ(menu->Images(), nullptr);
    copy->SetChecked(true);
    copy->SetImageIndex(0);
    fw::Bitmap item(120, 21);
    menu->DrawMenuItem(copy, item.Canvas(), fw::Rect{0, 0, 120, 21}, false);
    fw::Bitmap mark(120, 21);
    FillRectColor(mark.Canvas(), fw::Rect{0, 0, 120, 21}, menu->BarColor());
    menu->CheckImages().Draw(mark.Canvas(), 4, 3, 0);
    GdiFlush();
    int wrong = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 26; ++x) wrong += item.Pixel(x, y) != mark.Pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(MainMenuFixture, AShortcutRunsItsItemWhileAnEditHasTheFocus) {
    MakeWithMenu(TsuiUIStyle::DeepBlue);
    auto* editBox = new fw::Edit(form.get());
    editBox->SetParent(skinned);
    editBox->SetBounds(20, 80, 150, 22);
    editBox->SetFocus();
    Input::Settle();
    Input::Key(VK_CONTROL, false);
    Input::Tap('O');
    Input::Key(VK_CONTROL, true);
    Input::Settle();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(editBox->Text(), "") << "the key did not reach the edit";
    // Keys that are no shortcut still type; a disabled item's shortcut runs nothing.
    Input::Tap('O');
    EXPECT_EQ(editBox->Text(), "o");
    open->SetEnabled(false);
    Input::Key(VK_CONTROL, false);
    Input::Tap('O');
    Input::Key(VK_CONTROL, true);
    Input::Settle();
    EXPECT_EQ(opened, 1);
}

TEST_F(MainMenuFixture, ADropDownOpensUnderItsButtonSwitchesOnHoverAndAClickRunsAnItem) {
    for (TsuiUIStyle look : skincontrols::kLooks) {
        SCOPED_TRACE(GetUIStyleName(look));
        if (menu == nullptr) {
            MakeWithMenu(look);
        } else {
            skinned->SetUIStyle(look);
        }
        const int itemHeight = look == TsuiUIStyle::MacOS ? 20 : 21;
        const bool switching = look == TsuiUIStyle::DeepBlue;
        const fw::Rect fileRect = Button(0)->BoundsRect();
        const fw::Rect editRect = Button(1)->BoundsRect();
        const fw::Point fileBottomLeft = Bar()->ClientToScreen(fw::Point{fileRect.Left, fileRect.Bottom});
        const fw::Point editBottomLeft = Bar()->ClientToScreen(fw::Point{editRect.Left, editRect.Bottom});
        const fw::Point editCentre = Bar()->ClientToScreen(Centre(editRect));
        RECT firstMenu{}, switchedMenu{};
        std::vector<int> heights;
        int phase = 0, ticks = 0;
        RunSteps([&] {
            if (++ticks > 200) return true;
            HWND w = OpenMenuWindow();
            if (phase == 0) {
                if (w == nullptr) return false;
                Input::Mouse(MOUSEEVENTF_LEFTUP);  // the press that opened it ends on the button
                firstMenu = WindowBounds(w);
                auto hmenu = reinterpret_cast<HMENU>(SendMessageW(w, MN_GETHMENU, 0, 0));
                for (int i = 0; i < GetMenuItemCount(hmenu); ++i) {
                    RECT r{};
                    GetMenuItemRect(nullptr, hmenu, static_cast<UINT>(i), &r);
                    heights.push_back(r.bottom - r.top);
                }
                phase = switching ? 1 : 3;
                return false;
            }
            if (phase == 1) {
                MoveMouse(editCentre.X, editCentre.Y);
                phase = 2;
                return false;
            }
            if (phase == 2) {
                // The file menu closed and the edit menu opened under its own button.
                if (w == nullptr || WindowBounds(w).left != editBottomLeft.X) return false;
                switchedMenu = WindowBounds(w);
                // Back to the file menu the same way.
                const fw::Point fileCentre = Bar()->ClientToScreen(Centre(fileRect));
                MoveMouse(fileCentre.X, fileCentre.Y);
                phase = 3;
                return false;
            }
            if (phase == 3) {
                if (w == nullptr || WindowBounds(w).left != fileBottomLeft.X) return false;
                // Point at the last item (退出) and let the selection show.
                const RECT r = WindowBounds(w);
                MoveMouse(r.left + 40, r.bottom - 3 - itemHeight / 2);
                phase = 4;
                return false;
            }
            if (phase < 8) {
                ++phase;
                return false;
            }
            RECT shot = WindowBounds(w), window = WindowRect();
            UnionRect(&shot, &shot, &window);
            InflateRect(&shot, 8, 8);
            SaveScreen(shot, std::string("menubar-") + GetUIStyleName(look));
            Input::Mouse(MOUSEEVENTF_LEFTDOWN);
            Input::Mouse(MOUSEEVENTF_LEFTUP);
            return true;
        });
        const int before = exited;
        const fw::Point press = Bar()->ClientToScreen(Centre(fileRect));
        MoveMouse(press.X, press.Y);
        Input::Settle();
        Input::Mouse(MOUSEEVENTF_LEFTDOWN);
        fwtest::PumpUntil([&] { return menuStep == nullptr && OpenMenuWindow() == nullptr; }, 15000);
        Input::Settle();
        EXPECT_LT(ticks, 200) << "the steps finished in phase " << phase;
        EXPECT_EQ(exited, before + 1) << "the click ran the item";
        EXPECT_EQ(firstMenu.left, fileBottomLeft.X);
        EXPECT_EQ(firstMenu.top, fileBottomLeft.Y) << "right under the button";
        ASSERT_EQ(heights.size(), 3u);
        EXPECT_EQ(heights[0], itemHeight);
        EXPECT_EQ(heights[1], look == TsuiUIStyle::MacOS ? 12 : 5) << "the separator";
        if (switching) {
            EXPECT_EQ(switchedMenu.top, editBottomLeft.Y);
        }
        EXPECT_FALSE(Button(0)->DroppedDown());
        menuStep = nullptr;
    }
}

TEST_F(MainMenuFixture, AltAndAnAcceleratorOpenADropDownAndTheArrowKeysMoveToTheNext) {
    MakeWithMenu(TsuiUIStyle::WinXP);
    const int fileLeft = Bar()->ClientToScreen(fw::Point{Button(0)->Left(), 0}).X;
    const int editLeft = Bar()->ClientToScreen(fw::Point{Button(1)->Left(), 0}).X;
    std::vector<std::pair<int, int>> shown;  // (left, selected item) of each drop-down
    int ticks = 0;
    const auto step = [&] {
        if (++ticks > 200) return true;
        HWND w = OpenMenuWindow();
        if (w == nullptr || Highlighted(w) < 0) return false;
        const int left = WindowBounds(w).left;
        if (!shown.empty() && shown.back().first == left) return false;
        shown.emplace_back(left, Highlighted(w));
        // Right past the last drop-down (the disabled one is skipped) comes round to the first.
        PressKey(shown.size() < 3 ? VK_RIGHT : VK_RETURN);
        return shown.size() == 3;
    };
    // The pointer away from where the drop-downs open: they would select the item under it.
    Input::MoveTo(form.get(), form->ClientWidth() - 5, form->ClientHeight() - 5);
    RunSteps(step);
    Input::Key(VK_MENU, false);
    Input::Key('E', false);
    Input::Key('E', true);
    Input::Key(VK_MENU, true);
    fwtest::PumpUntil([&] { return menuStep == nullptr && OpenMenuWindow() == nullptr; }, 15000);
    Input::Settle();
    menuStep = nullptr;
    EXPECT_EQ(shown, (std::vector<std::pair<int, int>>{{editLeft, 0}, {fileLeft, 0}, {editLeft, 0}}));
    EXPECT_EQ(copied, 1) << "Return chose the first item of the edit menu";
    EXPECT_FALSE(Button(1)->DroppedDown());

    // A disabled button's accelerator opens nothing.
    Input::Key(VK_MENU, false);
    Input::Key('H', false);
    Input::Key('H', true);
    Input::Key(VK_MENU, true);
    Input::Settle();
    EXPECT_EQ(OpenMenuWindow(), nullptr);
}

} // namespace
