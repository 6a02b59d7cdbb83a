// Speed buttons (grouped toggles, glyph transparency and greying) and the flat tool bar (button
// order and sizes, hot and pressed states, the custom drawing hooks).
#include "tests/win/stdctrls/StdCtrlsTestSupport.h"

#include "framework/core/Properties.h"
#include "framework/menus/MainMenu.h"
#include "framework/stdctrls/Panel.h"
#include "framework/stdctrls/SpeedButton.h"
#include "framework/stdctrls/ToolBar.h"
#include "framework/stdctrls/ToolButton.h"

#include <string>
#include <vector>

using namespace fw;
using stdctrls_test::FormFixture;
using stdctrls_test::Shot;

namespace {


int Count(const Bitmap& b, Color c, Rect* bounds = nullptr) {
    int n = 0;
    Rect box{b.Width(), b.Height(), 0, 0};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Pixel(x, y) == c) {
                ++n;
                box = Rect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
            }
    if (bounds != nullptr) *bounds = box;
    return n;
}

struct SpeedFixture : FormFixture {
    Panel* panel = nullptr;
    void SetUp() override {
        FormFixture::SetUp();
        panel = Add<Panel>(10, 10, 200, 100);
        panel->SetBevelOuter(BevelCut::None);
        panel->SetColor(clYellow);
    }
    SpeedButton* Button(int left, int group, bool allowAllUp) {
        auto* b = Add<SpeedButton>(panel, left, 10, 20, 16);
        b->SetGroupIndex(group);
        b->SetAllowAllUp(allowAllUp);
        b->SetFlat(true);
        return b;
    }
};

TEST_F(SpeedFixture, APinWithAllUpTogglesOnEveryClickBeforeOnClick) {
    SpeedButton* pin = Button(10, 1, true);
    std::vector<bool> seen;
    pin->OnClick = [&](Component*) { seen.push_back(pin->Down()); };
    fwtest::Click(panel->Handle(), 15, 15);
    fwtest::Click(panel->Handle(), 15, 15);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    pin->SetDown(true);
    EXPECT_EQ(seen.size(), 2u) << "the program's press runs no click";
    EXPECT_TRUE(pin->Down());
}

TEST_F(SpeedFixture, AGroupKeepsOneButtonDownUnlessAllMayBeUp) {
    SpeedButton* a = Button(10, 2, false);
    SpeedButton* b = Button(40, 2, false);
    SpeedButton* other = Button(70, 3, false);
    other->SetDown(true);
    a->Click();
    EXPECT_TRUE(a->Down());
    b->Click();
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down()) << "one down per group";
    b->Click();
    EXPECT_TRUE(b->Down()) << "the last one stays down";
    EXPECT_TRUE(other->Down()) << "another group is not touched";
    SpeedButton* plain = Button(100, 0, true);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "without a group a button never stays down";
}

TEST_F(SpeedFixture, TheGlyphIsDrawnWithoutItsCornerColourAndGreyedWhenDisabled) {
    SpeedButton* pin = Button(10, 1, true);
    Bitmap glyph(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) glyph.SetPixel(x, y, (x >= 2 && x < 8 && y >= 2 && y < 8) ? clRed : clFuchsia);
    pin->SetGlyphBitmap(glyph);
    Rect up;
    EXPECT_EQ(Count(Shot(panel), clRed, &up), 36);
    EXPECT_EQ(Count(Shot(panel), clFuchsia), 0) << "the bottom-left colour is transparent";
    pin->SetDown(true);
    Rect down;
    Count(Shot(panel), clRed, &down);
    EXPECT_EQ(down, up.Offset(1, 1)) << "a button held down shows its glyph pressed in";
    pin->SetEnabled(false);
    EXPECT_EQ(Count(Shot(panel), clRed), 0) << "greyed";
}

struct BarFixture : FormFixture {
    ToolBar* bar = nullptr;
    std::vector<ToolButton*> buttons;
    void SetUp() override {
        FormFixture::SetUp();
        bar = Add<ToolBar>(0, 0, 400, 24);
        bar->SetEdgeBorders(0);
        bar->SetFlat(true);
        bar->SetShowCaptions(true);
        bar->SetButtonHeight(22);
        for (const char* caption : {"文件", "编辑", "帮助信息"}) {
            auto* b = new ToolButton(form.get());
            b->SetCaption(caption);
            b->SetAutoSize(true);
            b->SetGrouped(true);
            b->SetParent(bar);
            buttons.push_back(b);
        }
    }
};

TEST_F(BarFixture, ButtonsStandLeftToRightSizedToTheirCaptions) {
    EXPECT_EQ(bar->ButtonCount(), 3);
    EXPECT_EQ(buttons[0]->Left(), 0);
    EXPECT_EQ(buttons[1]->Left(), buttons[0]->Left() + buttons[0]->Width());
    EXPECT_EQ(buttons[2]->Left(), buttons[1]->Left() + buttons[1]->Width());
    EXPECT_EQ(buttons[0]->Width(), buttons[1]->Width()) << "same caption width";
    EXPECT_GT(buttons[2]->Width(), buttons[1]->Width() + 20);
    for (ToolButton* b : buttons) EXPECT_EQ(b->Height(), 22);
    bar->SetButtonHeight(30);
    EXPECT_EQ(buttons[1]->Height(), 30) << "the bar's button height goes to every button";
    buttons[1]->Hide();
    EXPECT_EQ(buttons[2]->Left(), buttons[0]->Width());
    delete buttons[0];
    EXPECT_EQ(bar->ButtonCount(), 2);
    EXPECT_EQ(buttons[2]->Left(), 0);
}

TEST_F(BarFixture, TheHooksSeeEachButtonsStateAndCanReplaceTheDrawing) {
    std::vector<std::string> calls;
    bar->OnCustomDraw = [&](Component*, const Rect& r, bool& defaultDraw) { calls.push_back("bar " + std::to_string(r.Width())); };
    bar->OnCustomDrawButton = [&](Component*, ToolButton* b, CustomDrawState state, bool& defaultDraw) {
        calls.push_back(b->Caption() + ((state & cdsHot) ? " hot" : "") + ((state & cdsSelected) ? " selected" : "") +
                        ((state & cdsDisabled) ? " disabled" : ""));
        // The hook paints the button itself.
        bar->Canvas().Brush().SetColor(clLime);
        bar->Canvas().FillRect(b->BoundsRect());
        defaultDraw = false;
    };
    buttons[2]->SetEnabled(false);
    const int x = buttons[1]->Left() + 5;
    SendMessageW(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 5));
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 5));
    calls.clear();
    Bitmap shot = Shot(bar);
    EXPECT_EQ(calls, (std::vector<std::string>{"bar " + std::to_string(bar->ClientWidth()), "文件", "编辑 hot selected", "帮助信息 disabled"}));
    EXPECT_EQ(Count(shot, clLime), (buttons[0]->Width() + buttons[1]->Width() + buttons[2]->Width()) * 22);
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, 5));

    buttons[0]->SetDroppedDown(true);
    calls.clear();
    Shot(bar);
    EXPECT_EQ(calls[1], "文件 selected") << "an open menu draws its button selected";

    // Clearing the bar hook's flag leaves the buttons out.
    bar->OnCustomDraw = [&](Component*, const Rect&, bool& defaultDraw) { defaultDraw = false; };
    calls.clear();
    shot = Shot(bar);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(Count(shot, clLime), 0);
}

TEST_F(BarFixture, GroupedCheckButtonsAreExclusiveAndClickOnce) {
    for (ToolButton* b : buttons) b->SetStyle(ToolButtonStyle::Check);
    int clicks = 0;
    buttons[0]->OnClick = [&](Component*) { ++clicks; };
    fwtest::Click(bar->Handle(), buttons[0]->Left() + 3, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(buttons[0]->Down());
    fwtest::Click(bar->Handle(), buttons[2]->Left() + 3, 5);
    EXPECT_TRUE(buttons[2]->Down());
    EXPECT_FALSE(buttons[0]->Down());
    EXPECT_EQ(GetPropertyValue(*buttons[2], "Style").EnumName(), "tbsCheck");
}

TEST_F(BarFixture, AButtonLinkedToAMenuItemTakesItsCaptionAndRunsIt) {
    MainMenu menu(nullptr);
    auto* about = new MenuItem(nullptr);
    about->SetCaption("关于");
    about->SetEnabled(false);
    menu.Items().Add(about);
    int clicks = 0;
    about->OnClick = [&](Component*) { ++clicks; };
    buttons[2]->SetMenuItem(about);
    EXPECT_EQ(buttons[2]->Caption(), "关于");
    EXPECT_FALSE(buttons[2]->Enabled());
    EXPECT_FALSE(buttons[2]->HasDropDown()) << "an item without sub-items drops nothing down";
    about->SetEnabled(true);
    buttons[2]->SetEnabled(true);
    fwtest::Click(bar->Handle(), buttons[2]->Left() + 3, 5);
    EXPECT_EQ(clicks, 1) << "the click runs the item";
    delete about;
    EXPECT_EQ(buttons[2]->MenuItem(), nullptr);
    fwtest::Click(bar->Handle(), buttons[2]->Left() + 3, 5);
    EXPECT_EQ(clicks, 1);
}

} // namespace
